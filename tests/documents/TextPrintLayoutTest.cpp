#include "documents/IniPrintout.h"
#include "documents/TextPrintLayout.h"
#include "support/QStringPrinting.h"

#include <QDateTime>
#include <QLocale>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// A font of 10 x 20 units, only "." 1 wide, on a page 200 high: lines
// with text are 22 high, empty lines 20, tab stops every 80.
TTextPrintMetrics fixedPitchPage(int pageWidth = 100)
{
    TTextPrintMetrics metrics;
    metrics.PageWidth = pageWidth;
    metrics.PageHeight = 200;
    metrics.CharHeight = 20;
    metrics.AverageCharWidth = 10;
    metrics.TextWidth = [](const QString &text) { return int(10 * text.size() - 9 * text.count(u'.')); };
    return metrics;
}

// Pages as "x,y:text x,y:text", one entry per page.
QStringList outline(const std::vector<TTextPrintPage> &pages)
{
    QStringList outlines;
    for (const TTextPrintPage &page : pages) {
        QStringList pieces;
        for (const TPrintedText &piece : page)
            pieces << u"%1,%2:%3"_s.arg(piece.Position.x()).arg(piece.Position.y()).arg(piece.Text);
        outlines << pieces.join(u' ');
    }
    return outlines;
}

QStringList numberedLines(int count)
{
    QStringList lines;
    for (int line = 1; line <= count; ++line)
        lines << QString::number(line);
    return lines;
}

struct LayoutCase
{
    const char *name;
    QStringList lines;
    QStringList pages;
    int pageWidth = 100;
};

std::ostream &operator<<(std::ostream &out, const LayoutCase &row)
{
    return out << row.name;
}

class TextPrintLayoutCases : public ::testing::TestWithParam<LayoutCase>
{
};

TEST_P(TextPrintLayoutCases, PlacesThePieces)
{
    EXPECT_EQ(outline(TextPrintLayout::compute(GetParam().lines, fixedPitchPage(GetParam().pageWidth))),
              GetParam().pages);
}

INSTANTIATE_TEST_SUITE_P(
    Layout, TextPrintLayoutCases,
    ::testing::Values(
        LayoutCase{"WideLineContinuesOnTheNextLine", {u"abcdefghijklmno"_s}, {u"0,0:abcdefghij 0,22:klmno"_s}},
        LayoutCase{"TabMovesToTheNextStop", {u"ab\tc"_s}, {u"0,0:ab 80,0:c"_s}},
        LayoutCase{"TextAfterATabBreaksAtThePageEdge", {u"ab\tcdefg"_s}, {u"0,0:ab 80,0:cd 0,22:efg"_s}},
        LayoutCase{"TabBeyondThePageStartsANewLine", {u"abcdefghi\tx"_s}, {u"0,0:abcdefghi 0,22:x"_s}},
        LayoutCase{"TabOneBeforeAStopSkipsIt", {u".........abcdefg\tx"_s}, {u"0,0:.........abcdefg 160,0:x"_s}, 200},
        LayoutCase{"EmptyLineIsOneCharacterHigh", {u"a"_s, QString(), u"b"_s}, {u"0,0:a 0,42:b"_s}},
        LayoutCase{"PageBreaksWhenTheNextLineWouldComeTooClose", numberedLines(9),
                   {u"0,0:1 0,22:2 0,44:3 0,66:4 0,88:5 0,110:6 0,132:7 0,154:8"_s, u"0,0:9"_s}},
        LayoutCase{"NoPageAfterTheLastLine", numberedLines(8),
                   {u"0,0:1 0,22:2 0,44:3 0,66:4 0,88:5 0,110:6 0,132:7 0,154:8"_s}},
        LayoutCase{"NoPageForEmptyLinesAfterAFullPage", numberedLines(8) << QString(),
                   {u"0,0:1 0,22:2 0,44:3 0,66:4 0,88:5 0,110:6 0,132:7 0,154:8"_s}},
        LayoutCase{"EmptyLineBreaksThePageOnlyPastItsHeight", numberedLines(7) << QString() << u"x"_s,
                   {u"0,0:1 0,22:2 0,44:3 0,66:4 0,88:5 0,110:6 0,132:7 0,174:x"_s}},
        LayoutCase{"TextThatWouldReachBelowThePageGoesOnTheNext",
                   numberedLines(7) << QString() << QString() << u"x"_s,
                   {u"0,0:1 0,22:2 0,44:3 0,66:4 0,88:5 0,110:6 0,132:7"_s, u"0,0:x"_s}}),
    [](const ::testing::TestParamInfo<LayoutCase> &info) { return std::string(info.param.name); });

TEST(TextPrintLayout, LongLineIsMeasuredOnlyPieceByPiece)
{
    TTextPrintMetrics metrics = fixedPitchPage();
    qsizetype measured = 0;
    metrics.TextWidth = [&measured](const QString &text) {
        measured += text.size();
        return 10 * int(text.size());
    };
    const QString line(10000, u'x');

    const std::vector<TTextPrintPage> pages = TextPrintLayout::compute({line}, metrics);

    QString printed;
    for (const TTextPrintPage &page : pages)
        for (const TPrintedText &piece : page)
            printed += piece.Text;
    EXPECT_EQ(printed, line);
    EXPECT_LT(measured, 10 * line.size());
}

TEST(IniPrintout, CountsLinesAsTheTextAreaDoes)
{
    EXPECT_EQ(IniPrintout::countedLines(QString()), QStringList());
    EXPECT_EQ(IniPrintout::countedLines(u"a"_s), QStringList{u"a"_s});
    EXPECT_EQ(IniPrintout::countedLines(u"a\n"_s), QStringList{u"a"_s});
    EXPECT_EQ(IniPrintout::countedLines(u"\n"_s), QStringList{QString()});
    EXPECT_EQ(IniPrintout::countedLines(u"a\n\nb\n\n"_s), (QStringList{u"a"_s, QString(), u"b"_s, QString()}));
}

TEST(IniPrintout, HeadsOneLineWithDateTimeAndTitleThenAsterisks)
{
    const QLocale german(QLocale::German);
    const QString title = u"C:\\data\\myapp_v2.ini"_s;
    EXPECT_EQ(IniPrintout::heading(QDateTime(QDate(2026, 12, 6), QTime(14, 5, 9)), german, title),
              u"06.12.2026 14:05:09        C:\\data\\myapp_v2.ini"_s);
    EXPECT_EQ(IniPrintout::heading(QDateTime(QDate(2026, 12, 6), QTime(0, 0, 0, 500)), german, title),
              u"06.12.2026        C:\\data\\myapp_v2.ini"_s);
    EXPECT_EQ(IniPrintout::printedLines(u"heading"_s, {u"[ACCESS]"_s}),
              (QStringList{u"heading"_s, QString(94, u'*'), u"[ACCESS]"_s}));
}

} // namespace
