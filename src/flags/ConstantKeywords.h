#pragma once

#include "flags/IncludeFile.h"

#include <QString>

// The language in which `name` is a reserved word, as far as the include
// file of `form` is concerned: "Pascal" (Free Pascal's reserved words in
// any of its modes, any letter case) for the Pascal form; "C" or "C++"
// (the header must compile as both) for the others. Empty for any other
// name.
QString KeywordLanguage(const QString &name, TIncludeForm form);

// A name the C and C++ preprocessors refuse as a macro's name ("defined",
// "__VA_ARGS__", "__has_include", ...) or define themselves ("__FILE__",
// "__cplusplus", "linux", ...).
bool IsPreprocessorName(const QString &name);

// An identifier reserved to the C and C++ implementation: it begins with
// two underscores, or with an underscore and a capital letter.
bool IsReservedIdentifier(const QString &name);
