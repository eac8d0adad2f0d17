#include "app/aboutBox.h"

#include "app/AboutExport.h"
#include "app/Environment.h"
#include "app/ProgramPicture.h"
#include "app/u_versioninfo.h"
#include "grid/CellGrid.h"
#include "grid/TextColumn.h"
#include "platform/CommandGuard.h"
#include "platform/DayCount.h"
#include "platform/Desktop.h"
#include "platform/Errors.h"
#include "platform/ShortDate.h"
#include "util/MachineInfo.h"
#include "util/StringHelpers.h"

#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <memory>

namespace {

const QString makerName = QStringLiteral("Tarvex");
// The maker's page, installed beside the program.
const QString makerPageName = QStringLiteral("tarvexAbout.htm");

constexpr QSize clientSize{448, 573};
constexpr int panelHeight = 97;

std::unique_ptr<TVersionInfo> sharedVersionInfo;
QString aboutFileName;

QFont namedFont(const QString &family, QFont::StyleHint hint)
{
    QFont font(family);
    font.setStyleHint(hint);
    return font;
}

QLabel *makeLabel(const QString &objectName, const QString &caption, QWidget *parent)
{
    auto *label = new QLabel(caption, parent);
    label->setObjectName(objectName);
    return label;
}

TTextColumn *addTextColumn(TCellGrid *grid, const QString &caption, int width)
{
    auto *column = grid->Columns.Add<TTextColumn>();
    column->Header().SetCaption(caption);
    column->SetWidth(width);
    column->SetOptions({coCanClick, coPublicUsing, coShowTextFitHint});
    column->SetSortType(stAlphabetic);
    return column;
}

void insertRow(TCellGrid *grid, int index, const QString &key, const QString &value)
{
    grid->InsertRow(index);
    grid->SetCells(0, index, key);
    grid->SetCells(1, index, value);
}

} // namespace

TVersionInfo *AboutVersionInfo()
{
    return sharedVersionInfo.get();
}

const QString &AboutFileName()
{
    return aboutFileName;
}

TAboutBox::TAboutBox(const QString &programFilePath, QWidget *parent)
    : QDialog(parent)
    , Panel1(new QFrame(this))
    , ProgramIcon(makeLabel(QStringLiteral("ProgramIcon"), QString(), Panel1))
    , LBL_Company(makeLabel(QStringLiteral("LBL_Company"), makerName, Panel1))
    , LBL_ProductName(makeLabel(QStringLiteral("LBL_ProductName"), QStringLiteral("Applcation"), Panel1))
    , Button1(new QPushButton(QStringLiteral("OK"), Panel1))
    , AGX_About(new TCellGrid(this))
    , ColKey(addTextColumn(AGX_About, QStringLiteral("Key Nmae"), 160))
    , ColValue(addTextColumn(AGX_About, QStringLiteral("Value "), 260))
    , PopupMenu1(new QMenu(this))
    , Save1(PopupMenu1->addAction(QStringLiteral("&Save")))
    , m_programFilePath(programFilePath)
{
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QStringLiteral("About"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowStaysOnTopHint
                   | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    QFont font = namedFont(QStringLiteral("MS Sans Serif"), QFont::SansSerif);
    font.setPointSize(8);
    setFont(font);
    setFixedSize(clientSize);

    setUpPanel();
    setUpGrid();
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(Panel1);
    layout->addWidget(AGX_About, 1);
    centerOnScreen();
}

TAboutBox::~TAboutBox() = default;

void TAboutBox::setUpPanel()
{
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFixedHeight(panelHeight);
    // A lowered outer and a raised inner bevel: an etched line.
    Panel1->setFrameStyle(QFrame::Box | QFrame::Sunken);
    Panel1->setAutoFillBackground(true);
    QPalette silver = Panel1->palette();
    silver.setColor(QPalette::Window, QColor(0xC0, 0xC0, 0xC0));
    Panel1->setPalette(silver);

    ProgramIcon->setGeometry(0, 0, panelHeight, panelHeight);
    ProgramIcon->setScaledContents(true);
    ProgramIcon->setPixmap(ProgramPicture(ProgramIcon->size(), devicePixelRatio()));
    ProgramIcon->setCursor(Qt::PointingHandCursor);
    ProgramIcon->setToolTip(FileBesideProgram(m_programFilePath, makerPageName));
    ProgramIcon->installEventFilter(this);

    QFont roman = namedFont(QStringLiteral("Roman"), QFont::Serif);
    roman.setPixelSize(29);
    LBL_Company->setFont(roman);
    LBL_Company->setStyleSheet(QStringLiteral("color: red"));
    LBL_Company->setGeometry(110, 12, 220, 38);
    roman.setPixelSize(16);
    LBL_ProductName->setFont(roman);
    LBL_ProductName->setStyleSheet(QStringLiteral("color: blue"));
    LBL_ProductName->setGeometry(110, 54, 220, 22);

    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(clientSize.width() - 75 - 16, (panelHeight - 25) / 2, 75, 25);
    // Enter presses the default button; Esc rejects the dialog. Both close it.
    Button1->setDefault(true);
    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
}

void TAboutBox::setUpGrid()
{
    AGX_About->setObjectName(QStringLiteral("AGX_About"));
    AGX_About->SetOptions({goGrid, goHeader});
    AGX_About->SetShowHint(true);
    AGX_About->setContextMenuPolicy(Qt::CustomContextMenu);
    // A scroll area reports the position in its viewport's coordinates.
    connect(AGX_About, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &position) { PopupMenu1->popup(AGX_About->viewport()->mapToGlobal(position)); });
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    Save1->setObjectName(QStringLiteral("Save1"));
    connect(Save1, &QAction::triggered, this, [this] { runCommand(this, [this] { Save1Click(); }); });
}

