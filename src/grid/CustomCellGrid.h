#pragma once

#include "grid/GridColumns.h"
#include "grid/GridRows.h"
#include "grid/GridTypes.h"

#include <QChar>
#include <QColor>
#include <QFont>
#include <QString>
#include <functional>
#include <vector>

class TColumnPart;
class TGridBinding;

// The grid without a window: columns, rows and cells, properties, the
// selected cell, every event, and the editing, sorting and key logic that
// needs no window. TCellGrid adds the window and overrides the view hooks
// (empty here) to repaint and relayout.
//
// Conventions: getter Name(), setter SetName(Value); ACol is a column's
// index in creation order, ARow a row index, both from 0; events are
// plain callbacks raised synchronously with Sender first.
class TCustomCellGrid
{
public:
    using TCellEvent = std::function<void(TCustomCellGrid *Sender, int ACol, int ARow)>;
    using TColumnEvent = std::function<void(TCustomCellGrid *Sender, int ACol)>;
    using TAcceptEvent = std::function<void(TCustomCellGrid *Sender, int ACol, int ARow, bool &Accept)>;
    using THandledEvent = std::function<void(TCustomCellGrid *Sender, int ACol, int ARow, bool &Handled)>;
    using TValueAcceptEvent =
        std::function<void(TCustomCellGrid *Sender, int ACol, int ARow, const QString &Value, bool &Accept)>;
    using TVarValueEvent = std::function<void(TCustomCellGrid *Sender, int ACol, int ARow, QString &Value)>;
    using TValueEvent = std::function<void(TCustomCellGrid *Sender, int ACol, int ARow, const QString &Value)>;
    using TEndEditingEvent =
        std::function<void(TCustomCellGrid *Sender, int ACol, int ARow, QString &Value, bool &Accept)>;
    using TColumnMoveEvent = std::function<void(TCustomCellGrid *Sender, int ACol, int FromPos, int ToPos)>;
    using TSortColumnEvent = std::function<void(TCustomCellGrid *Sender, int ACol, bool Ascending)>;
    using TDataChangeEvent = std::function<void(TCustomCellGrid *Sender, TDataChangeType AChangeType, int AIndex)>;
    using TNotifyEvent = std::function<void(TCustomCellGrid *Sender)>;

    TCustomCellGrid();
    virtual ~TCustomCellGrid();
    TCustomCellGrid(const TCustomCellGrid &) = delete;
    TCustomCellGrid &operator=(const TCustomCellGrid &) = delete;

    TGridColumns Columns;

    // --- Events ---------------------------------------------------------
    TCellEvent OnChange;
    TColumnEvent OnHeaderClick;
    TColumnEvent OnHeaderDblClick;
    TAcceptEvent OnBeforeEdit;
    // Raised first by ToggleByKey on any cell; a handler that sets Handled
    // has done the cell's job itself, and nothing is ticked.
    THandledEvent OnToggleRequest;
    TValueAcceptEvent OnEditAccept;
    TVarValueEvent OnEditText;
    TVarValueEvent OnApplyEditText;
    TValueEvent OnAfterEdit;
    TEndEditingEvent OnEndEditing;
    TNotifyEvent OnEditExit;
    TCellEvent OnCellClick;
    TCellEvent OnCellDblClick;
    TColumnMoveEvent OnColumnMove;
    TColumnEvent OnColumnResize;
    TSortColumnEvent OnSortColumn;
    TColumnEvent OnAfterSort;
    TCellEvent OnLoadProgress;
    TDataChangeEvent OnDataChange;

    // --- Rows and cells -------------------------------------------------
    int RowCount() const { return m_rows.Count(); }
    void SetRowCount(int Value);
    int StartRowCount() const { return m_startRowCount; }
    void SetStartRowCount(int Value);
    TCell &Cell(int ACol, int ARow); // raises ListIndexError outside the grid
    const TCell &Cell(int ACol, int ARow) const;
    QString Cells(int ACol, int ARow) const; // empty outside the grid
    void SetCells(int ACol, int ARow, const QString &Text); // dropped outside the grid
    bool CellExists(int ACol, int ARow) const;
    int AddRow(int Count = 1); // index of the last row
    void InsertRow(int Index);
    void DeleteRow(int Index);
    void ClearRows();
    TGridRows &Rows() { return m_rows; }
    const TGridRows &Rows() const { return m_rows; }

