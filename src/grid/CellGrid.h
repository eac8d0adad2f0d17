#pragma once

#include "grid/CellPaintState.h"
#include "grid/CustomCellGrid.h"
#include "grid/GridGeometry.h"

#include <QAbstractScrollArea>
#include <memory>

class CellMouseHandler;
class GridEditorController;
class GridKeyHandler;
class HeaderMouseHandler;
class QHelpEvent;
class TInplaceEdit;

// The grid control: the windowless grid shown in a scroll area. It draws
// the model (only the rows and columns in view), keeps the view in step
// through the model's view hooks and turns mouse and keys into the model's
// operations. Rows scroll by whole rows, columns by pixels.
class TCellGrid : public QAbstractScrollArea, public TCustomCellGrid
{
    Q_OBJECT

public:
    explicit TCellGrid(QWidget *parent = nullptr);
    ~TCellGrid() override;

    // --- View hooks of the model ---
    void InvalidateCell(int ACol, int ARow) override;
    void InvalidateColumn(int ACol) override;
    void InvalidateHeader() override;
    void LayoutChanged() override;
    void RowsChanged(TRowsChange Change) override;
    void ScrollToTop() override;
    void SelectionChanged() override;
    void CellWritten(int ACol, int ARow) override;
    void PartTextChanged(const TColumnPart &Part) override;
    void ColumnShownChanged() override;
    void Refresh() override;
    void Update() override;
    void ApplyEditing() override;
    QFont GridFont() const override;

    // --- The view, for its painters and input handlers ---
    GridGeometry gridGeometry() const; // at the current scroll position
    TGridViewState viewState() const;
    GridEditorController &editorController() const { return *m_editor; }
    TInplaceEdit *inplaceEditor() const; // the open editor, or nullptr
    // The grid or its open editor holds the keyboard focus.
    bool hasGridFocus() const;
    // Passes the focus on to the next (or previous) control.
    void leaveControl(bool forward);
    // Selects a clicked cell without scrolling, so a partly visible cell
    // stays under the mouse until the button is released.
    void selectClickedCell(TCellAddress cell);

protected:
    bool event(QEvent *event) override;
    bool viewportEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    void connectEditor();
    void watchFocus();
    void updateScrollBars();
    void showHint(const QHelpEvent &event);
    void closeEditorThenTab(bool backwards, bool leaveGrid);
    void syncEnabled();

    std::unique_ptr<GridEditorController> m_editor;
    std::unique_ptr<CellMouseHandler> m_cellMouse;
    std::unique_ptr<HeaderMouseHandler> m_headerMouse;
    std::unique_ptr<GridKeyHandler> m_keys;
    QMetaObject::Connection m_focusWatch;
    bool m_syncedEnabled = true; // the model's Enabled last given to the widget
    bool m_scrollToSelection = true;
};
