#pragma once

#include "grid/GridGeometry.h"

#include <QString>

class TCellGrid;
class TInplaceEdit;

// The in-place editing cycle of the grid: open over a cell (filled from
// the cell, or empty with a typed character), store the text (ApplyEditing),
// close when OnEndEditing agrees, and keep the editor over its cell when
// the layout, the scroll position or the rows change.
class GridEditorController
{
public:
    explicit GridEditorController(TCellGrid &grid);
    ~GridEditorController();
    GridEditorController(const GridEditorController &) = delete;
    GridEditorController &operator=(const GridEditorController &) = delete;

    bool isOpen() const { return m_cell.IsValid(); }
    TCellAddress cell() const { return m_cell; } // invalid while closed
    TInplaceEdit *editor() const { return m_editor; }

    // Both return whether the editor is open on the cell afterwards.
    bool openWithCellText(TCellAddress cell);
    bool openWithTypedText(TCellAddress cell, const QString &typed);

    // Stores the editor's text into its cell; nothing while closed or when
    // the cell is gone.
    void apply();
    // Raises OnEndEditing; false when the handler keeps the editor open.
    bool close();
    // What a press elsewhere, Enter, Tab and leaving the grid do.
    bool applyAndClose();
    // Esc: closes without storing (with goEscClearEdit only clears).
    void cancel();
    // Keeps the editor over its cell; stores its text and closes it when
    // the cell's column is hidden.
    void reposition();
    // Keeps the editor with its cell when rows are inserted or deleted
    // above it; closes it without storing when its cell is gone (its row
    // deleted, all rows cleared) or may have moved (rows sorted).
    void followRows(TRowsChange change);

private:
    bool open(TCellAddress cell, const QString *typed);
    void dressFor(TCellAddress cell);
    bool keepCellThrough(TRowsChange change);
    void dismiss();

    TCellGrid &m_grid;
    TInplaceEdit *m_editor; // child of the viewport, hidden while closed
    TCellAddress m_cell;
    bool m_busy = false; // inside a handler that may move the focus
};
