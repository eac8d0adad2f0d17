#include "grid/CheckBoxColumn.h"
#include "grid/CustomCellGrid.h"
#include "grid/TextColumn.h"

#include <QGuiApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

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

void reportRows(benchmark::State &state)
{
    state.counters["rows/s"] = benchmark::Counter(double(tableRows), benchmark::Counter::kIsIterationInvariantRate);
}

void BM_SaveToTextFile(benchmark::State &state)
{
    QTemporaryDir folder;
    TCustomCellGrid grid;
    addBitTableColumns(grid);
    fillTable(grid);
    const QString path = folder.filePath(QStringLiteral("table.bfx"));
    for (auto _ : state)
        grid.SaveToTextFile(path, u';', u'|');
    reportRows(state);
}
BENCHMARK(BM_SaveToTextFile)->Unit(benchmark::kMillisecond);

void BM_LoadFromTextFile(benchmark::State &state)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("table.bfx"));
    {
        TCustomCellGrid source;
        addBitTableColumns(source);
        fillTable(source);
        source.SaveToTextFile(path, u';', u'|');
    }
    TCustomCellGrid grid;
    addBitTableColumns(grid);
    long long changes = 0;
    grid.OnChange = [&changes](TCustomCellGrid *, int, int) { ++changes; };
    for (auto _ : state)
        grid.LoadFromTextFile(path, u';', u'|');
    benchmark::DoNotOptimize(changes);
    reportRows(state);
}
BENCHMARK(BM_LoadFromTextFile)->Unit(benchmark::kMillisecond);

} // namespace

// Cells take their font from the application, as they do in the program.
int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
