#pragma once

#include "flags/IncludeFile.h"

#include <QString>

// The C header form of the include file: it compiles as C99 and as C++11
// and later. An include guard, the four comment lines as block comments, one
// "#define <prefix><name> 0x<mask>u" per named row with its description in
// a comment, and the value of the flag word as <prefix>Default; lines end
// with CR LF.
QString CHeaderText(const TIncludeSource &source);

// The guard's macro: "TARVEX_" and the header's file name in upper case,
// every character but an ASCII letter or digit made "_":
// /data/MyappAccessFlags.h -> TARVEX_MYAPPACCESSFLAGS_H.
QString IncludeGuardName(const QString &headerFileName);

// A text inside /* */ that cannot end the comment early or open a nested
// one: "*/" and "/*" lose their meaning, line breaks become blanks.
QString BlockCommentText(const QString &text);
