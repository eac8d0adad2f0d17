#include "BitTableGrid.h"
#include "util/GridAdjust.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// A settings file of about `megabytes` MB: many sections of other keys
// before the layout sections, which come last.
QByteArray settingsFile(int megabytes)
{
    QByteArray content;
    for (int section = 0; content.size() < megabytes * 1024 * 1024; ++section) {
        content += "[Other " + QByteArray::number(section) + "]\r\n";
        for (int key = 0; key < 50; ++key)
            content += "Key" + QByteArray::number(key) + "=some value of a fair length here\r\n";
    }
    const char *sections[] = {"Columns Sort Kind", "Visible Columns", "Sorted", "Positions",
                              "Columns Sizes", "Columns Header", "Columns HeaderHint"};
    for (const char *section : sections) {
        content += QByteArray("[") + section + "]\r\n";
        for (int column = 0; column < 4; ++column)
            content += "Column" + QByteArray::number(column) + "=" + QByteArray::number(column == 0 ? 1 : column) + "\r\n";
    }
    return content;
}

void BM_LoadGridLayout(benchmark::State &state)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("layout.bfi"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(settingsFile(int(state.range(0)))) < 0) {
        state.SkipWithError("cannot write the settings file");
        return;
    }
    file.close();
    BitTable grid;
    for (auto _ : state)
        LoadGridLayout(grid, path);
}

} // namespace

BENCHMARK(BM_LoadGridLayout)->Arg(1)->Arg(5)->Unit(benchmark::kMillisecond)->UseRealTime();
