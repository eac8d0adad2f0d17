#include "documents/CHILDWINIni.h"

#include "documents/CHILDWINBit.h"
#include "documents/DocumentQuestions.h"
#include "documents/EditItemStates.h"
#include "documents/FindBar.h"
#include "documents/GoToLine.h"
#include "documents/IniPrintout.h"
#include "documents/IniTextArea.h"
#include "documents/PlainTextPrinter.h"
#include "documents/ReEnabledEvent.h"
#include "documents/TextAreaFlagWords.h"
#include "documents/TextAreaView.h"
#include "platform/CommandGuard.h"
#include "platform/Desktop.h"
#include "platform/PrintJob.h"

#include <QFont>
#include <QKeyEvent>
#include <QLocale>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QTextCursor>
#include <QTextDocument>
#include <QVBoxLayout>

TMDIChild::TMDIChild(const QString &name, QWidget *parent)
    : QWidget(parent)
    , MemoIni(new TIniTextArea(this))
    , m_menus(this)
{
    setObjectName(QStringLiteral("MDIChild"));
    setWindowTitle(name);
    m_unnamed = IsUnnamedDocument(name);
    resize(337, 361);
    setUpMemoIni();
    connectMenus();
}

TMDIChild::~TMDIChild() = default;

void TMDIChild::setUpMemoIni()
{
    MemoIni->setObjectName(QStringLiteral("MemoIni"));
    QFont font(QStringLiteral("Courier New"), 9);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    MemoIni->setFont(font);
    MemoIni->setLineWrapMode(QPlainTextEdit::NoWrap);
    MemoIni->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    MemoIni->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    MemoIni->installEventFilter(this);
    MemoIni->viewport()->installEventFilter(this);
    ShowFlagLineToolTips(MemoIni, [this] { return windowTitle(); });

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    setUpBars(layout);
    layout->addWidget(MemoIni);
    m_findBar = new FindBar(MemoIni, this);
    layout->addWidget(m_findBar);
    setFocusProxy(MemoIni);
}

void TMDIChild::connectMenus()
{
    // Every item runs through the command guard: a failure is reported and
    // the document goes on.
    const auto onChoose = [this](QAction *item, void (TMDIChild::*handler)()) {
        connect(item, &QAction::triggered, this,
                [this, handler] { runCommand(this, [this, handler] { (this->*handler)(); }); });
    };
    onChoose(m_menus.Close1, &TMDIChild::Close1Click);
    onChoose(m_menus.Save1, &TMDIChild::Save1Click);
    onChoose(m_menus.Saveas1, &TMDIChild::Saveas1Click);
    onChoose(m_menus.Print1, &TMDIChild::Print1Click);
    onChoose(m_menus.Printersetup1, &TMDIChild::Printersetup1Click);
    onChoose(m_menus.Exit1, &TMDIChild::Exit1Click);
    onChoose(m_menus.Cut1, &TMDIChild::Cut1Click);
    onChoose(m_menus.Copy1, &TMDIChild::Copy1Click);
    onChoose(m_menus.Paste1, &TMDIChild::Paste1Click);
    onChoose(m_menus.Delete1, &TMDIChild::Delete1Click);
    onChoose(m_menus.Selectall1, &TMDIChild::Selectall1Click);
    onChoose(m_menus.Find1, &TMDIChild::Find1Click);
    onChoose(m_menus.Gotoline1, &TMDIChild::Gotoline1Click);
    onChoose(m_menus.OpenBitEditor1, &TMDIChild::OpenBitEditor1Click);
    connect(m_menus.MI_KeepLayout, &QAction::triggered, this,
            [this](bool keep) { runCommand(this, [this, keep] { MI_KeepLayoutClick(keep); }); });
    FollowTextAreaForEditItems(m_menus, MemoIni);
}

bool TMDIChild::HasUnsavedChanges() const
{
    return m_iniFile && (m_iniFile->isModified() || MemoIni->document()->isModified());
}

bool TMDIChild::HasTypedText() const
{
    return MemoIni->document()->isModified();
}

bool TMDIChild::event(QEvent *event)
{
    if (event->type() == UM_ReEnabled) {
        runCommand(this, [this] { UM_ReEnabled_Do(); });
        return true;
    }
    return QWidget::event(event);
}

bool TMDIChild::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == MemoIni && event->type() == QEvent::ShortcutOverride) {
        // The text area claims Ctrl+C, Ctrl+V, Ctrl+X and Ctrl+A for itself;
        // refusing them here lets the menu items take their keys first.
        if (m_menus.itemCarrying(static_cast<const QKeyEvent &>(*event))) {
            event->ignore();
            return true;
        }
    }
    if (watched == MemoIni && event->type() == QEvent::KeyPress)
        return MemoIniKeyPress(static_cast<const QKeyEvent &>(*event));
    if (watched == MemoIni->viewport() && event->type() == QEvent::MouseButtonDblClick) {
        const auto &click = static_cast<const QMouseEvent &>(*event);
        if (click.button() == Qt::LeftButton) {
            const QPoint pos = click.position().toPoint();
            runCommand(this, [this, pos] { MemoIniDblClick(pos); });
        }
    }
    return QWidget::eventFilter(watched, event);
}

