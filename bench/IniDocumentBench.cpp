#include "documents/CHILDWINIni.h"
#include "documents/FindBar.h"
#include "documents/IniModel.h"
#include "documents/KeepLayoutSetting.h"
#include "documents/LayoutText.h"
#include "documents/ReEnabledEvent.h"
#include "InihReference.h"
#include "RatioReporter.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <benchmark/benchmark.h>
#include <memory>
#include <random>

namespace {

constexpr int sectionCount = 3000;
constexpr int entriesPerSection = 100;

// A large INI file, the same in every run: sections of entries with
// blanks around "=", flag lines, comments and blank lines mixed in.
QByteArray generatedIniFile()
{
    std::mt19937 random(20261208);
    std::uniform_int_distribution<int> percent(0, 99);
    std::uniform_int_distribution<quint32> word;
    QByteArray bytes;
    bytes.reserve(16 * 1024 * 1024);
    bytes += "; generated settings\r\n";
    for (int section = 0; section < sectionCount; ++section) {
        bytes += "[Section" + QByteArray::number(section) + "]\r\n";
        for (int entry = 0; entry < entriesPerSection; ++entry) {
            const int kind = percent(random);
            if (kind < 5)
                bytes += "; a comment about the next entry\r\n";
            else if (kind < 8)
                bytes += "\r\n";
            if (kind % 4 == 0)
                bytes += "Flags" + QByteArray::number(entry) + "=$" +
                         QByteArray::number(word(random), 16).toUpper().rightJustified(8, '0') + ",bf;Read and write\r\n";
            else
                bytes += "  Key" + QByteArray::number(entry) + " = value " + QByteArray::number(word(random)) + "  \r\n";
        }
    }
    return bytes;
}

// The generated file on disk, written once per run.
class GeneratedFile
{
public:
    GeneratedFile()
    {
        QFile file(path());
        if (!file.open(QIODevice::WriteOnly) || file.write(generatedIniFile()) < 0)
            qFatal("cannot write the generated INI file");
    }
    QString path() const { return m_folder.filePath(QStringLiteral("large.ini")); }

private:
    QTemporaryDir m_folder;
};

const GeneratedFile &largeFile()
{
    static const GeneratedFile file;
    return file;
}

QString rebuiltLargeText()
{
    TIniModel model(largeFile().path());
    model.loadFromFile();
    return model.rebuiltText(u"\n");
}

// Both parsers read the file from disk and give the number of entries
// they found, which must be the same for the comparison to be fair.
void BM_IniModelLoad(benchmark::State &state)
{
    qsizetype entries = 0;
    for (auto _ : state) {
        TIniModel model(largeFile().path());
        model.loadFromFile();
        entries = 0;
        for (const TIniSection &section : model.sections())
            entries += section.lines.size();
        benchmark::DoNotOptimize(entries);
    }
    state.counters["entries"] = double(entries);
}
BENCHMARK(BM_IniModelLoad)->Unit(benchmark::kMillisecond);

void BM_InihParse(benchmark::State &state)
{
    const QByteArray path = QFile::encodeName(largeFile().path());
    long entries = 0;
    for (auto _ : state) {
        entries = CountInihEntries(path);
        benchmark::DoNotOptimize(entries);
    }
    state.counters["entries"] = double(entries);
}
BENCHMARK(BM_InihParse)->Unit(benchmark::kMillisecond);

void BM_IniModelRebuild(benchmark::State &state)
{
    TIniModel model(largeFile().path());
    model.loadFromFile();
    for (auto _ : state)
        benchmark::DoNotOptimize(model.rebuiltText(u"\n"));
}
BENCHMARK(BM_IniModelRebuild)->Unit(benchmark::kMillisecond);

// A document window for the large file, loaded and shown.
std::unique_ptr<TMDIChild> openLargeDocument()
{
    auto document = std::make_unique<TMDIChild>(largeFile().path());
    document->LoadExistingFile();
    document->show();
    QApplication::processEvents();
    return document;
}

void BM_OpenAndShow(benchmark::State &state)
{
    for (auto _ : state)
        openLargeDocument(); // and closed again, without writing
}
// Several runs each: a single one of nearly a second says little on a shared machine.
BENCHMARK(BM_OpenAndShow)->Unit(benchmark::kMillisecond)->MinTime(2);

// Documents opened while it lives keep their file's layout.
struct KeepingLayout
{
    KeepingLayout() { ChooseKeepLayout(true); }
    ~KeepingLayout() { ChooseKeepLayout(false); }
};

// Showing the file's own text, comments and blank lines included.
void BM_OpenAndShowKeepingLayout(benchmark::State &state)
{
    const KeepingLayout keeping;
    for (auto _ : state)
        openLargeDocument();
}
BENCHMARK(BM_OpenAndShowKeepingLayout)->Unit(benchmark::kMillisecond)->MinTime(2);

// The floor for opening: the same text put straight into the text area of
// a document window that has no file (so nothing is loaded), shown.
void BM_SetPlainTextFloor(benchmark::State &state)
{
    const QString text = rebuiltLargeText();
    for (auto _ : state) {
        TMDIChild document(QStringLiteral("NONAME1"));
        document.MemoIni->setPlainText(text);
        document.show();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_SetPlainTextFloor)->Unit(benchmark::kMillisecond)->MinTime(2);

// The floor for opening keeping the layout: the file's own text, larger
// than the rebuilt one by its comments, blank lines and blanks, put
// straight into a text area.
void BM_SetPlainTextFloorKeepingLayout(benchmark::State &state)
{
    const QString text = TLayoutText(QString::fromUtf8(generatedIniFile())).shownText();
    for (auto _ : state) {
        TMDIChild document(QStringLiteral("NONAME1"));
        document.MemoIni->setPlainText(text);
        document.show();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_SetPlainTextFloorKeepingLayout)->Unit(benchmark::kMillisecond)->MinTime(2);

// "Save Init" from a bit editor: one flag word written, the reload notification sent.
void saveInit(TMDIChild &document, quint32 flagWord)
{
    document.IniFile()->write(QStringLiteral("Section1500"), QStringLiteral("Flags0"),
                              QStringLiteral("$%1,bf;Read and write").arg(flagWord, 8, 16, QChar(u'0')));
    SendReEnabled(&document);
    QApplication::processEvents();
}

void BM_SaveInitRoundTrip(benchmark::State &state)
{
    const std::unique_ptr<TMDIChild> document = openLargeDocument();
    quint32 flagWord = 0;
    for (auto _ : state)
        saveInit(*document, ++flagWord);
}
BENCHMARK(BM_SaveInitRoundTrip)->Unit(benchmark::kMillisecond);

// Keeping the layout: the line's value replaced in the file's text, and
// that line alone in the text area.
void BM_SaveInitKeepingLayout(benchmark::State &state)
{
    const KeepingLayout keeping;
    const std::unique_ptr<TMDIChild> document = openLargeDocument();
    quint32 flagWord = 0;
    for (auto _ : state)
        saveInit(*document, ++flagWord);
}
BENCHMARK(BM_SaveInitKeepingLayout)->Unit(benchmark::kMillisecond);

// The same after the user typed a character into line `state.range(0)` of
// the text: the reload then replaces every line from there to the written one.
void BM_SaveInitAfterTyping(benchmark::State &state)
{
    const std::unique_ptr<TMDIChild> document = openLargeDocument();
    quint32 flagWord = 0;
    for (auto _ : state) {
        state.PauseTiming();
        QTextCursor(document->MemoIni->document()->findBlockByNumber(int(state.range(0)))).insertText(QStringLiteral("x"));
        state.ResumeTiming();
        saveInit(*document, ++flagWord);
    }
}
// Typed about 3,000 lines above the written one ([Section1500] is line 153,000), and at the top.
BENCHMARK(BM_SaveInitAfterTyping)->Arg(150000)->Arg(1)->Unit(benchmark::kMillisecond);

// The find bar finding a line of the last section from the start of the
// text: the text read, searched, the match selected and scrolled into view.
// Arguments: match case, and whether the user typed since the text was
// given (the text must then be read back out of the text area).
void BM_FindInTheLastSection(benchmark::State &state)
{
    const std::unique_ptr<TMDIChild> document = openLargeDocument();
    QPlainTextEdit *text = document->MemoIni;
    auto *bar = document->findChild<FindBar *>();
    const QString needle = document->IniFile()->sections().constLast().lines.at(50);
    bar->open();
    bar->EDT_Find->setText(state.range(0) ? needle : needle.toUpper());
    bar->CHB_MatchCase->setChecked(state.range(0) != 0);
    for (auto _ : state) {
        state.PauseTiming();
        if (state.range(1))
            QTextCursor(text->document()->findBlockByNumber(1)).insertText(QStringLiteral("x"));
        text->moveCursor(QTextCursor::Start);
        QApplication::processEvents();
        state.ResumeTiming();
        bar->findNext();
        QApplication::processEvents();
    }
    // The line sits among the last section's hundred, not in an earlier one.
    if (text->textCursor().selectedText() != needle || text->textCursor().blockNumber() < text->blockCount() - 110)
        state.SkipWithError("the line of the last section was not found");
}
BENCHMARK(BM_FindInTheLastSection)
    ->ArgNames({"matchCase", "typed"})
    ->Args({1, 0})
    ->Args({0, 0})
    ->Args({1, 1})
    ->Unit(benchmark::kMillisecond);

void BM_WriteIntoTheLastSection(benchmark::State &state)
{
    TIniModel model(largeFile().path());
    model.loadFromFile();
    quint32 value = 0;
    for (auto _ : state)
        model.write(QStringLiteral("section2999"), QStringLiteral("key99"), QString::number(++value));
}
BENCHMARK(BM_WriteIntoTheLastSection)->Unit(benchmark::kMicrosecond);

// The first text area shown loads the fonts; neither opening nor its floor
// should pay for that, whichever runs first.
void warmUpTextAreas()
{
    TMDIChild document(QStringLiteral("NONAME1"));
    document.MemoIni->setPlainText(QStringLiteral("[Section]\nKey=value"));
    document.show();
    QApplication::processEvents();
}

} // namespace

// The document window needs a widget application; the offscreen platform
// keeps the run free of a display.
int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    // The keep-layout choice is written to a test folder, not the user's settings.
    QStandardPaths::setTestModeEnabled(true);
    InitializeRepeatedBenchmarks(argc, argv);
    warmUpTextAreas();
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::printf("\nratio to its reference (lower is faster)\n");
    reporter.printRatio("TIniModel load / inih ini_parse", "BM_IniModelLoad", "BM_InihParse");
    reporter.printRatio("open and show / bare setPlainText", "BM_OpenAndShow", "BM_SetPlainTextFloor");
    reporter.printRatio("open keeping the layout / open and show", "BM_OpenAndShowKeepingLayout", "BM_OpenAndShow");
    reporter.printRatio("open keeping the layout / its setPlainText", "BM_OpenAndShowKeepingLayout",
                        "BM_SetPlainTextFloorKeepingLayout");
    reporter.printRatio("file's own text / rebuilt text, setPlainText", "BM_SetPlainTextFloorKeepingLayout",
                        "BM_SetPlainTextFloor");
    reporter.printRatio("Save Init keeping the layout / 50 ms", "BM_SaveInitKeepingLayout", {}, 0.050);
    // The Save Init round trip took 970 ms on this file before the reload changed only what differs.
    reporter.printRatio("Save Init round trip / 970 ms", "BM_SaveInitRoundTrip", {}, 0.970);
    benchmark::Shutdown();
    return 0;
}