void TAboutBox::centerOnScreen()
{
    const QScreen *screen = parentWidget() ? parentWidget()->screen() : this->screen();
    QRect frame(QPoint(), size());
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
}

void TAboutBox::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!m_filled) {
        m_filled = true;
        runCommand(this, [this] { FormShow(); });
    }
    Button1->setFocus();
}

bool TAboutBox::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ProgramIcon && event->type() == QEvent::MouseButtonRelease
        && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        ProgramIconClick();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TAboutBox::FormShow()
{
    if (!sharedVersionInfo) {
        try {
            sharedVersionInfo = std::make_unique<TVersionInfo>(RunningModule());
        } catch (const TarvexError &) {
            // Without a version block the box shows the file and machine rows only.
        }
    }
    const int count = sharedVersionInfo ? sharedVersionInfo->StringCount() : 0;
    AGX_About->SetRowCount(count);
    for (int i = 0; i < count; ++i) {
        const QString key = sharedVersionInfo->KeyAt(i);
        AGX_About->SetCells(0, i, key);
        AGX_About->SetCells(1, i, sharedVersionInfo->ValueOf(key));
    }
    aboutFileName = QFileInfo(m_programFilePath).absoluteFilePath();
    const QDate fileDate = DateOfDayCount(FileDateTime(aboutFileName));
    insertRow(AGX_About, 0, QStringLiteral("FileName"), aboutFileName);
    insertRow(AGX_About, 1, QStringLiteral("FileDate"), ShortDateText(fileDate, QLocale()));
    insertRow(AGX_About, 2, QStringLiteral("Computer Name"), TrimBlanks(ComputerName()));
    insertRow(AGX_About, 3, QStringLiteral("User Name"), TrimBlanks(UserName()));
    // The inserted rows pushed the selection down with its row.
    AGX_About->SetSelectedCell(0, 0);
}

void TAboutBox::Save1Click()
{
    if (const std::optional<QString> target = AboutExportTarget(this, aboutFileName))
        AGX_About->SaveToTextFile(*target, u';', u'|');
}

void TAboutBox::ProgramIconClick()
{
    // Whether the shell could open the page is not reported.
    desktop().shellOpen(this, FileBesideProgram(m_programFilePath, makerPageName));
}
