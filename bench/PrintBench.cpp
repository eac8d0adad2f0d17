// Printing to PDF: a 300-row bit table, a 10,000-line INI text and a line
// of 100,000 characters must be handed to the printer within a moment.
#include "documents/PlainTextPrinter.h"
#include "grid/CheckBoxColumn.h"
#include "grid/CustomCellGrid.h"
#include "grid/GridPrint.h"
#include "grid/TextColumn.h"

#include <QFont>
#include <QPrinter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

struct PdfPrinter
{
    PdfPrinter()
    {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(folder.filePath(QStringLiteral("bench.pdf")));
        printer.setResolution(600);
    }

    QTemporaryDir folder;
    QPrinter printer{QPrinter::HighResolution};
};

void BM_PrintBitTableOf300Rows(benchmark::State &state)
{
    TCustomCellGrid grid;
    grid.Columns.Add<TCheckBoxColumn>()->SetWidth(24);
    grid.Columns.Add<TTextColumn>()->SetWidth(63);
    grid.Columns.Add<TTextColumn>()->SetWidth(80);
    grid.Columns.Add<TTextColumn>()->SetWidth(366);
    grid.AddRow(300);
    for (int row = 0; row < 300; ++row) {
        grid.Cell(0, row).SetAsBoolean(row % 3 == 0);
        grid.Cell(1, row).SetAsString(QString::number(row, 16).toUpper().rightJustified(8, u'0'));
        grid.Cell(2, row).SetAsString(QStringLiteral("Bit%1").arg(row));
        grid.Cell(3, row).SetAsString(QStringLiteral("Description of bit %1").arg(row));
    }
    TGridPrint print;
    print.SetAssociate(&grid);
    print.SetHeaderSize(129);
    PdfPrinter pdf;
    for (auto _ : state)
        benchmark::DoNotOptimize(print.Print(pdf.printer));
}
BENCHMARK(BM_PrintBitTableOf300Rows)->Unit(benchmark::kMillisecond);

// Prints the lines to PDF in the text area's font, once per iteration.
void printLines(benchmark::State &state, const QStringList &lines)
{
    QFont font(QStringLiteral("Courier New"), 9);
    font.setStyleHint(QFont::TypeWriter);
    PdfPrinter pdf;
    for (auto _ : state)
        PrintPlainText(pdf.printer, lines, font);
}

void BM_PrintIniTextOf10000Lines(benchmark::State &state)
{
    QStringList lines;
    for (int line = 0; line < 10000; ++line)
        lines << QStringLiteral("Key%1=$%2,bf;a note on line %1").arg(line).arg(line, 8, 16, QChar(u'0'));
    printLines(state, lines);
}
BENCHMARK(BM_PrintIniTextOf10000Lines)->Unit(benchmark::kMillisecond);

void BM_PrintOneLineOf100000Characters(benchmark::State &state)
{
    const QStringList lines{QStringLiteral("Key=$0000A001,bf;").repeated(100000 / 17)};
    printLines(state, lines);
}
BENCHMARK(BM_PrintOneLineOf100000Characters)->Unit(benchmark::kMillisecond);

} // namespace
