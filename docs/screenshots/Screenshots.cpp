#include "app/MainForm.h"
#include "grid/CellGrid.h"
#include "grid/CheckBoxColumn.h"
#include "grid/TextColumn.h"

#include <QApplication>
#include <QDir>
#include <QFile>
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

// A bit table as the flag editor shows it: rows shaded in groups of four,
// a few bits ticked, the flag word in the footers.
bool bitGrid(const QString &folder)
{
    TCellGrid grid;
    QFont font(QStringLiteral("MS Sans Serif"), 8);
    font.setStyleHint(QFont::SansSerif);
    grid.setFont(font);
    grid.SetOptions({goDisableColumnMoving, goFooter, goGrid, goHeader});
    grid.SetAppearanceOptions({aoBoldTextSelection, aoHideSelection, aoIndicateSortedColumn});
    auto *bit = grid.Columns.Add<TCheckBoxColumn>();
    auto *hex = grid.Columns.Add<TTextColumn>();
    auto *mask = grid.Columns.Add<TTextColumn>();
    auto *label = grid.Columns.Add<TTextColumn>();
    const struct { TCustomGridColumn *column; const char16_t *caption; int width; } columns[] = {
        {bit, u"Bit", 24}, {hex, u"Hex Value", 63}, {mask, u"Name (Mask)", 80}, {label, u"Used for", 366}};
    for (const auto &c : columns) {
        c.column->Header().SetCaption(QString::fromUtf16(c.caption));
        c.column->SetWidth(c.width);
    }
    bit->SetMinWidth(4);
    hex->Footer().SetCaption(QStringLiteral("0000A003"));
    mask->Footer().SetCaption(QStringLiteral("40963"));

    const QColor shades[] = {QColor(0xFF, 0xFF, 0xFF), QColor(0xE8, 0xEE, 0xF6)};
    const char16_t *names[] = {u"ReadAccess", u"WriteAccess", u"", u"", u"", u"", u"", u"",
                               u"", u"", u"", u"", u"", u"Audit", u"", u"Owner"};
    const char16_t *notes[] = {u"Read the file", u"Write the file; see \"Mode\"", u"", u"", u"", u"", u"", u"",
                               u"", u"", u"", u"", u"", u"Log every access", u"", u"Owner may change rights"};
    grid.SetRowCount(16);
    for (int row = 0; row < 16; ++row) {
        for (int col = 0; col < 4; ++col)
            grid.Cell(col, row).SetColor(shades[(row / 4) % 2]);
        grid.SetCells(1, row, QStringLiteral("%1").arg(1u << row, 8, 16, QLatin1Char('0')).toUpper());
        grid.SetCells(2, row, QString::fromUtf16(names[row]));
        grid.SetCells(3, row, QString::fromUtf16(notes[row]));
    }
    for (int row : {0, 1, 13, 15})
        grid.Cell(0, row).SetAsBoolean(true);
    grid.SetSelectedCell(2, 1);

    grid.resize(560, 18 + 16 * 16 + 18 + 4);
    grid.show();
    grid.setFocus();
    QApplication::processEvents();
    return save(grid, QDir(folder).filePath(QStringLiteral("grid.png")));
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tarvex"));
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs");
    return mainWindow(folder) && bitGrid(folder) ? 0 : 1;
}
