#include "app/MainForm.h"

#include "app/ActionStates.h"
#include "app/CaretStatus.h"
#include "app/aboutBox.h"
#include "app/Environment.h"
#include "app/FileDrop.h"
#include "app/LeaveQuestion.h"
#include "app/MenuItems.h"
#include "app/MenuMerger.h"
#include "app/ProgramPicture.h"
#include "app/WindowArrangement.h"
#include "documents/CHILDWINIni.h"
#include "platform/BusyCursor.h"
#include "platform/CommandGuard.h"
#include "platform/Desktop.h"
#include "util/PathHelpers.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QLayout>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QToolBar>
#include <functional>

namespace {

FileDialogRequest OpenDialog()
{
    FileDialogRequest request;
    request.filter = QStringLiteral("Init Dateien (*.ini)|*.ini");
    return request;
}

QMenu *makeMenu(QWidget *owner, const QString &objectName, const QString &title, const QString &hint)
{
    auto *menu = new QMenu(title, owner);
    menu->setObjectName(objectName);
    menu->setProperty("hint", hint);
    return menu;
}

} // namespace

TMainForm::TMainForm(const QString &programFilePath, QWidget *parent)
    : QMainWindow(parent)
    , MdiArea(new QMdiArea(this))
    , Actions(this)
    , m_programFilePath(programFilePath)
{
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(QStringLiteral("MDI-Anwendung"));
    resize(900, 650);
    MdiArea->setObjectName(QStringLiteral("MdiArea"));
    MdiArea->viewport()->setCursor(Qt::DragMoveCursor);
    setCentralWidget(MdiArea);
    // The actions take their keys wherever the focus is in this window.
    addActions(Actions.all());

    createMenus();
    createToolBar();
    createStatusBar();
    connectActions();
    m_actionStates = new TActionStates(Actions, MdiArea, this);
    new TFileDrop(
        this, [this] { return MdiArea->subWindowList().isEmpty(); },
        [this](const QString &file) { runCommand(this, [this, file] { OpenIniFile(file); }); });
    FormCreate(programFilePath);
}

TMainForm::~TMainForm()
{
    // The document area sends its last activation signals while it is torn
    // down; by then nobody may listen any more.
    delete m_actionStates;
    MdiArea->disconnect(this);
}

void TMainForm::closeEvent(QCloseEvent *event)
{
    event->setAccepted(MayLeaveProgram(this, MdiArea));
}

void TMainForm::FormCreate(const QString &programFilePath)
{
    setWindowTitle(BaseNameWithoutExtension(programFilePath));
}

