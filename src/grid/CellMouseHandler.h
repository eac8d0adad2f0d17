#pragma once

#include "grid/GridGeometry.h"

#include <QPoint>

class TCellGrid;

// The left button on data cells: selects, ticks check boxes (press and
// release on the same cell, release inside the glyph), opens the in-place
// editor on editable text cells, and tracks the glyph under the mouse.
class CellMouseHandler
{
public:
    explicit CellMouseHandler(TCellGrid &grid);

    void press(QPoint pos);
    void release(QPoint pos);
    void doubleClick(QPoint pos);
    void hover(QPoint pos);
    void leave();

    TCellAddress hotGlyph() const { return m_hotGlyph; }
    TCellAddress pressedGlyph() const { return m_pressedGlyph; }

private:
    // The check box cell whose glyph holds the point; invalid elsewhere.
    TCellAddress glyphAt(QPoint pos) const;
    void toggle(TCellAddress cell);
    bool opensEditorOnClick(TCellAddress cell) const;
    void setHotGlyph(TCellAddress cell);
    void setPressedGlyph(TCellAddress cell);
    // Moves a glyph mark to another cell, repainting both.
    void remark(TCellAddress &mark, TCellAddress cell);

    TCellGrid &m_grid;
    TCellAddress m_pressCell; // where the button went down; invalid when up
    bool m_pressCellWasSelected = false;
    TCellAddress m_hotGlyph;
    TCellAddress m_pressedGlyph; // armed toggle: OnBeforeEdit agreed on press
};
