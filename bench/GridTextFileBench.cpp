#include "grid/CellGrid.h"
#include "grid/CheckBoxColumn.h"
#include "grid/TextColumn.h"

#include <QApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

constexpr int tableRows = 100000;

// A grid shaped like the bit table: a check box column and three texts.
void addBitTableColumns(TCustomCellGrid &grid)
{
    grid.Columns.Add<TCheckBoxColumn>();
    grid.Columns.Add<TTextColumn>();
    grid.Columns.Add<TTextColumn>();
    grid.Columns.Add<TTextColumn>();
}

void fillTable(TCustomCellGrid &grid)
{
    grid.SetRowCount(tableRows);
    for (int row = 0; row < tableRows; ++row) {
        grid.Cell(0, row).SetAsBoolean(row % 3 == 0);
        grid.SetCells(1, row, QStringLiteral("%1").arg(1u << (row % 32), 8, 16, QChar(u'0')).toUpper());
        grid.SetCells(2, row, QStringLiteral("Bit%1Name").arg(row));
        grid.SetCells(3, row, row % 5 == 0 ? QStringLiteral("Write access; see \"Mode\"")
                                           : QStringLiteral("Description of row %1").arg(row));
    }
}

// The grid under test: windowless, or a shown TCellGrid as the program
// has it, which also keeps its view (scroll range, repaints) in step.
std::unique_ptr<TCustomCellGrid> bitTableGrid(bool shown)
{
    std::unique_ptr<TCustomCellGrid> grid;
    if (shown) {
        auto view = std::make_unique<TCellGrid>();
        view->resize(800, 600);
        view->show();
        grid = std::move(view);
    } else {
        grid = std::make_unique<TCustomCellGrid>();
    }
    addBitTableColumns(*grid);
    return grid;
}

// Rows per second of wall time: saving includes the disk.
void reportRows(benchmark::State &state)
{
    state.counters["rows/s"] = benchmark::Counter(double(tableRows), benchmark::Counter::kIsIterationInvariantRate);
}

void BM_SaveToTextFile(benchmark::State &state, bool shown)
{
    QTemporaryDir folder;
    const std::unique_ptr<TCustomCellGrid> grid = bitTableGrid(shown);
    fillTable(*grid);
    const QString path = folder.filePath(QStringLiteral("table.bfx"));
    for (auto _ : state)
        grid->SaveToTextFile(path, u';', u'|');
    reportRows(state);
}
BENCHMARK_CAPTURE(BM_SaveToTextFile, windowless, false)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(BM_SaveToTextFile, shown, true)->Unit(benchmark::kMillisecond)->UseRealTime();

// A shown grid also runs the events its view posted while loading.
void BM_LoadFromTextFile(benchmark::State &state, bool shown)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("table.bfx"));
    {
        TCustomCellGrid source;
        addBitTableColumns(source);
        fillTable(source);
        source.SaveToTextFile(path, u';', u'|');
    }
    const std::unique_ptr<TCustomCellGrid> grid = bitTableGrid(shown);
    long long changes = 0;
    grid->OnChange = [&changes](TCustomCellGrid *, int, int) { ++changes; };
    for (auto _ : state) {
        grid->LoadFromTextFile(path, u';', u'|');
        QApplication::processEvents();
    }
    benchmark::DoNotOptimize(changes);
    reportRows(state);
}
BENCHMARK_CAPTURE(BM_LoadFromTextFile, windowless, false)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(BM_LoadFromTextFile, shown, true)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
