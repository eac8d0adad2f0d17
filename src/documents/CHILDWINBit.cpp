#include "documents/CHILDWINBit.h"

#include "documents/FlagWordOpening.h"
#include "documents/IniModel.h"
#include "documents/ReEnabledEvent.h"
#include "documents/WindowCascade.h"
#include "flags/BitFrames.h"
#include "grid/CellGrid.h"
#include "platform/CommandGuard.h"

#include <QAction>
#include <QCloseEvent>
#include <QMenu>
#include <QScopeGuard>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QUndoStack>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// An owned window: on X11 only a dialog-type window carries the
// WM_TRANSIENT_FOR that keeps it above the main window, and as a transient
// it has no task bar entry of its own. Minimizing is left out, since an
// owned window has no entry to come back from.
constexpr Qt::WindowFlags OwnedWindowFlags = Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                                           | Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint;

// A window's title bar: as the window manager draws it, or where none is
// known yet, as tall as the style draws one.
int titleBarHeight(const QWidget *window)
{
    const int frameTop = window->geometry().top() - window->frameGeometry().top();
    return std::max(frameTop, window->style()->pixelMetric(QStyle::PM_TitleBarHeight));
}

// A window as the screen holds it, with its title bar and frame.
QSize outerSize(const QWidget *window)
{
    const QRect inner = window->geometry();
    const QRect outer = window->frameGeometry();
    return window->size() + QSize(outer.width() - inner.width(), titleBarHeight(window) + outer.bottom() - inner.bottom());
}

} // namespace

TMDIChildBit::TMDIChildBit(QWidget *documentWindow)
    : QWidget(documentWindow, OwnedWindowFlags)
    , TBitFrame1(new TBitFrame(this))
    , SaveInit1(new QAction(QStringLiteral("Save &Init"), this))
    , DocumentWindow(documentWindow)
{
    setObjectName(QStringLiteral("MDIChildBit"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Untergeordnetes Bit MDI"));
    resize(565, 719);

    TBitFrame1->setObjectName(QStringLiteral("TBitFrame1"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(TBitFrame1);
    resize(std::max(width(), tableFittingWidth()), height());
    move(initialPlace());

    SaveInit1->setObjectName(QStringLiteral("SaveInit1"));
    QMenu *popup = TBitFrame1->PopupBits;
    popup->insertAction(popup->actions().at(3), SaveInit1);
    connect(SaveInit1, &QAction::triggered, this, [this] { runCommand(this, [this] { SaveInit1Click(); }); });

    addFocusKeys();
    TBitFrame1->GridBits->setFocus();
    show();
    // Keys go to the new editor, also where no window manager activates it.
    activateWindow();
}

TMDIChildBit::~TMDIChildBit() = default;

// The document's MDI area takes Ctrl+Tab and Ctrl+Shift+Tab application-
// wide, before any control of this window sees them, to switch its own
// windows. As shortcuts of this window they come first and move the focus
// on, as the table leaves with them.
void TMDIChildBit::addFocusKeys()
{
    const auto addKeys = [this](const QList<QKeySequence> &keys, bool forward) {
        auto *step = new QAction(this);
        step->setShortcuts(keys);
        step->setShortcutContext(Qt::WindowShortcut);
        connect(step, &QAction::triggered, this, [this, forward] { focusNextPrevChild(forward); });
        addAction(step);
    };
    addKeys({QKeySequence(Qt::CTRL | Qt::Key_Tab)}, true);
    addKeys({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab)},
            false);
}

// Every column of the table beside its vertical scroll bar, inside the
// grid's frame and the margins the window keeps around the grid; the
// stored column widths stay as they are.
int TMDIChildBit::tableFittingWidth()
{
    const TCellGrid *grid = TBitFrame1->GridBits;
    // Before the window is first shown a layout places its widgets, but
    // their own layouts wait for the show: lay them out outermost first.
    QList<QWidget *> outerWidgets;
    for (QWidget *outer = grid->parentWidget(); outer; outer = outer == this ? nullptr : outer->parentWidget())
        outerWidgets.prepend(outer);
    for (QWidget *outer : outerWidgets) {
        if (outer->layout())
            outer->layout()->activate();
    }
    const int margins = width() - grid->width();
    return margins + 2 * grid->frameWidth() + grid->Columns.TotalWidth() + grid->verticalScrollBar()->sizeHint().width();
}

// Editors stand beside the document window, so that it stays in sight,
// and below the main window's title bar, so that its buttons stay free.
QPoint TMDIChildBit::initialPlace() const
{
    const QWidget *document = parentWidget();
    const QScreen *screen = document ? document->window()->screen() : nullptr;
    if (!screen)
        return pos();
    // Inside the MDI area the document's frame is the window the user sees.
    const QWidget *frame = document->isWindow() || !document->parentWidget() ? document : document->parentWidget();
    const QRect documentRect(frame->mapToGlobal(QPoint(0, 0)), frame->size());
    const QWidget *mainWindow = document->window();
    const QRect titleBar(mainWindow->frameGeometry().topLeft(), QSize(mainWindow->frameGeometry().width(),
                                                                      titleBarHeight(mainWindow)));
    QList<QPoint> taken;
    const TMDIChildBit *previous = nullptr;
    for (const TMDIChildBit *editor : document->findChildren<TMDIChildBit *>(Qt::FindDirectChildrenOnly)) {
        if (editor != this && editor->isVisible()) {
            taken << editor->pos();
            previous = editor;
        }
    }
    // A step of the cascade is the height of the title bar that the editor before has.
    return BitEditorPlace(outerSize(this), documentRect, screen->availableGeometry(), titleBar,
                          titleBarHeight(previous ? previous : this),
                          previous ? std::optional<QPoint>(previous->pos()) : std::nullopt, taken);
}

void TMDIChildBit::OpenFlagWord(const QString &documentTitle, const TFlagWordLocation &flagWord)
{
    setWindowTitle(FlagWordTitle(documentTitle, flagWord));
    // The window's history starts with the line's value, also when that
    // value is refused.
    const auto startHistory = qScopeGuard([this] { TBitFrame1->UndoStack()->clear(); });
    OpenFlagWordInFrame(*TBitFrame1, documentTitle, flagWord);
}

void TMDIChildBit::SaveInit1Click()
{
    if (!IniFile)
        return;
    // A name still being typed counts: the popup menu leaves the editor open.
    TBitFrame1->GridBits->ApplyEditing();
    const QString value = TBitFrame1->FlagHexA() + u',' + TBitFrame1->FlagPrefix() + u';' + TBitFrame1->FlagNote();
    IniFile->write(TBitFrame1->Section(), TBitFrame1->FlagLabel(), value);
    notifyDocument();
}

void TMDIChildBit::closeEvent(QCloseEvent *event)
{
    runCommand(this, [this] { FormCloseQuery(); });
    event->accept();
}

// Every close request, with or without INI file, makes the document show
// its rebuilt text; unsaved changes of the flag word are dropped.
void TMDIChildBit::FormCloseQuery()
{
    notifyDocument();
}

void TMDIChildBit::notifyDocument()
{
    if (DocumentWindow)
        SendReEnabled(DocumentWindow, TBitFrame1->HexValue());
}
