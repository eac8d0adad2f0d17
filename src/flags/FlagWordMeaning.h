#pragma once

#include "flags/IncludeFile.h"

#include <QString>

// What a flag word means by its table, read without the bit editor: the
// names of the named rows whose bits it sets and, for each named field,
// the field's name and its value's name (or number), in table order,
// joined by " | ": "Audit | WriteEnable | Level = Warnings". Empty when
// nothing named is set.
QString FlagWordMeaning(const TIncludeSource &source);
