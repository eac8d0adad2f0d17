#include "BitEditorFixture.h"

#include "documents/WindowCascade.h"
#include "flags/BitFrames.h"
#include "grid/CellGrid.h"
#include "support/QStringPrinting.h"
#include "support/VirtualDisplay.h"

#include <QProcess>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollBar>

using namespace Qt::StringLiterals;

namespace {

struct CascadeCase
{
    const char *name;
    QPoint previous;
    QList<QPoint> taken;
    QPoint expected;
};

// Windows of 600 x 700 stepped by 24 on a 1920 x 1080 screen below a
// 30-pixel panel.
TEST(WindowCascade, StepsOnFromThePreviousWindowWithinTheScreen)
{
    const QRect available(0, 30, 1920, 1050);
    const CascadeCase cases[] = {
        {"one step right and down", {827, 144}, {{827, 144}}, {851, 168}},
        {"past the right edge starts at the left", {1310, 144}, {{1310, 144}}, {0, 168}},
        {"past the bottom starts at the top", {827, 370}, {{827, 370}}, {851, 30}},
        {"moved off the screen starts at its corner", {-50, 2000}, {{-50, 2000}}, {0, 30}},
        {"another window's place is stepped over", {827, 144}, {{827, 144}, {851, 168}}, {875, 192}},
    };
    for (const CascadeCase &c : cases)
        EXPECT_EQ(CascadedPlace(c.previous, QSize(600, 700), available, 24, c.taken), c.expected) << c.name;
}

TEST_F(BitEditor, ALaterEditorNeverHidesAnEarlierOne)
{
    openIni(accessFile);
    TMDIChildBit *first = doubleClickLine(1);
    TMDIChildBit *second = doubleClickLine(1);
    ASSERT_TRUE(first && second);
    EXPECT_NE(second->pos(), first->pos());
    EXPECT_TRUE(second->screen()->availableGeometry().contains(second->pos()));
}

TEST_F(BitEditor, TheWholeBitTableFitsTheNewWindow)
{
    openIni(accessFile);
    TMDIChildBit *editor = doubleClickLine(1);
    ASSERT_NE(editor, nullptr);
    const TCellGrid *grid = editor->TBitFrame1->GridBits;
    EXPECT_EQ(editor->height(), 719);
    EXPECT_EQ(grid->horizontalScrollBar()->maximum(), 0); // "Used for" is not cut
    EXPECT_GE(grid->viewport()->width(), 24 + 63 + 80 + 366);
    EXPECT_LE(grid->viewport()->width(), 24 + 63 + 80 + 366 + 8) << "window " << editor->width(); // and no wider
    QList<int> widths;
    for (int column = 0; column < grid->Columns.Count(); ++column)
        widths << grid->Columns[column]->Width();
    EXPECT_EQ(widths, QList<int>({24, 63, 80, 366}));
}

// Window managers keep a window above another only by the X property
// WM_TRANSIENT_FOR, which the offscreen platform cannot show: the test
// reads the property on a virtual X server.
TEST_F(BitEditor, EditorWindowsAreTransientForTheMainWindowOnX11)
{
    if (!OnVirtualDisplay()) {
        RunCurrentTestOnVirtualDisplay();
        return;
    }

    ASSERT_EQ(QGuiApplication::platformName(), u"xcb"_s);
    openIni(accessFile);
    const QList<TMDIChildBit *> opened{doubleClickLine(1), doubleClickLine(1)};
    for (TMDIChildBit *editor : opened) {
        ASSERT_NE(editor, nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(editor));
        QProcess xprop;
        xprop.start(u"xprop"_s, {u"-id"_s, QString::number(editor->winId()), u"WM_TRANSIENT_FOR"_s,
                                 u"_NET_WM_WINDOW_TYPE"_s});
        ASSERT_TRUE(xprop.waitForFinished());
        const QString properties = QString::fromLocal8Bit(xprop.readAllStandardOutput());
        const QRegularExpressionMatch owner =
            QRegularExpression(u"WM_TRANSIENT_FOR\\(WINDOW\\): window id # (0x[0-9a-f]+)"_s).match(properties);
        ASSERT_TRUE(owner.hasMatch()) << properties.toStdString();
        EXPECT_EQ(owner.captured(1).toULongLong(nullptr, 16), host.window.winId());
        // A transient dialog gets no task bar entry of its own.
        EXPECT_TRUE(properties.contains(u"_NET_WM_WINDOW_TYPE_DIALOG"_s)) << properties.toStdString();
    }
    // On a screen with room, the second steps diagonally off the first.
    const QPoint step = opened[1]->pos() - opened[0]->pos();
    EXPECT_TRUE(step.x() > 0 && step.x() == step.y()) << step.x() << ',' << step.y();
}

} // namespace
