#include "app/WindowArrangement.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <gtest/gtest.h>

namespace {

class Arrangement : public ::testing::Test
{
protected:
    Arrangement()
    {
        area.resize(600, 400);
        for (int i = 0; i < 3; ++i) {
            QMdiSubWindow *window = area.addSubWindow(new QWidget);
            window->resize(200, 150);
            windows.append(window);
        }
        area.show();
    }

    QRect space() const { return area.viewport()->rect(); }

    QMdiArea area;
    QList<QMdiSubWindow *> windows;
};

TEST_F(Arrangement, TileOneAboveTheOtherGivesEachTheFullWidth)
{
    TileSubWindows(&area, TileDirection::OneAboveTheOther);
    const int h = space().height();
    EXPECT_EQ(windows[0]->geometry(), QRect(0, 0, space().width(), h / 3));
    EXPECT_EQ(windows[1]->geometry(), QRect(0, h / 3, space().width(), 2 * h / 3 - h / 3));
    EXPECT_EQ(windows[2]->geometry().bottom(), space().bottom());
}

TEST_F(Arrangement, TileSideBySideGivesEachTheFullHeight)
{
    TileSubWindows(&area, TileDirection::SideBySide);
    const int w = space().width();
    EXPECT_EQ(windows[0]->geometry(), QRect(0, 0, w / 3, space().height()));
    EXPECT_EQ(windows[1]->geometry(), QRect(w / 3, 0, 2 * w / 3 - w / 3, space().height()));
    EXPECT_EQ(windows[2]->geometry().right(), space().right());
}

TEST_F(Arrangement, TilingLeavesMinimizedWindowsOut)
{
    windows[1]->showMinimized();
    TileSubWindows(&area, TileDirection::SideBySide);
    EXPECT_TRUE(windows[1]->isMinimized());
    EXPECT_EQ(windows[0]->geometry(), QRect(0, 0, space().width() / 2, space().height()));
}

TEST_F(Arrangement, MinimizeAllMinimizesEveryWindow)
{
    MinimizeAllSubWindows(&area);
    for (QMdiSubWindow *window : windows)
        EXPECT_TRUE(window->isMinimized());
}

TEST_F(Arrangement, ArrangeLinesTheIconsUpFromTheBottomLeft)
{
    MinimizeAllSubWindows(&area);
    windows[0]->move(300, 10);
    windows[2]->move(20, 50);
    ArrangeMinimizedSubWindows(&area);
    const int width = windows[0]->width();
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(windows[i]->geometry().bottom(), space().bottom()) << i;
        EXPECT_EQ(windows[i]->x(), i * width) << i;
    }
}

TEST_F(Arrangement, ArrangeStartsANewRowWhenARowIsFull)
{
    MinimizeAllSubWindows(&area);
    const int iconWidth = windows[0]->width();
    area.resize(2 * iconWidth + iconWidth / 2 + (area.width() - space().width()), 400);
    for (QMdiSubWindow *window : windows)
        window->move(100, 100);
    ArrangeMinimizedSubWindows(&area);
    EXPECT_EQ(windows[1]->x(), iconWidth);
    EXPECT_EQ(windows[1]->geometry().bottom(), space().bottom());
    EXPECT_EQ(windows[2]->x(), 0);
    EXPECT_EQ(windows[2]->geometry().bottom(), windows[0]->y() - 1);
}

} // namespace
