#include "app/MainForm.h"
#include "flags/BitFrames.h"
#include "grid/CellGrid.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QMdiArea>
#include <QMdiSubWindow>
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

bool save(QWidget &widget, const QString &path)
{
    const bool saved = widget.grab().save(path);
    std::fprintf(stderr, "%s %s\n", saved ? "wrote" : "could not write", qPrintable(path));
    return saved;
}

bool mainWindow(const QString &folder)
{
    QTemporaryDir files;
    const QString iniPath = files.filePath(QStringLiteral("myapp_v2.ini"));
    QFile ini(iniPath);
    if (!ini.open(QIODevice::WriteOnly) || ini.write(exampleIni) < 0)
        return false;
    ini.close();

    TMainForm form(QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("tarvex")));
    form.resize(640, 420);
    form.show();
    form.CreateIniDocument(iniPath);
    if (QMdiSubWindow *window = form.MdiArea->currentSubWindow())
        window->setGeometry(12, 10, 420, 300);
    QApplication::processEvents();
    return save(form, QDir(folder).filePath(QStringLiteral("main-window.png")));
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
    frame.GB_BitFrame->setTitle(QStringLiteral("/home/user/data/MyappAccessFlags.bfx"));
    frame.GridBits->SetSelectedCell(2, 30);

    frame.resize(565, 680);
    frame.show();
    frame.GridBits->setFocus();
    QApplication::processEvents();
    return save(frame, QDir(folder).filePath(QStringLiteral("bit-frame.png")));
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tarvex"));
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs");
    return mainWindow(folder) && bitFrame(folder) ? 0 : 1;
}