    // Above zero, cell writes neither repaint nor raise OnChange.
    void BeginUpdate() { ++m_updateCount; }
    void EndUpdate();

    // Brackets a bulk load: rows appended in between reach the view once,
    // at the end, rather than row by row. Events are raised as always.
    void BeginRowsLoad() { ++m_rowsLoadCount; }
    void EndRowsLoad();

    // --- Text files (separator ";" and line-break character "|" in the system)
    void SaveToTextFile(const QString &FileName, QChar Separator, QChar LineBreakChar) const;
    void LoadFromTextFile(const QString &FileName, QChar Separator, QChar LineBreakChar);

    // --- Properties -----------------------------------------------------
    TGridOptions Options() const { return m_options; }
    void SetOptions(TGridOptions Value);
    TAppearanceOptions AppearanceOptions() const { return m_appearanceOptions; }
    void SetAppearanceOptions(TAppearanceOptions Value);
    bool ReadOnly() const { return m_readOnly; }
    void SetReadOnly(bool Value) { m_readOnly = Value; }
    bool WantTabs() const { return m_wantTabs; }
    void SetWantTabs(bool Value) { m_wantTabs = Value; }
    bool WantReturns() const { return m_wantReturns; }
    void SetWantReturns(bool Value) { m_wantReturns = Value; }
    bool TabLeaveControl() const { return m_tabLeaveControl; }
    void SetTabLeaveControl(bool Value) { m_tabLeaveControl = Value; }
    int HeaderSize() const { return m_headerSize; } // pixels
    void SetHeaderSize(int Value);
    int FooterSize() const { return m_footerSize; } // pixels
    void SetFooterSize(int Value);
    int RowSize() const { return m_rowSize; } // pixels
    void SetRowSize(int Value);
    QColor Color() const { return m_color; }
    void SetColor(const QColor &Value);
    QColor GridLinesColor() const { return m_gridLinesColor; }
    void SetGridLinesColor(const QColor &Value);
    QColor SelectionColor() const { return m_selectionColor; }
    void SetSelectionColor(const QColor &Value);
    QColor InactiveSelectionColor() const { return m_inactiveSelectionColor; }
    void SetInactiveSelectionColor(const QColor &Value);
    QColor HighlightedTextColor() const { return m_highlightedTextColor; }
    void SetHighlightedTextColor(const QColor &Value);
    TSelectionMoveDirection SelectionMoveDirection() const { return m_selectionMoveDirection; }
    void SetSelectionMoveDirection(TSelectionMoveDirection Value) { m_selectionMoveDirection = Value; }
    TSortedStyle SortedStyle() const { return m_sortedStyle; }
    void SetSortedStyle(TSortedStyle Value);
    int FixedCols() const { return m_fixedCols; }
    void SetFixedCols(int Value);
    bool ShowHint() const { return m_showHint; }
    void SetShowHint(bool Value) { m_showHint = Value; }
    const QString &Hint() const { return m_hint; }
    void SetHint(const QString &Value) { m_hint = Value; }
    bool Enabled() const { return m_enabled; }
    void SetEnabled(bool Value);

    // --- Selection ------------------------------------------------------
    int SelectedColumn() const { return m_selectedColumn; }
    int SelectedRow() const { return m_selectedRow; }
    // Selects the cell (repainting the old and the new one); no events.
    void SetSelectedCell(int ACol, int ARow);
    // Where a key would move the selection; PageRows is one page of rows.
    TSelectionMove SelectionAfter(TGridMove Move, int PageRows) const;
    // Applies SelectionAfter; returns it so the view can leave the control.
    TSelectionMove MoveSelection(TGridMove Move, int PageRows);

