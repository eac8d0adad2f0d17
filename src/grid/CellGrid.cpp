#include "grid/CellGrid.h"

#include "grid/CellGridAccessible.h"
#include "grid/CellMouseHandler.h"
#include "grid/GridAccessibleEvents.h"
#include "grid/GridEditorController.h"
#include "grid/GridKeyHandler.h"
#include "grid/HeaderMouseHandler.h"
#include "grid/InplaceEdit.h"
#include "platform/CommandGuard.h"

#include <QApplication>
#include <QScopedValueRollback>
#include <QScrollBar>

namespace {

constexpr int HorizontalScrollStep = 20; // pixels per scroll bar arrow click

} // namespace

TCellGrid::TCellGrid(QWidget *parent)
    : QAbstractScrollArea(parent)
    , m_editor(std::make_unique<GridEditorController>(*this))
    , m_cellMouse(std::make_unique<CellMouseHandler>(*this))
    , m_headerMouse(std::make_unique<HeaderMouseHandler>(*this))
    , m_keys(std::make_unique<GridKeyHandler>(*this))
{
    TCellGridAccessible::installFactory();
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setMouseTracking(true);
    connectEditor();
    watchFocus();
    updateScrollBars();
}

TCellGrid::~TCellGrid()
{
    // The model part dies before the widget part: nothing may call into
    // it from here on.
    disconnect(m_focusWatch);
    m_editor.reset();
}

void TCellGrid::connectEditor()
{
    TInplaceEdit *editor = m_editor->editor();
    connect(editor, &TInplaceEdit::applyRequested, this,
            [this] { runCommand(this, [this] { m_editor->applyAndClose(); }); });
    connect(editor, &TInplaceEdit::cancelRequested, this, [this] { runCommand(this, [this] { m_editor->cancel(); }); });
    connect(editor, &TInplaceEdit::tabRequested, this, [this](bool backwards, bool leaveGrid) {
        runCommand(this, [this, backwards, leaveGrid] { closeEditorThenTab(backwards, leaveGrid); });
    });
}

void TCellGrid::closeEditorThenTab(bool backwards, bool leaveGrid)
{
    if (!m_editor->applyAndClose())
        return;
    if (leaveGrid || Options().Contains(goDisableKeys) || !m_keys->tab(backwards))
        leaveControl(!backwards);
}

// Losing the focus to anything outside the grid stores and closes an open
// editor; focus passing between the grid and its editor is no loss, nor
// is a pop-up menu or another application taking over for a while.
void TCellGrid::watchFocus()
{
    m_focusWatch = connect(qApp, &QApplication::focusChanged, this, [this](QWidget *old, QWidget *now) {
        const bool nowInside = now && (now == this || isAncestorOf(now));
        if (nowInside || (old && (old == this || isAncestorOf(old))))
            viewport()->update(); // the selection's colours follow the focus
        if (!m_editor->isOpen() || !now || nowInside || now->window()->windowType() == Qt::Popup)
            return;
        runCommand(this, [this] { m_editor->applyAndClose(); });
    });
}

// --- View hooks -------------------------------------------------------------

void TCellGrid::InvalidateCell(int ACol, int ARow)
{
    viewport()->update(gridGeometry().cellRect(ACol, ARow));
}

void TCellGrid::InvalidateColumn(int ACol)
{
    // Header, cells and footer: the column's whole stripe.
    const QRect cell = gridGeometry().cellRect(ACol, 0);
    if (cell.isNull())
        viewport()->update();
    else
        viewport()->update(QRect(cell.left(), 0, cell.width(), viewport()->height()));
}

void TCellGrid::InvalidateHeader()
{
    viewport()->update(QRect(0, 0, viewport()->width(), gridGeometry().headerHeight()));
}

void TCellGrid::LayoutChanged()
{
    updateScrollBars();
    m_editor->reposition();
    viewport()->update();
}

void TCellGrid::RowsChanged(TRowsChange Change)
{
    GridAccessibleEvents::tableChanged(*this);
    m_editor->followRows(Change);
    LayoutChanged();
}

void TCellGrid::ScrollToTop()
{
    verticalScrollBar()->setValue(0);
}

void TCellGrid::SelectionChanged()
{
    GridAccessibleEvents::selectionMoved(*this);
    if (!m_scrollToSelection)
        return;
    const GridGeometry geometry = gridGeometry();
    verticalScrollBar()->setValue(geometry.topRowShowing(SelectedRow()));
    horizontalScrollBar()->setValue(geometry.xOffsetShowing(SelectedColumn()));
}

void TCellGrid::CellWritten(int ACol, int ARow)
{
    GridAccessibleEvents::cellWritten(*this, ACol, ARow);
}

void TCellGrid::ColumnShownChanged()
{
    GridAccessibleEvents::tableChanged(*this);
}

void TCellGrid::PartTextChanged(const TColumnPart &Part)
{
    GridAccessibleEvents::partTextChanged(*this, Part);
}

void TCellGrid::Refresh()
{
    syncEnabled();
    viewport()->update();
}

void TCellGrid::Update()
{
    if (isVisible())
        viewport()->repaint();
}

void TCellGrid::ApplyEditing()
{
    m_editor->apply();
}

QFont TCellGrid::GridFont() const
{
    return font();
}

// --- The view ---------------------------------------------------------------

GridGeometry TCellGrid::gridGeometry() const
{
    return GridGeometry(*this, viewport()->size(), verticalScrollBar()->value(), horizontalScrollBar()->value());
}

TGridViewState TCellGrid::viewState() const
{
    TGridViewState view;
    view.HasFocus = hasGridFocus();
    view.EditorCell = m_editor->cell();
    view.HotGlyph = m_cellMouse->hotGlyph();
    view.PressedGlyph = m_cellMouse->pressedGlyph();
    view.PressedHeader = m_headerMouse->pressedColumn();
    view.TrackingLineX = m_headerMouse->trackingLineX();
    return view;
}

TInplaceEdit *TCellGrid::inplaceEditor() const
{
    return m_editor->isOpen() ? m_editor->editor() : nullptr;
}

bool TCellGrid::hasGridFocus() const
{
    return hasFocus() || (m_editor->isOpen() && m_editor->editor()->hasFocus());
}

void TCellGrid::leaveControl(bool forward)
{
    focusNextPrevChild(forward);
}

void TCellGrid::selectClickedCell(TCellAddress cell)
{
    const QScopedValueRollback keepScrollPosition(m_scrollToSelection, false);
    SetSelectedCell(cell.ACol, cell.ARow);
}

void TCellGrid::updateScrollBars()
{
    const GridGeometry geometry = gridGeometry();
    verticalScrollBar()->setRange(0, geometry.maxTopRow());
    verticalScrollBar()->setPageStep(geometry.pageRows());
    verticalScrollBar()->setSingleStep(1);
    horizontalScrollBar()->setRange(0, geometry.maxXOffset());
    horizontalScrollBar()->setPageStep(viewport()->width());
    horizontalScrollBar()->setSingleStep(HorizontalScrollStep);
}

// The model's Enabled drives the widget; the widget's own setEnabled
// stays free for the windows around it.
void TCellGrid::syncEnabled()
{
    if (Enabled() == m_syncedEnabled)
        return;
    m_syncedEnabled = Enabled();
    setEnabled(m_syncedEnabled);
}
