#include "app/MainForm.h"
#include "documents/CHILDWINBit.h"
#include "documents/CHILDWINIni.h"
#include "documents/FlagLine.h"
#include "documents/TextAreaView.h"
#include "flags/BitFrames.h"
#include "grid/CellGrid.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPainter>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTemporaryDir>
#include <cstdio>

namespace {

const char exampleIni[] =
    "; Access rights of MyApp\r\n"
    "[ACCESS]\r\n"
    "Flags = $0000A001,bf;Read and write\r\n"
    "Owner=admin\r\n"
    "\r\n"
    "[DISPLAY]\r\n"
    "Options=$00000013,do;Toolbar, status bar, grid\r\n"
    "Theme=classic\r\n";

bool save(const QPixmap &picture, const QString &path)
{
    const bool saved = picture.save(path);
    std::fprintf(stderr, "%s %s\n", saved ? "wrote" : "could not write", qPrintable(path));
    return saved;
}

// A top-level window as the desktop shows it: a title bar above its content.
QPixmap framedWindow(QWidget &window)
{
    const QPixmap content = window.grab();
    constexpr int titleHeight = 24;
    QPixmap framed(content.width() + 2, content.height() + titleHeight + 1);
    QPainter painter(&framed);
    const QPalette palette = window.palette();
    painter.fillRect(framed.rect(), palette.color(QPalette::Dark));
    painter.fillRect(QRect(1, 1, content.width(), titleHeight - 1), palette.color(QPalette::Highlight));
    painter.setPen(palette.color(QPalette::HighlightedText));
    painter.drawText(QRect(8, 1, content.width() - 16, titleHeight - 1), Qt::AlignVCenter, window.windowTitle());
    painter.drawPixmap(1, titleHeight, content);
    return framed;
}

// The main window with a document open and, over it, the bit editor of the
// document's first flag line.
bool mainWindow(const QString &folder)
{
    QTemporaryDir files;
    const QString iniPath = files.filePath(QStringLiteral("myapp_v2.ini"));
    QFile ini(iniPath);
    if (!ini.open(QIODevice::WriteOnly) || ini.write(exampleIni) < 0)
        return false;
    ini.close();
    QDir::setCurrent(files.path());

    TMainForm form(QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("tarvex")));
    form.resize(640, 420);
    form.show();
    form.CreateIniDocument(iniPath);
    TMDIChild *document = form.ActiveDocument();
    if (!document)
        return false;
    form.MdiArea->currentSubWindow()->setGeometry(12, 10, 420, 300);
    const auto flagWord = FindFlagWord([document](int line) { return TextAreaLine(document->MemoIni, line); }, 1);
    if (!flagWord)
        return false;
    auto *editor = new TMDIChildBit(document);
    editor->IniFile = document->IniFile();
    editor->OpenFlagWord(document->windowTitle(), *flagWord);
    editor->resize(editor->width(), 440); // as wide as it opens: the whole table shows
    QApplication::processEvents();

    const QPixmap main = form.grab();
    const QPixmap bits = framedWindow(*editor);
    QPixmap picture(main.width() - 200 + bits.width(), main.height() + 140);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.drawPixmap(0, 0, main);
    painter.drawPixmap(picture.width() - bits.width() - 8, picture.height() - bits.height() - 8, bits);
    painter.end();
    return save(picture, QDir(folder).filePath(QStringLiteral("main-window.png")));
}

// The frame with its pair's title, focused and as wide as the bit editor
// window opens, so the whole table shows.
bool saveAsOpened(TBitFrame &frame, const QString &file)
{
    frame.GB_BitFrame->setTitle(QStringLiteral("/home/user/data/MyappAccessFlags.bfx"));
    frame.resize(565, 719);
    frame.show();
    frame.GridBits->setFocus();
    QApplication::processEvents();
    frame.resize(frame.width() + frame.GridBits->horizontalScrollBar()->maximum(), frame.height());
    QApplication::processEvents();
    return save(frame.grab(), file);
}

// The flag editor with a flag word opened: names and descriptions, some
// bits ticked, the rows shaded in groups of four, the word in the footers.
bool bitFrame(const QString &folder)
{
    TBitFrame frame;
    frame.SetSection(QStringLiteral("Access"));
    frame.SetFlagLabel(QStringLiteral("Flags"));
    frame.SetIniBaseName(QStringLiteral("Myapp"));
    frame.SetFlagNote(QStringLiteral("Read and write"));
    frame.SetFlagPrefix(QStringLiteral("bf"));
    const struct { int bit; const char16_t *name; const char16_t *usedFor; } names[] = {
        {0, u"ReadAccess", u"Read the file"},
        {1, u"WriteAccess", u"Write the file; see \"Mode\""},
        {13, u"Audit", u"Log every access"},
        {15, u"Owner", u"Owner may change rights"},
    };
    for (const auto &n : names) {
        frame.GridBits->SetCells(2, 31 - n.bit, QString::fromUtf16(n.name));
        frame.GridBits->SetCells(3, 31 - n.bit, QString::fromUtf16(n.usedFor));
    }
    frame.SetFlagHexA(QStringLiteral("$0000A003"));
    frame.GridBits->SetSelectedCell(2, 30);
    return saveAsOpened(frame, QDir(folder).filePath(QStringLiteral("bit-frame.png")));
}

// The flag editor with a log level in bits 4 and 5: one row that shows its
// value by name, its bits framed as one group in the binary strip.
bool bitField(const QString &folder)
{
    TBitFrame frame;
    frame.SetFlagNote(QStringLiteral("Audit, write, warnings"));
    frame.SetFlagPrefix(QStringLiteral("bf"));
    frame.GridBits->SetCells(2, 31, QStringLiteral("ReadAccess"));
    frame.GridBits->SetCells(2, 30, QStringLiteral("WriteEnable"));
    frame.GridBits->SetCells(2, 18, QStringLiteral("Audit"));
    frame.GridBits->SetCells(3, 18, QStringLiteral("Log every access"));
    frame.GridBits->SetCells(3, 27, QStringLiteral("How much the log keeps"));
    frame.MakeField({4, 2}, QStringLiteral("Level"),
                    {{0, QStringLiteral("Off"), {}},
                     {1, QStringLiteral("Errors"), QStringLiteral("Errors only")},
                     {2, QStringLiteral("Warnings"), QStringLiteral("Warnings and errors")},
                     {3, QStringLiteral("All"), QStringLiteral("Everything")}});
    frame.SetFlagHexA(QStringLiteral("$00002022"));
    frame.GridBits->SetSelectedCell(0, 26);
    return saveAsOpened(frame, QDir(folder).filePath(QStringLiteral("bit-field.png")));
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tarvex"));
    // Absolute: drawing the main window moves the current directory.
    const QString folder = QDir(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs")).absolutePath();
    return mainWindow(folder) && bitFrame(folder) && bitField(folder) ? 0 : 1;
}
