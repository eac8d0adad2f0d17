#include "TextCase.h"

TEST_P(TextFunction, GivesTheExpectedText)
{
    const TextCase &row = GetParam();
    EXPECT_EQ(row.apply(row.input), row.expected);
}