void TMainForm::createMenus()
{
    menuBar()->setObjectName(QStringLiteral("MainMenu1"));

    m_fileMenu = makeMenu(this, QStringLiteral("FileMenu"), QStringLiteral("&Datei"), QStringLiteral("Dateibefehle"));
    AddMenuItem(m_fileMenu, Actions.FileNew1, QStringLiteral("FileNewItem"));
    AddMenuItem(m_fileMenu, Actions.FileClose1, QStringLiteral("FileCloseItem"));
    AddMenuItem(m_fileMenu, Actions.FileOpen1, QStringLiteral("FileOpenItem"));
    AddMenuItem(m_fileMenu, Actions.FileSave1, QStringLiteral("FileSaveItem"));
    AddMenuItem(m_fileMenu, Actions.FileSaveAs1, QStringLiteral("FileSaveAsItem"));
    m_fileMenu->addSeparator();
    AddMenuItem(m_fileMenu, Actions.FileExit1, QStringLiteral("FileExitItem"));

    m_editMenu = makeMenu(this, QStringLiteral("EditMenu"), QStringLiteral("&Bearbeiten"),
                          QStringLiteral("Anweisungen zur Bearbeitung"));
    AddMenuItem(m_editMenu, Actions.EditCut1, QStringLiteral("CutItem"));
    AddMenuItem(m_editMenu, Actions.EditCopy1, QStringLiteral("CopyItem"));
    AddMenuItem(m_editMenu, Actions.EditPaste1, QStringLiteral("PasteItem"));

    m_windowMenu = makeMenu(this, QStringLiteral("WindowMenu"), QStringLiteral("&Fenster"),
                            QStringLiteral("Fensterbezogene Anweisungen"));
    AddMenuItem(m_windowMenu, Actions.WindowCascade1, QStringLiteral("WindowCascadeItem"));
    AddMenuItem(m_windowMenu, Actions.WindowTileHorizontal1, QStringLiteral("WindowTileItem"));
    AddMenuItem(m_windowMenu, Actions.WindowTileVertical1, QStringLiteral("WindowTileItem2"));
    AddMenuItem(m_windowMenu, Actions.WindowMinimizeAll1, QStringLiteral("WindowMinimizeItem"));
    AddMenuItem(m_windowMenu, Actions.WindowArrangeAll1, QStringLiteral("WindowArrangeItem"));
    connect(m_windowMenu, &QMenu::aboutToShow, this, &TMainForm::updateWindowMenu);

    m_helpMenu = makeMenu(this, QStringLiteral("HelpMenu"), QStringLiteral("&Hilfe"), QStringLiteral("Hilfethemen"));
    AddMenuItem(m_helpMenu, Actions.HelpAbout1, QStringLiteral("HelpAboutItem"));
    QAction *instruction = m_helpMenu->addAction(QStringLiteral("&Instruction"));
    instruction->setObjectName(QStringLiteral("Instruction1"));
    connect(instruction, &QAction::triggered, this, [this] { runCommand(this, [this] { Instruction1Click(); }); });

    m_menuMerger = std::make_unique<TMenuMerger>(menuBar(), QList<QMenu *>{m_fileMenu, m_editMenu, m_windowMenu, m_helpMenu},
                                                 Actions.all());
}

void TMainForm::createToolBar()
{
    QToolBar *toolBar = addToolBar(QStringLiteral("ToolBar2"));
    toolBar->setObjectName(QStringLiteral("ToolBar2"));
    toolBar->setMovable(false);
    toolBar->setIconSize(QSize(16, 16));
    toolBar->setFixedHeight(30);
    // The first button stands 5 pixels in from the left edge; the tool
    // bar's layout keeps one margin on all four sides.
    toolBar->layout()->setContentsMargins(5, 5, 5, 5);
    for (QAction *action : Actions.toolBarActions()) {
        if (action)
            toolBar->addAction(action);
        else
            toolBar->addSeparator();
    }
}

void TMainForm::createStatusBar()
{
    statusBar()->setObjectName(QStringLiteral("StatusBar"));
    statusBar()->setSizeGripEnabled(false);
    m_caretStatus = new TCaretStatus(statusBar());
}

void TMainForm::connectActions()
{
    // Every command runs through the command guard: a failure is reported
    // and the program goes on.
    const auto onCommand = [this](QAction *action, const std::function<void()> &command) {
        connect(action, &QAction::triggered, this, [this, command] { runCommand(this, command); });
    };
    onCommand(Actions.FileNew1, [this] { FileNew1Execute(); });
    onCommand(Actions.FileOpen1, [this] { FileOpen1Execute(); });
    onCommand(Actions.FileClose1, [this] { FileClose1Execute(); });
    onCommand(Actions.FileExit1, [this] { FileExit1Execute(); });
    onCommand(Actions.EditCut1, [this] { EditCut1Execute(); });
    onCommand(Actions.EditCopy1, [this] { EditCopy1Execute(); });
    onCommand(Actions.EditPaste1, [this] { EditPaste1Execute(); });
    onCommand(Actions.HelpAbout1, [this] { HelpAbout1Execute(); });
    onCommand(Actions.WindowCascade1, [this] { MdiArea->cascadeSubWindows(); });
    onCommand(Actions.WindowTileHorizontal1, [this] { TileSubWindows(MdiArea, TileDirection::OneAboveTheOther); });
    onCommand(Actions.WindowTileVertical1, [this] { TileSubWindows(MdiArea, TileDirection::SideBySide); });
    onCommand(Actions.WindowMinimizeAll1, [this] { MinimizeAllSubWindows(MdiArea); });
    onCommand(Actions.WindowArrangeAll1, [this] { ArrangeMinimizedSubWindows(MdiArea); });
    connect(MdiArea, &QMdiArea::subWindowActivated, this, &TMainForm::updateMenus);
}

