// Repainting a full screen of a large grid: only the rows in view may cost.
#include "grid/CellGrid.h"
#include "grid/CheckBoxColumn.h"
#include "grid/TextColumn.h"

#include <QImage>
#include <benchmark/benchmark.h>

namespace {

constexpr int RowCount = 100000;

// An 800 x 600 grid shaped like the bit table, 100,000 rows.
struct LargeGrid
{
    LargeGrid()
    {
        grid.Columns.Add<TCheckBoxColumn>()->SetWidth(24);
        grid.Columns.Add<TTextColumn>()->SetWidth(63);
        grid.Columns.Add<TTextColumn>()->SetWidth(200);
        grid.Columns.Add<TTextColumn>()->SetWidth(480);
        grid.SetOptions({goHeader, goFooter, goGrid});
        grid.SetAppearanceOptions({aoIndicateSortedColumn, aoBoldTextSelection});
        grid.BeginUpdate();
        grid.AddRow(RowCount);
        for (int row = 0; row < RowCount; ++row) {
            grid.Cell(0, row).SetAsBoolean(row % 3 == 0);
            grid.Cell(1, row).SetAsString(QString::number(row, 16).toUpper().rightJustified(8, u'0'));
            grid.Cell(2, row).SetAsString(QStringLiteral("Flag %1").arg(row));
            grid.Cell(3, row).SetAsString(QStringLiteral("Description of row %1 & more").arg(row));
        }
        grid.EndUpdate();
        grid.resize(800, 600);
    }

    TCellGrid grid;
};

void BM_RenderFullScreen(benchmark::State &state)
{
    LargeGrid large;
    QImage image(large.grid.size(), QImage::Format_RGB32);
    for (auto _ : state) {
        large.grid.render(&image);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_RenderFullScreen)->Unit(benchmark::kMillisecond);

void BM_RenderAfterScrollingToTheMiddle(benchmark::State &state)
{
    LargeGrid large;
    large.grid.SetSelectedCell(2, RowCount / 2);
    QImage image(large.grid.size(), QImage::Format_RGB32);
    for (auto _ : state) {
        large.grid.render(&image);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_RenderAfterScrollingToTheMiddle)->Unit(benchmark::kMillisecond);

} // namespace
