#include "GridTestSupport.h"

#include <QStringEncoder>

namespace {

QString cellLine(const char *event, int ACol, int ARow)
{
    return QStringLiteral("%1 %2 %3").arg(QLatin1StringView(event)).arg(ACol).arg(ARow);
}

} // namespace

void EventLog::listenTo(TCustomCellGrid &grid)
{
    grid.OnChange = [this](TCustomCellGrid *, int c, int r) { add(cellLine("OnChange", c, r)); };
    grid.OnBeforeEdit = [this](TCustomCellGrid *, int c, int r, bool &) { add(cellLine("OnBeforeEdit", c, r)); };
    grid.OnEditAccept = [this](TCustomCellGrid *, int c, int r, const QString &v, bool &) {
        add(cellLine("OnEditAccept", c, r) + u' ' + v);
    };
    grid.OnEditText = [this](TCustomCellGrid *, int c, int r, QString &v) { add(cellLine("OnEditText", c, r) + u' ' + v); };
    grid.OnAfterEdit = [this](TCustomCellGrid *, int c, int r, const QString &v) {
        add(cellLine("OnAfterEdit", c, r) + u' ' + v);
    };
    grid.OnDataChange = [this](TCustomCellGrid *, TDataChangeType type, int index) {
        static const char *const names[] = {"dcAddRow", "dcInsertRow", "dcDeleteRow"};
        add(QStringLiteral("OnDataChange %1 %2").arg(QLatin1StringView(names[type])).arg(index));
    };
    grid.OnColumnResize = [this](TCustomCellGrid *, int c) { add(QStringLiteral("OnColumnResize %1").arg(c)); };
    grid.OnColumnMove = [this](TCustomCellGrid *, int c, int from, int to) {
        add(QStringLiteral("OnColumnMove %1 %2 %3").arg(c).arg(from).arg(to));
    };
    grid.OnSortColumn = [this](TCustomCellGrid *, int c, bool ascending) {
        add(QStringLiteral("OnSortColumn %1 %2").arg(c).arg(ascending ? u"asc" : u"desc"));
    };
    grid.OnAfterSort = [this](TCustomCellGrid *, int c) { add(QStringLiteral("OnAfterSort %1").arg(c)); };
    grid.OnLoadProgress = [this](TCustomCellGrid *, int c, int r) { add(cellLine("OnLoadProgress", c, r)); };
}

void RecordingGrid::InvalidateCell(int ACol, int ARow)
{
    log.add(cellLine("InvalidateCell", ACol, ARow));
}

void RecordingGrid::LayoutChanged()
{
    log.add(QStringLiteral("LayoutChanged"));
}

void RecordingGrid::RowsChanged(TRowsChange Change)
{
    static const char *const kinds[] = {"Appended", "Inserted", "Deleted", "Cleared", "Reordered"};
    QString line = QStringLiteral("RowsChanged %1").arg(QLatin1StringView(kinds[int(Change.Kind)]));
    if (Change.Index >= 0)
        line += QStringLiteral(" %1").arg(Change.Index);
    log.add(line);
}

void RecordingGrid::ScrollToTop()
{
    log.add(QStringLiteral("ScrollToTop"));
}

BitTableGrid::BitTableGrid(int rows)
    : ColBit(grid.Columns.Add<TCheckBoxColumn>())
    , ColHex(grid.Columns.Add<TTextColumn>())
    , ColMask(grid.Columns.Add<TTextColumn>())
    , ColLabel(grid.Columns.Add<TTextColumn>())
{
    grid.AddRow(rows);
    grid.log.listenTo(grid);
    grid.log.clear();
}

QStringList BitTableGrid::eventsOnly() const
{
    QStringList events;
    for (const QString &line : grid.log.lines())
        if (line.startsWith(u"On"))
            events << line;
    return events;
}

TextGrid::TextGrid(int columns)
{
    for (int col = 0; col < columns; ++col)
        grid.Columns.Add<TTextColumn>();
    grid.log.listenTo(grid);
}

QString rowText(const TCustomCellGrid &grid, int row)
{
    QStringList cells;
    for (int col = 0; col < grid.Columns.Count(); ++col)
        cells << grid.Cells(col, row);
    return cells.join(u'|');
}

std::ostream &operator<<(std::ostream &out, const NamedCase &row)
{
    return out << row.name;
}
