#include "BitEditorFixture.h"

#include "documents/WindowCascade.h"
#include "flags/BitFrames.h"
#include "flags/FlagValueField.h"
#include "grid/CellGrid.h"
#include "support/QStringPrinting.h"
#include "support/VirtualDisplay.h"

#include <QApplication>
#include <QComboBox>
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

struct PlaceCase
{
    const char *name;
    QRect document;
    QRect titleBar; // of the main window
    std::optional<QPoint> previous;
    QPoint expected;
};

// Editors of 600 x 700 on a 1920 x 1080 screen below a 30-pixel panel,
// stepped by 24.
TEST(BitEditorPlace, BesideTheDocumentAndBelowTheMainWindowsTitleBar)
{
    const QRect available(0, 30, 1920, 1050);
    const QRect document(100, 100, 337, 361);
    const QRect titleBar(0, 30, 1920, 24);
    const PlaceCase cases[] = {
        {"right of the document", document, titleBar, std::nullopt, {437, 100}},
        {"left where the right has no room", {1400, 100, 337, 361}, titleBar, std::nullopt, {800, 100}},
        {"at the right edge without room on either side", {500, 100, 900, 361}, titleBar, std::nullopt, {1320, 100}},
        {"below the title bar though the screen's bottom cuts it", {100, 424, 337, 361}, {0, 400, 1920, 24},
         std::nullopt, {437, 424}},
        {"never over the title bar, also moved up to fit", {100, 700, 337, 361}, titleBar, std::nullopt, {437, 380}},
        {"a title bar at the screen's bottom leaves the editor's top on it", {100, 1094, 337, 361},
         {0, 1070, 1920, 24}, std::nullopt, {437, 1056}},
        {"a later one steps off the one before", document, titleBar, QPoint(437, 100), {461, 124}},
        {"past the right edge starts again beside the document", document, titleBar, QPoint(1320, 300), {437, 324}},
        {"past the bottom starts again level with the first", document, titleBar, QPoint(500, 380), {524, 100}},
    };
    for (const PlaceCase &c : cases) {
        const QList<QPoint> taken = c.previous ? QList<QPoint>{*c.previous} : QList<QPoint>{};
        EXPECT_EQ(BitEditorPlace(QSize(600, 700), c.document, available, c.titleBar, 24, c.previous, taken), c.expected)
            << c.name;
    }
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

// The MDI area takes Ctrl+Tab application-wide for its own windows; in the
// editor, which belongs to a document inside the area, it leaves the table.
TEST_F(BitEditor, CtrlTabLeavesTheTableOfTheEditorWindow)
{
    openIni(accessFile);
    host.activate();
    TMDIChildBit *editor = doubleClickLine(1);
    ASSERT_NE(editor, nullptr);
    QApplication::setActiveWindow(editor);
    TCellGrid *grid = editor->TBitFrame1->GridBits;
    grid->setFocus();
    QTest::keyClick(grid, Qt::Key_Tab, Qt::ControlModifier); // the table is last in the chain, which wraps
    EXPECT_EQ(QApplication::focusWidget(), editor->TBitFrame1->CBX_Section);
    grid->setFocus();
    QTest::keyClick(grid, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), editor->TBitFrame1->EDT_Value);
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
