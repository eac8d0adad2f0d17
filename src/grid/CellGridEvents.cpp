// Window events of TCellGrid: painting, mouse, keys, focus, hints and
// scrolling. Every handler that reaches user event handlers runs through
// runCommand, so no exception crosses Qt's event loop.
#include "grid/CellGrid.h"

#include "grid/CellMouseHandler.h"
#include "grid/GridAccessibleEvents.h"
#include "grid/GridEditorController.h"
#include "grid/GridHints.h"
#include "grid/GridKeyHandler.h"
#include "grid/GridPainter.h"
#include "grid/HeaderMouseHandler.h"
#include "platform/CommandGuard.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

namespace {

// QToolTip shows its window this far right of and below the point it is
// given (room for a 16-pixel mouse cursor); hints placed at a spot of the
// grid take it back.
constexpr QPoint ToolTipCursorOffset(2, 16);

bool isTabKey(const QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<const QKeyEvent *>(event)->key();
    return key == Qt::Key_Tab || key == Qt::Key_Backtab;
}

// A plain text wider than maxWidth, as rich text that wraps at it.
QString hintText(const TGridHint &hint)
{
    if (hint.MaxWidth <= 0 || QFontMetrics(QToolTip::font()).horizontalAdvance(hint.Text) <= hint.MaxWidth)
        return hint.Text;
    return QStringLiteral("<table width=\"%1\"><tr><td>%2</td></tr></table>")
        .arg(hint.MaxWidth)
        .arg(hint.Text.toHtmlEscaped());
}

} // namespace

bool TCellGrid::event(QEvent *event)
{
    // With WantTabs, Tab moves between cells instead of between controls.
    if (isTabKey(event) && WantTabs() && !Options().Contains(goDisableKeys)) {
        keyPressEvent(static_cast<QKeyEvent *>(event));
        return true;
    }
    return QAbstractScrollArea::event(event);
}

bool TCellGrid::viewportEvent(QEvent *event)
{
    if (event->type() == QEvent::ToolTip) {
        showHint(*static_cast<QHelpEvent *>(event));
        return true;
    }
    if (event->type() == QEvent::Leave) {
        m_cellMouse->leave();
        viewport()->unsetCursor();
    }
    return QAbstractScrollArea::viewportEvent(event);
}

void TCellGrid::paintEvent(QPaintEvent *event)
{
    QPainter painter(viewport());
    const GridGeometry geometry = gridGeometry();
    const TGridViewState view = viewState();
    GridPainter(*this, geometry, view, this).paint(&painter, event->rect());
}

void TCellGrid::mousePressEvent(QMouseEvent *event)
{
    const QPoint pos = event->position().toPoint();
    runCommand(this, [&] {
        if (!m_editor->applyAndClose() || event->button() != Qt::LeftButton)
            return;
        if (!m_headerMouse->press(pos))
            m_cellMouse->press(pos);
    });
}

void TCellGrid::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint pos = event->position().toPoint();
    runCommand(this, [&] {
        if (m_headerMouse->move(pos))
            m_cellMouse->leave();
        else
            m_cellMouse->hover(pos);
    });
}

void TCellGrid::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint pos = event->position().toPoint();
    runCommand(this, [&] {
        if (!m_headerMouse->release(pos))
            m_cellMouse->release(pos);
    });
}

void TCellGrid::mouseDoubleClickEvent(QMouseEvent *event)
{
    const QPoint pos = event->position().toPoint();
    runCommand(this, [&] {
        if (!m_editor->applyAndClose() || event->button() != Qt::LeftButton)
            return;
        if (!m_headerMouse->doubleClick(pos))
            m_cellMouse->doubleClick(pos);
    });
}

void TCellGrid::keyPressEvent(QKeyEvent *event)
{
    bool handled = false;
    runCommand(this, [&] { handled = m_keys->handle(*event); });
    event->setAccepted(handled);
}

void TCellGrid::focusInEvent(QFocusEvent *event)
{
    QAbstractScrollArea::focusInEvent(event);
    viewport()->update();
    GridAccessibleEvents::focusEntered(*this);
}

void TCellGrid::focusOutEvent(QFocusEvent *event)
{
    QAbstractScrollArea::focusOutEvent(event);
    viewport()->update();
}

void TCellGrid::resizeEvent(QResizeEvent *event)
{
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
    m_editor->reposition();
}

void TCellGrid::changeEvent(QEvent *event)
{
    QAbstractScrollArea::changeEvent(event);
    // Columns with ParentFont follow the grid's font.
    if (event->type() == QEvent::FontChange)
        LayoutChanged();
}

void TCellGrid::scrollContentsBy(int, int)
{
    m_editor->reposition();
    viewport()->update();
}

void TCellGrid::showHint(const QHelpEvent &event)
{
    const std::optional<TGridHint> hint = GridHints::hintAt(*this, gridGeometry(), event.pos(), viewState());
    if (!hint) {
        QToolTip::hideText();
        return;
    }
    const QPoint at = hint->AtMouse ? event.globalPos() : viewport()->mapToGlobal(hint->TopLeft) - ToolTipCursorOffset;
    QToolTip::showText(at, hintText(*hint), viewport(), hint->Area);
}
