#pragma once

#include "support/QStringPrinting.h"

#include <gtest/gtest.h>
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

// A row for `function`, named after it.
#define ROW(function, input, expected) TextCase{#function, &function, input, expected}

inline void PrintTo(const TextCase &row, std::ostream *out)
{
    *out << row.function << '(';
    PrintTo(row.input, out);
    *out << ") -> ";
    PrintTo(row.expected, out);
}

// Each helper's file instantiates this with its own rows; the test itself
// is in TextCase.cpp.
class TextFunction : public ::testing::TestWithParam<TextCase>
{
};
