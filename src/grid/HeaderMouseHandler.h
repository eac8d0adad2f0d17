#pragma once

#include <QPoint>

class TCellGrid;

// The left button on the header row: pressing and clicking a header cell
// (OnHeaderClick, sorting a coCanSort column), double clicks, resizing by
// the edge zone and moving a column by dragging its header cell. Each
// handler returns whether the header took the event.
class HeaderMouseHandler
{
public:
    explicit HeaderMouseHandler(TCellGrid &grid);

    bool press(QPoint pos);
    bool move(QPoint pos);
    bool release(QPoint pos);
    bool doubleClick(QPoint pos);

    int pressedColumn() const; // ACol drawn pressed, or -1
    int trackingLineX() const { return m_trackingX; } // -1 while nothing is dragged

private:
    enum class Mode { None, Pressed, Resizing, Dragging };

    bool inHeaderRow(QPoint pos) const;
    bool canMove(int ACol) const;
    int resizedWidth(QPoint pos, int ACol) const;
    int dropMarkX(int position) const;
    void updateCursor(QPoint pos);
    void trackTo(QPoint pos);
    void finishPress(int ACol, QPoint pos);
    void reset();

    TCellGrid &m_grid;
    Mode m_mode = Mode::None;
    int m_column = -1; // ACol being pressed, resized or dragged
    QPoint m_start;
    int m_startWidth = 0;
    int m_trackingX = -1;
};
