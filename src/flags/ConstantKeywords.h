#pragma once

#include "flags/IncludeFile.h"

#include <QString>

// The language in which `name` is a reserved word, as far as the include
// file of `form` is concerned: "Pascal" (Free Pascal's reserved words in
// any of its modes, any letter case) for the Pascal form; "C" or "C++"
// (the header must compile as both) for the others. Empty for any other
// name.
QString KeywordLanguage(const QString &name, TIncludeForm form);
