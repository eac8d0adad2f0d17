#pragma once

#include "flags/IncludeFile.h"

#include <QString>
#include <optional>
#include <vector>

// What would break or mislead the include file of a flag word, found in
// its named rows before the file is written. Writing is never refused.

// The cell a finding concerns: the row's name, its mask, or no row at all
// (the value line's name).
enum class TFindingCell { Name, Mask, None };

struct TDefinitionFinding
{
    int row = -1; // index in the table; -1 for the flag word itself
    TFindingCell cell = TFindingCell::None;
    QString message;
    bool warning = false; // worth knowing, but the file is sound

    bool operator==(const TDefinitionFinding &) const = default;
};

// The findings, row by row in table order, the value line's last:
// - a constant (prefix + name) that is not an identifier: a blank, a
//   character other than an ASCII letter, digit or "_", a leading digit;
// - a constant longer than a short text, which the file cuts;
// - a constant that is a keyword of the form's language, or, in the C
//   forms, a name the preprocessor refuses or defines, or (a warning) an
//   identifier reserved to the implementation;
// - a constant equal to one of an earlier row, or to the value line's
//   (case-insensitively in Pascal);
// - a mask that is not 8 hexadecimal digits;
// - a mask sharing bits with the mask of an earlier named row;
// - set bits of the flag word that no named row covers, at the rows whose
//   masks hold them;
// - of a named field's named values: constants as above (prefix + field +
//   "_" + value), values beyond the field's width, and (a warning) a word
//   whose field holds a value without a name;
// - a field sharing bits with another row that the mask check above does
//   not compare (one of the two has no name).
std::vector<TDefinitionFinding> CheckDefinitions(const TIncludeSource &source, TIncludeForm form);

// Bits of the line's word `lineWord` that no row of the table holds: the
// frame cannot tick them, so the include file's Default loses them. Nothing
// when every set bit has a row.
std::optional<TDefinitionFinding> RowlessBitsFinding(const TIncludeSource &source, quint32 lineWord);
