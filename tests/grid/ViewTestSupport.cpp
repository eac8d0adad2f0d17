#include "ViewTestSupport.h"

#include "grid/InplaceEdit.h"

#include <QApplication>
#include <QTest>

namespace {

QString cellLine(const char *event, int ACol, int ARow)
{
    return QStringLiteral("%1 %2 %3").arg(QLatin1StringView(event)).arg(ACol).arg(ARow);
}

QString columnLine(const char *event, int ACol)
{
    return QStringLiteral("%1 %2").arg(QLatin1StringView(event)).arg(ACol);
}

} // namespace

ViewEventLog::ViewEventLog(TCustomCellGrid &grid)
{
    grid.OnChange = [this](TCustomCellGrid *, int c, int r) { lines << cellLine("OnChange", c, r); };
    grid.OnBeforeEdit = [this](TCustomCellGrid *, int c, int r, bool &) { lines << cellLine("OnBeforeEdit", c, r); };
    grid.OnEditAccept = [this](TCustomCellGrid *, int c, int r, const QString &v, bool &) {
        lines << cellLine("OnEditAccept", c, r) + u' ' + v;
    };
    grid.OnAfterEdit = [this](TCustomCellGrid *, int c, int r, const QString &v) {
        lines << cellLine("OnAfterEdit", c, r) + u' ' + v;
    };
    grid.OnEndEditing = [this](TCustomCellGrid *, int c, int r, QString &, bool &) {
        lines << cellLine("OnEndEditing", c, r);
    };
    grid.OnCellClick = [this](TCustomCellGrid *, int c, int r) { lines << cellLine("OnCellClick", c, r); };
    grid.OnCellDblClick = [this](TCustomCellGrid *, int c, int r) { lines << cellLine("OnCellDblClick", c, r); };
    grid.OnHeaderClick = [this](TCustomCellGrid *, int c) { lines << columnLine("OnHeaderClick", c); };
    grid.OnHeaderDblClick = [this](TCustomCellGrid *, int c) { lines << columnLine("OnHeaderDblClick", c); };
    grid.OnColumnResize = [this](TCustomCellGrid *, int c) { lines << columnLine("OnColumnResize", c); };
    grid.OnColumnMove = [this](TCustomCellGrid *, int c, int from, int to) {
        lines << QStringLiteral("OnColumnMove %1 %2 %3").arg(c).arg(from).arg(to);
    };
    grid.OnSortColumn = [this](TCustomCellGrid *, int c, bool) { lines << columnLine("OnSortColumn", c); };
}

ShownGrid::ShownGrid(int rows, QWidget *parent)
    : grid(parent)
    , ColBit(grid.Columns.Add<TCheckBoxColumn>())
    , ColHex(grid.Columns.Add<TTextColumn>())
    , ColMask(grid.Columns.Add<TTextColumn>())
    , ColLabel(grid.Columns.Add<TTextColumn>())
    , log(grid)
{
    grid.SetOptions({goHeader, goGrid});
    ColBit->SetWidth(24);
    ColHex->SetWidth(63);
    for (TTextColumn *editable : {ColMask, ColLabel})
        editable->SetOptions(TColumnOptions(editable->Options()).Include(coEditing));
    grid.AddRow(rows);
    for (int row = 0; row < rows; ++row)
        grid.Cell(1, row).SetAsString(QStringLiteral("%1").arg(row, 8, 10, QLatin1Char('0')));
    grid.setFixedSize(400, 300);
    grid.window()->show();
    QApplication::setActiveWindow(grid.window());
    grid.setFocus();
    log.lines.clear();
}

QPoint ShownGrid::glyphCentre(int ACol, int ARow) const
{
    return grid.gridGeometry().checkBoxRect(ACol, ARow).center();
}

QPoint ShownGrid::besideGlyph(int ACol, int ARow) const
{
    const QRect glyph = grid.gridGeometry().checkBoxRect(ACol, ARow);
    const QRect cell = grid.gridGeometry().cellRect(ACol, ARow);
    return QPoint((glyph.right() + cell.right()) / 2 + 1, cell.center().y());
}

QPoint ShownGrid::cellCentre(int ACol, int ARow) const
{
    return grid.gridGeometry().cellRect(ACol, ARow).center();
}

QPoint ShownGrid::headerCentre(int ACol) const
{
    return grid.gridGeometry().headerRect(ACol).center();
}

QPoint ShownGrid::headerEdge(int ACol) const
{
    const QRect header = grid.gridGeometry().headerRect(ACol);
    return QPoint(header.left() + header.width(), header.center().y());
}

void ShownGrid::click(QPoint pos)
{
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, pos);
}

void ShownGrid::press(QPoint pos)
{
    QTest::mousePress(grid.viewport(), Qt::LeftButton, {}, pos);
}

void ShownGrid::release(QPoint pos)
{
    QTest::mouseRelease(grid.viewport(), Qt::LeftButton, {}, pos);
}

void ShownGrid::drag(QPoint from, QPoint to)
{
    press(from);
    QTest::mouseMove(grid.viewport(), (from + to) / 2);
    QTest::mouseMove(grid.viewport(), to);
    release(to);
}

void ShownGrid::doubleClick(QPoint pos)
{
    click(pos);
    QTest::mouseDClick(grid.viewport(), Qt::LeftButton, {}, pos);
    release(pos);
}

void ShownGrid::key(int key, const QString &text, Qt::KeyboardModifiers modifiers)
{
    QWidget *target = grid.inplaceEditor() ? static_cast<QWidget *>(grid.inplaceEditor()) : &grid;
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QApplication::sendEvent(target, &press);
}

QStringList ShownGrid::rowOrder() const
{
    QStringList order;
    for (int row = 0; row < grid.RowCount(); ++row)
        order << grid.Cells(1, row);
    return order;
}
