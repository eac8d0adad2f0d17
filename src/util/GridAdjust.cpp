#include "util/GridAdjust.h"

#include "grid/CustomCellGrid.h"
#include "platform/Errors.h"
#include "util/ProfileFile.h"

#include <QFileInfo>
#include <vector>

namespace {

struct LayoutSections
{
    explicit LayoutSections(const QString &suffix)
        : common(u"Common" + suffix)
        , sortKind(u"Columns Sort Kind" + suffix)
        , visible(u"Visible Columns" + suffix)
        , sorted(u"Sorted" + suffix)
        , positions(u"Positions" + suffix)
        , sizes(u"Columns Sizes" + suffix)
        , header(u"Columns Header" + suffix)
        , headerHint(u"Columns HeaderHint" + suffix)
    {
    }

    QString common, sortKind, visible, sorted, positions, sizes, header, headerHint;
};

const QString ascending = QStringLiteral("Ascending");
const QString descending = QStringLiteral("Descending");

QString columnKey(int index)
{
    return u"Column" + QString::number(index);
}

void writeColumn(const TCustomGridColumn &column, TProfileFile &iniFile, const LayoutSections &sections)
{
    const QString key = columnKey(column.Index());
    iniFile.WriteString(sections.sortKind, key, column.SortKind() == skAscending ? ascending : descending);
    iniFile.WriteBool(sections.visible, key, column.Visible());
    iniFile.WriteBool(sections.sorted, key, column.Sorted());
    iniFile.WriteInteger(sections.positions, key, column.Position());
    iniFile.WriteInteger(sections.sizes, key, column.Width());
    iniFile.WriteString(sections.header, key, column.Header().Caption());
    iniFile.WriteString(sections.headerHint, key, column.Header().Hint());
}

// The display slot the file gives each column; a column without a key
// keeps the slot of its index.
std::vector<int> readPositions(const TProfileSnapshot &iniFile, const LayoutSections &sections, int count)
{
    std::vector<int> positions;
    for (int n = 0; n < count; ++n)
        positions.push_back(iniFile.ReadInteger(sections.positions, columnKey(n), n));
    return positions;
}

// Whether no two columns claim the same display slot inside the grid.
bool claimDistinctSlots(const std::vector<int> &positions)
{
    std::vector<bool> claimed(positions.size(), false);
    for (int slot : positions) {
        if (slot < 0 || slot >= int(positions.size()))
            continue;
        if (claimed[size_t(slot)])
            return false;
        claimed[size_t(slot)] = true;
    }
    return true;
}

// Stores the column into the slot and the slot's former column into the
// column's old slot, so the display order stays a permutation after every
// column and the columns placed before keep their slots.
void placeColumn(TGridColumns &columns, TCustomGridColumn &column, int slot)
{
    TCustomGridColumn *occupant = columns.PositionItem(slot);
    columns.SetPositionItem(column.Position(), occupant);
    columns.SetPositionItem(slot, &column);
}

void readMarks(TCustomGridColumn &column, const TProfileSnapshot &iniFile, const LayoutSections &sections)
{
    const QString key = columnKey(column.Index());
    const bool isAscending = iniFile.ReadString(sections.sortKind, key, ascending) == ascending;
    column.SetSortKind(isAscending ? skAscending : skDescending);
    column.SetVisible(iniFile.ReadBool(sections.visible, key, true));
    column.SetSorted(iniFile.ReadBool(sections.sorted, key, false));
}

void readSizeAndHeader(TCustomGridColumn &column, const TProfileSnapshot &iniFile, const LayoutSections &sections)
{
    const QString key = columnKey(column.Index());
    column.SetWidth(iniFile.ReadInteger(sections.sizes, key, column.Width()));
    column.Header().SetCaption(iniFile.ReadString(sections.header, key, column.Header().Caption()));
    column.Header().SetHint(iniFile.ReadString(sections.headerHint, key, column.Header().Hint()));
}

} // namespace

void WriteGridLayout(const TCustomCellGrid &grid, TProfileFile *iniFile, const QString &suffix)
{
    if (iniFile == nullptr)
        return;
    const LayoutSections sections(suffix);
    iniFile->WriteInteger(sections.common, QStringLiteral("ColumnsCount"), grid.Columns.Count());
    for (int n = 0; n < grid.Columns.Count(); ++n)
        writeColumn(*grid.Columns[n], *iniFile, sections);
    iniFile->UpdateFile();
}

void ReadGridLayout(TCustomCellGrid &grid, const TProfileFile &file, const QString &suffix)
{
    // Read once: a settings file of some megabytes would otherwise be read
    // and parsed again for every key of every column.
    ReadGridLayout(grid, TProfileSnapshot(file), suffix);
}

void ReadGridLayout(TCustomCellGrid &grid, const TProfileSnapshot &iniFile, const QString &suffix)
{
    const LayoutSections sections(suffix);
    const int count = grid.Columns.Count();
    const std::vector<int> positions = readPositions(iniFile, sections, count);
    const bool applyPositions = claimDistinctSlots(positions);
    for (int n = 0; n < count; ++n) {
        TCustomGridColumn &column = *grid.Columns[n];
        readMarks(column, iniFile, sections);
        const int slot = positions[size_t(n)];
        if (slot < 0 || slot >= count)
            throw ListIndexError(slot);
        if (applyPositions)
            placeColumn(grid.Columns, column, slot);
        readSizeAndHeader(column, iniFile, sections);
        grid.Columns.UpdatePositions(true);
    }
    grid.LayoutChanged();
    grid.Refresh();
}

int SaveGridLayout(const TCustomCellGrid &grid, const QString &fileName)
{
    if (fileName.isEmpty())
        return 0;
    try {
        TProfileFile iniFile(fileName);
        WriteGridLayout(grid, &iniFile, QStringLiteral("Default"));
        return 1;
    } catch (const TarvexError &) {
        return -1;
    }
}

void LoadGridLayout(TCustomCellGrid &grid, const QString &fileName)
{
    const QString path = QFileInfo(fileName).absoluteFilePath();
    if (QFileInfo(path).isFile()) {
        try {
            ReadGridLayout(grid, TProfileFile(path), QString());
        } catch (const TarvexError &) {
            // A damaged layout leaves the columns read before as they are.
        }
    }
    grid.SetShowHint(true);
}
