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
#include <QGuiApplication>
#include <QMenu>
#include <QScopeGuard>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QUndoStack>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// The designed place of the first editor, screen pixels.
constexpr QPoint DesignedPlace(827, 144);

// An owned window: on X11 only a dialog-type window carries the
// WM_TRANSIENT_FOR that keeps it above the main window, and as a transient
// it has no task bar entry of its own. Minimizing is left out, since an
// owned window has no entry to come back from.
constexpr Qt::WindowFlags OwnedWindowFlags = Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                                           | Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint;

// The window's place moved, as far as it fits, onto the screen it is on.
QPoint onScreen(const QRect &wanted)
{
    const QScreen *screen = QGuiApplication::screenAt(wanted.topLeft());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return wanted.topLeft();
    const QRect available = screen->availableGeometry();
    return {qMax(available.left(), qMin(wanted.left(), available.right() - wanted.width())),
            qMax(available.top(), qMin(wanted.top(), available.bottom() - wanted.height()))};
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

    TBitFrame1->GridBits->setFocus();
    show();
    // Keys go to the new editor, also where no window manager activates it.
    activateWindow();
}

TMDIChildBit::~TMDIChildBit() = default;

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

// The first editor of a document opens at its designed place; a later one
// a title bar's height right of and below the editor opened before it.
QPoint TMDIChildBit::initialPlace() const
{
    QList<QPoint> taken;
    const TMDIChildBit *previous = nullptr;
    if (parentWidget()) {
        for (const TMDIChildBit *editor : parentWidget()->findChildren<TMDIChildBit *>(Qt::FindDirectChildrenOnly)) {
            if (editor != this && editor->isVisible()) {
                taken << editor->pos();
                previous = editor;
            }
        }
    }
    if (!previous || !previous->screen())
        return onScreen(QRect(DesignedPlace, size()));
    const int frameTop = previous->geometry().top() - previous->frameGeometry().top();
    const int titleBar = std::max(frameTop, style()->pixelMetric(QStyle::PM_TitleBarHeight));
    return CascadedPlace(previous->pos(), size(), previous->screen()->availableGeometry(), titleBar, taken);
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