    // --- Editing without a window ----------------------------------------
    // A text cell opens an editor: column with coEditing and Enabled, grid
    // not ReadOnly, cell existing.
    bool CanEditCell(int ACol, int ARow) const;
    // A check box cell can be ticked: check box column, grid not ReadOnly.
    bool CanToggleCell(int ACol, int ARow) const;
    // Raises OnBeforeEdit; the handler's Accept (starts true).
    bool AcceptBeforeEdit(int ACol, int ARow);
    // The editor's first text: Cells passed through OnApplyEditText.
    QString EditorText(int ACol, int ARow);
    // Stores an edited text: OnEditAccept, OnEditText, Cells := text
    // (OnChange), OnAfterEdit. False when the cell no longer exists: then
    // only OnEditAccept is raised and nothing is stored.
    bool ApplyEditText(int ACol, int ARow, const QString &Text);
    // Raises OnEndEditing; false keeps the editor open.
    bool AcceptEndEditing(int ACol, int ARow, QString &Value);
    // Toggles a check box cell: OnEditAccept, AsBoolean (OnChange),
    // OnAfterEdit, then the column's own OnChange, which is raised after a
    // refusal too. OnBeforeEdit is the caller's (on press and release).
    void ToggleCheckBox(int ACol, int ARow);
    // What Space and the toggle action of assistive technology do on a
    // cell: OnToggleRequest, then unless handled OnBeforeEdit and
    // ToggleCheckBox when accepted. False when nothing took the request
    // and the cell is no check box cell that can be ticked.
    bool ToggleByKey(int ACol, int ARow);

    // --- Sorting ----------------------------------------------------------
    // Re-sorts by the column when it has coCanSort: OnSortColumn, a stable
    // sort by its SortType and SortKind keeping the selected row selected,
    // OnAfterSort. Columns without coCanSort are never reordered.
    void SortByColumn(int ACol);
    // What a click on a sortable header does: mark it Sorted, or flip its
    // SortKind when it is already marked.
    void HeaderSortClick(int ACol);

    // --- Bound components ---------------------------------------------------
    // Each binding is told once when the grid is destroyed.
    void AddBinding(TGridBinding *Binding);
    void RemoveBinding(TGridBinding *Binding);

    // --- View hooks (the window overrides them) ---------------------------
    virtual void InvalidateCell(int ACol, int ARow);
    virtual void InvalidateColumn(int ACol); // header, cells and footer
    virtual void InvalidateHeader();
    // Widths, positions, visibility or sizes changed: recompute geometry,
    // move an open editor with its cell.
    virtual void LayoutChanged();
    virtual void ColumnShownChanged(); // a column was shown or hidden, after LayoutChanged
    // Rows were appended, inserted, deleted, cleared or reordered: the
    // scroll range, and an open editor stays with its cell or closes.
    virtual void RowsChanged(TRowsChange Change);
    virtual void ScrollToTop();
    virtual void SelectionChanged(); // after SetSelectedCell: scroll it into view
    virtual void CellWritten(int ACol, int ARow); // a cell's value or colour, after its repaint was asked for
    virtual void PartTextChanged(const TColumnPart &Part); // a header's or footer's shown text
    virtual void Refresh(); // repaint everything
    virtual void Update(); // repaint now what is pending
    // Stores the open in-place editor's text; nothing without an editor.
    virtual void ApplyEditing();
    virtual QFont GridFont() const; // the font columns with ParentFont use

    // Called by the row store after a cell write: repaint, then OnChange.
    void CellChanged(int ACol, int ARow);

private:
    void ColumnAdded(const TCustomGridColumn &AColumn);
    friend class TGridColumns;
    void KeepSelectionInside();

    TGridRows m_rows;
    std::vector<TGridBinding *> m_bindings;
    int m_startRowCount = 0;
    int m_updateCount = 0;
    int m_rowsLoadCount = 0;
    int m_firstRowLoaded = -1; // first row appended in the running load; -1: none yet
    TGridOptions m_options;
    TAppearanceOptions m_appearanceOptions;
    bool m_readOnly = false;
    bool m_wantTabs = false;
    bool m_wantReturns = false;
    bool m_tabLeaveControl = true;
    int m_headerSize = 18;
    int m_footerSize = 18;
    int m_rowSize = 16;
    QColor m_color;
    QColor m_gridLinesColor;
    QColor m_selectionColor;
    QColor m_inactiveSelectionColor;
    QColor m_highlightedTextColor;
    TSelectionMoveDirection m_selectionMoveDirection = mdDown;
    TSortedStyle m_sortedStyle = soDefault;
    int m_fixedCols = 0;
    bool m_showHint = false;
    QString m_hint;
    bool m_enabled = true;
    int m_selectedColumn = 0;
    int m_selectedRow = 0;
};
