#include "BitTableGrid.h"
#include "InihReference.h"
#include "RatioReporter.h"
#include "util/GridAdjust.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <functional>
#include <string>

namespace {

constexpr int fileSize = 5 * 1024 * 1024;

// The layout sections a load reads (the empty suffix), `before` the keys of
// "Columns Sizes" if given.
QByteArray layoutSections(const QByteArray &beforeSizes = {})
{
    const char *sections[] = {"Columns Sort Kind", "Visible Columns", "Sorted", "Positions",
                              "Columns Sizes", "Columns Header", "Columns HeaderHint"};
    QByteArray content;
    for (const char *section : sections) {
        content += QByteArray("[") + section + "]\r\n";
        if (QByteArray(section) == "Columns Sizes")
            content += beforeSizes;
        for (int column = 0; column < 4; ++column)
            content += "Column" + QByteArray::number(column) + "=" + QByteArray::number(column == 0 ? 1 : column) + "\r\n";
    }
    return content;
}

// `unit` repeated up to about 5 MB. (Lambdas give QByteArray, not a string
// builder that would refer to their own temporaries.)
QByteArray filled(const std::function<QByteArray(int)> &unit)
{
    QByteArray content;
    content.reserve(fileSize + 1024);
    for (int n = 0; content.size() < fileSize; ++n)
        content += unit(n);
    return content;
}

struct Shape
{
    const char *name;
    std::function<QByteArray()> content;
};

const Shape shapes[] = {
    {"sectionsOfKeys",
     []() -> QByteArray {
         return filled([](int n) -> QByteArray {
                    QByteArray section = "[Other " + QByteArray::number(n) + "]\r\n";
                    for (int key = 0; key < 50; ++key)
                        section += "Key" + QByteArray::number(key) + "=some value of a fair length here\r\n";
                    return section;
                }) +
                layoutSections();
     }},
    {"emptyLines", []() -> QByteArray { return QByteArray(fileSize, '\n') + layoutSections(); }},
    {"oneHugeLine", []() -> QByteArray { return "[Other]\r\nKey=" + QByteArray(fileSize, 'x') + "\r\n" + layoutSections(); }},
    {"manySections", []() -> QByteArray { return filled([](int n) -> QByteArray { return "[Section " + QByteArray::number(n) + "]\r\n"; }) + layoutSections(); }},
    {"manyKeysInALayoutSection",
     []() -> QByteArray { return layoutSections(filled([](int n) -> QByteArray { return "Key" + QByteArray::number(n) + "=1\r\n"; })); }},
};

// The shapes' files, written once per run.
class ShapeFiles
{
public:
    ShapeFiles()
    {
        for (const Shape &shape : shapes) {
            QFile file(path(shape));
            if (!file.open(QIODevice::WriteOnly) || file.write(shape.content()) < 0)
                qFatal("cannot write a settings file");
        }
    }
    QString path(const Shape &shape) const { return m_folder.filePath(QString::fromLatin1(shape.name) + u".bfi"); }

private:
    QTemporaryDir m_folder;
};

const ShapeFiles &shapeFiles()
{
    static const ShapeFiles files;
    return files;
}

// What opening a flag word does with its settings file.
void loadLayout(benchmark::State &state, const Shape *shape)
{
    const QString path = shapeFiles().path(*shape);
    BitTable grid;
    for (auto _ : state)
        LoadGridLayout(grid, path);
}

// inih reading the same file, counting its entries.
void inihParse(benchmark::State &state, const Shape *shape)
{
    const QByteArray path = QFile::encodeName(shapeFiles().path(*shape));
    for (auto _ : state)
        benchmark::DoNotOptimize(CountInihEntries(path));
}

std::string nameOf(const char *step, const Shape &shape)
{
    return std::string(step) + "/" + shape.name;
}

} // namespace

// The grid needs a widget application; the offscreen platform keeps the run free of a display.
int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    for (const Shape &shape : shapes) {
        benchmark::RegisterBenchmark(nameOf("BM_LoadGridLayout", shape).c_str(), loadLayout, &shape)->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(nameOf("BM_InihParse", shape).c_str(), inihParse, &shape)->Unit(benchmark::kMillisecond);
    }
    InitializeRepeatedBenchmarks(argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::printf("\nratio to its reference (lower is faster)\n");
    for (const Shape &shape : shapes) {
        const std::string what = std::string("LoadGridLayout / inih, ") + shape.name;
        reporter.printRatio(what.c_str(), nameOf("BM_LoadGridLayout", shape), nameOf("BM_InihParse", shape));
    }
    benchmark::Shutdown();
    return 0;
}
