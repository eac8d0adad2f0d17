#include "grid/ReadableColors.h"

#include <gtest/gtest.h>

namespace {

// Black on white is 21 : 1 and #777777 on white just misses 4.5 : 1;
// half-transparent black counts as drawn on white, #7F7F7F, and
// half-transparent white on it as #BFBFBF.
TEST(ReadableColors, ContrastRatiosAsTheGuidelinesDefineThem)
{
    EXPECT_NEAR(ReadableColors::contrastRatio(Qt::black, Qt::white), 21.0, 0.01);
    EXPECT_NEAR(ReadableColors::contrastRatio(QColor(0x77, 0x77, 0x77), Qt::white), 4.48, 0.01);
    EXPECT_NEAR(ReadableColors::contrastRatio(QColor(0, 0, 0, 128), Qt::white), 4.00, 0.01);
    EXPECT_NEAR(ReadableColors::contrastRatio(QColor(255, 255, 255, 128), QColor(0, 0, 0, 128)), 2.18, 0.01);
}

} // namespace
