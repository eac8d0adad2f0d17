#pragma once

#include "grid/CellGrid.h"
#include "grid/CheckBoxColumn.h"
#include "grid/TextColumn.h"
#include "platform/ScriptedDesktop.h"

#include <QPoint>
#include <QStringList>

// Appends one line per event a shown grid raises, e.g. "OnChange 0 3".
class ViewEventLog
{
public:
    explicit ViewEventLog(TCustomCellGrid &grid);
    QStringList lines;
};

// A shown grid shaped like the bit table: ColBit (check box, 24 pixels),
// ColHex (text, read only), ColMask and ColLabel (text, coEditing), with
// a header row, grid lines and a fixed size, holding the keyboard focus.
// Rows hold their index as eight digits in ColHex.
struct ShownGrid
{
    // With a parent, the parent window is shown around the grid.
    explicit ShownGrid(int rows = 8, QWidget *parent = nullptr);

    // Viewport points of the parts of a cell or header.
    QPoint glyphCentre(int ACol, int ARow) const;
    QPoint besideGlyph(int ACol, int ARow) const;
    QPoint cellCentre(int ACol, int ARow) const;
    QPoint headerCentre(int ACol) const;
    QPoint headerEdge(int ACol) const; // right edge of the header cell

    void click(QPoint pos);
    void press(QPoint pos);
    void release(QPoint pos);
    void drag(QPoint from, QPoint to); // press, move, release
    void doubleClick(QPoint pos); // click, then the double click and its release
    void key(int key, const QString &text = {}, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    QStringList rowOrder() const; // the ColHex texts, top to bottom

    ScriptedDesktop desktop; // error reports land here, never on screen
    TCellGrid grid;
    TCheckBoxColumn *ColBit;
    TTextColumn *ColHex;
    TTextColumn *ColMask;
    TTextColumn *ColLabel;
    ViewEventLog log;
};
