#include "grid/ReadableColors.h"

#include <gtest/gtest.h>

namespace {

struct ContrastCase
{
    QColor text;
    QColor background;
    double ratio;
};

// Black on white is 21 : 1 and #777777 on white just misses 4.5 : 1;
// half-transparent black counts as drawn on white, #7F7F7F.
TEST(ReadableColors, ContrastRatiosAsTheGuidelinesDefineThem)
{
    const ContrastCase cases[] = {
        {Qt::black, Qt::white, 21.0},
        {Qt::white, Qt::black, 21.0},
        {QColor(0x77, 0x77, 0x77), Qt::white, 4.48},
        {QColor(0, 0, 0, 128), Qt::white, 4.00},
        {QColor(42, 130, 218), QColor(42, 130, 218), 1.0},
    };
    for (const ContrastCase &c : cases)
        EXPECT_NEAR(ReadableColors::contrastRatio(c.text, c.background), c.ratio, 0.01)
            << c.text.name(QColor::HexArgb).toStdString() << " on " << c.background.name().toStdString();
}

// Over backgrounds from black to white, every text colour comes out readable,
// and text that already reads stays as it is.
TEST(ReadableColors, TextIsMovedJustFarEnoughToRead)
{
    const QList<QColor> texts{Qt::black, Qt::white, Qt::red, QColor(200, 0, 0), QColor(0, 0, 0, 128), Qt::gray};
    for (int grey = 0; grey <= 255; grey += 5) {
        for (int hue = 0; hue < 360; hue += 45) {
            const QColor background = QColor::fromHsv(hue, 160, grey);
            for (const QColor &text : texts) {
                const QColor readable = ReadableColors::readableText(text, background);
                EXPECT_GE(ReadableColors::contrastRatio(readable, background), 4.5)
                    << text.name().toStdString() << " on " << background.name().toStdString();
                if (ReadableColors::contrastRatio(text, background) >= 4.5) {
                    EXPECT_EQ(readable, text);
                }
            }
        }
    }
}

} // namespace