// A key press reaches the text area only when no menu item took it as a
// shortcut (the menus are not in a menu bar): the item's key then still
// does what the item does, and nothing else. The character codes 3 and 22
// copy and paste whichever keys produced them (Ctrl+Shift+C, for one).
bool TMDIChild::MemoIniKeyPress(const QKeyEvent &key)
{
    if (key.matches(QKeySequence::InsertLineSeparator)) {
        breakLine();
        return true;
    }
    if (QAction *item = m_menus.itemCarrying(key)) {
        item->trigger();
        return true;
    }
    if (key.text() == QChar(3)) {
        Copy1Click();
        return true;
    }
    if (key.text() == QChar(22)) {
        Paste1Click();
        return true;
    }
    return false;
}

// Shift+Enter would put a line separator (U+2028) into the line, which the
// text keeps as a character of that line; a typed break starts a new line,
// as Enter does, and so is saved as CR LF.
void TMDIChild::breakLine()
{
    QTextCursor caret = MemoIni->textCursor();
    caret.insertBlock();
    MemoIni->setTextCursor(caret);
    MemoIni->ensureCursorVisible();
}

// A double click on a flag line opens its flag word in a new bit editor
// window; on any other line it only selects the word, as text areas do.
void TMDIChild::MemoIniDblClick(const QPoint &pos)
{
    openFlagWordOnLine(TextAreaLineAt(MemoIni, pos));
}

// From the keyboard: the caret's line, as a double click on it.
void TMDIChild::OpenBitEditor1Click()
{
    openFlagWordOnLine(MemoIni->textCursor().blockNumber());
}

void TMDIChild::openFlagWordOnLine(int line)
{
    // Keeping the layout, the file's own lines are read as the in-memory INI
    // file holds them, so the bit editor writes to the line it came from.
    const std::optional<TFlagWordLocation> flagWord =
        m_iniFile && m_iniFile->keepsLayout()
            ? FindFlagWord([this](int number) { return LineAsLoaded(TextAreaLine(MemoIni, number)); }, line)
            : FlagWordOnLine(MemoIni, line);
    if (!flagWord)
        return;
    auto *editor = new TMDIChildBit(this);
    editor->IniFile = m_iniFile.get();
    editor->OpenFlagWord(windowTitle(), *flagWord);
}

void TMDIChild::Close1Click()
{
    // As the close box: the frame around the document closes and asks us.
    if (auto *frame = qobject_cast<QMdiSubWindow *>(parentWidget()))
        frame->close();
    else
        close();
}

void TMDIChild::Print1Click()
{
    const QStringList lines = IniPrintout::countedLines(TextAreaText(MemoIni));
    if (lines.isEmpty()) {
        inform(QStringLiteral("File empty, will not be printed!"));
        return;
    }
    QPrinter &printer = applicationPrinter();
    if (!desktop().printDialog(this, printer))
        return;
    printer.setDocName(windowTitle());
    const QString heading = IniPrintout::heading(m_printClock(), QLocale(), windowTitle());
    PrintPlainText(printer, IniPrintout::printedLines(heading, lines), MemoIni->font());
}

void TMDIChild::Printersetup1Click()
{
    desktop().printerSetupDialog(this, applicationPrinter());
}

// Leaving the program is closing its main window, which asks about the
// document's changes first.
void TMDIChild::Exit1Click()
{
    window()->close();
}

void TMDIChild::Cut1Click()
{
    MemoIni->cut();
}

void TMDIChild::Copy1Click()
{
    MemoIni->copy();
}

void TMDIChild::Paste1Click()
{
    MemoIni->paste();
}

void TMDIChild::Delete1Click()
{
    MemoIni->textCursor().removeSelectedText();
}

void TMDIChild::Selectall1Click()
{
    MemoIni->selectAll();
}

void TMDIChild::Find1Click()
{
    m_findBar->open();
}

void TMDIChild::Gotoline1Click()
{
    AskAndGoToLine(MemoIni);
}

void TMDIChild::UM_ReEnabled_Do()
{
    if (!m_iniFile) {
        inform(QStringLiteral("No Init file created!"));
        return;
    }
    // Keeping the layout, the lines written are all that changed, unless the text was typed in.
    const std::vector<TLineEdit> edits = m_iniFile->takeLineEdits();
    if (m_iniFile->keepsLayout() && !HasTypedText())
        ApplyLineEdits(MemoIni, edits);
    else
        ReplaceTextKeepingView(MemoIni, m_iniFile->shownText());
    MemoIni->document()->setModified(false); // the text is the model's again
}

void TMDIChild::inform(const QString &text)
{
    desktop().message(this, {MessageKind::Information, text, {MessageButton::Ok}, {}});
}
