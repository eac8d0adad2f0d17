#pragma once

#include "support/QStringPrinting.h"

#include <ostream>

// One row of a table of a one-text function: its name for the report,
// the function, the input and the expected result.
struct TextCase
{
    const char *function;
    QString (*apply)(const QString &);
    QString input;
    QString expected;
};

inline void PrintTo(const TextCase &row, std::ostream *out)
{
    *out << row.function << '(';
    PrintTo(row.input, out);
    *out << ") -> ";
    PrintTo(row.expected, out);
}
