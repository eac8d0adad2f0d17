#pragma once

#include "flags/IncludeFile.h"

#include <QByteArray>
#include <QString>

// The include file of a flag word in the form asked for: the Pascal or
// C++ constants (IncludeFile.h) or the C header (IncludeHeader.h), each
// line ended by CR LF.
QString IncludeFileText(const TIncludeSource &source, TIncludeForm form);
// The file's bytes: 8-bit text, as any new text file of the system.
QByteArray IncludeFileBytes(const TIncludeSource &source, TIncludeForm form);

// Writes the include file of `source` in `form` beside its bit definition
// files (IncludeFileName), replacing an old one whole; its path. Raises
// FileCreateError when it cannot be written.
QString WriteIncludeFile(const TIncludeSource &source, TIncludeForm form);