void TMainForm::CreateIniDocument(const QString &name)
{
    if (!MdiArea->subWindowList().isEmpty())
        return;
    auto *document = new TMDIChild(name);
    QMdiSubWindow *frame = MdiArea->addSubWindow(document);
    frame->setAttribute(Qt::WA_DeleteOnClose);
    frame->setCursor(Qt::ArrowCursor);
    frame->setWindowIcon(ProgramIcon()); // its title bar shows Qt's picture otherwise
    frame->resize(document->size()); // the document's size is its outer size, frame included
    document->show();
    MdiArea->setActiveSubWindow(frame);
    updateMenus();
    m_actionStates->update();
    document->LoadExistingFile();
}

TMDIChild *TMainForm::ActiveDocument() const
{
    QMdiSubWindow *current = MdiArea->currentSubWindow();
    return current ? qobject_cast<TMDIChild *>(current->widget()) : nullptr;
}

TAboutBox *TMainForm::CurrentAboutBox() const
{
    return m_currentAboutBox;
}

void TMainForm::updateMenus()
{
    const TMDIChild *document = ActiveDocument();
    m_menuMerger->show(document ? document->menus() : QList<QMenu *>{});
    m_caretStatus->follow(ActiveDocument());
}

void TMainForm::updateWindowMenu()
{
    qDeleteAll(m_windowListItems);
    m_windowListItems.clear();
    const QList<QMdiSubWindow *> windows = MdiArea->subWindowList(QMdiArea::CreationOrder);
    if (!windows.isEmpty())
        m_windowListItems.append(m_windowMenu->addSeparator());
    for (qsizetype i = 0; i < windows.size(); ++i) {
        QMdiSubWindow *window = windows[i];
        QAction *item = m_windowMenu->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(window->windowTitle()));
        item->setCheckable(true);
        item->setChecked(window == MdiArea->currentSubWindow());
        connect(item, &QAction::triggered, window, [this, window] { MdiArea->setActiveSubWindow(window); });
        m_windowListItems.append(item);
    }
}

void TMainForm::FileNew1Execute()
{
    CreateIniDocument(u"NONAME" + QString::number(MdiArea->subWindowList().size() + 1));
}

void TMainForm::FileOpen1Execute()
{
    const std::optional<QString> chosen = desktop().openFileName(this, OpenDialog());
    if (chosen)
        OpenIniFile(*chosen);
}

void TMainForm::OpenIniFile(const QString &fileName)
{
    const QFileInfo file(fileName);
    QDir::setCurrent(file.absolutePath());
    CreateIniDocument(file.absoluteFilePath());
}

void TMainForm::FileClose1Execute()
{
    if (QMdiSubWindow *current = MdiArea->currentSubWindow())
        current->close();
}

void TMainForm::FileExit1Execute()
{
    // Only a document with changes is asked about them (closeEvent).
    close();
}

void TMainForm::EditCut1Execute()
{
    if (QPlainTextEdit *edit = FocusedTextEdit())
        edit->cut();
}

void TMainForm::EditCopy1Execute()
{
    if (QPlainTextEdit *edit = FocusedTextEdit())
        edit->copy();
}

void TMainForm::EditPaste1Execute()
{
    if (QPlainTextEdit *edit = FocusedTextEdit())
        edit->paste();
}

void TMainForm::HelpAbout1Execute()
{
    m_currentAboutBox = new TAboutBox(m_programFilePath, this);
    const TNormalCursor normal; // the box stays open for as long as the user likes
    m_currentAboutBox->exec();
}

void TMainForm::Instruction1Click()
{
    // Beside the program: file dialogs move the current directory.
    if (!desktop().shellOpen(this, FileBesideProgram(m_programFilePath, QStringLiteral("tarvexInit.htm"))))
        desktop().message(this, {MessageKind::Plain, QStringLiteral("Internetseite konnte nicht geöffnet werden!"),
                                 {MessageButton::Ok}, {}});
}
