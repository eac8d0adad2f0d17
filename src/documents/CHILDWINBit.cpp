#include "documents/CHILDWINBit.h"

#include "documents/FlagWordOpening.h"
#include "documents/IniModel.h"
#include "documents/ReEnabledEvent.h"
#include "flags/BitFrames.h"
#include "grid/CellGrid.h"
#include "platform/CommandGuard.h"

#include <QAction>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QMenu>
#include <QVBoxLayout>

namespace {

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
    : QWidget(documentWindow, Qt::Window)
    , TBitFrame1(new TBitFrame(this))
    , SaveInit1(new QAction(QStringLiteral("Save &Init"), this))
    , DocumentWindow(documentWindow)
{
    setObjectName(QStringLiteral("MDIChildBit"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Untergeordnetes Bit MDI"));
    resize(565, 719);
    move(onScreen(QRect(QPoint(827, 144), size())));

    TBitFrame1->setObjectName(QStringLiteral("TBitFrame1"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(TBitFrame1);

    SaveInit1->setObjectName(QStringLiteral("SaveInit1"));
    QMenu *popup = TBitFrame1->PopupBits;
    popup->insertAction(popup->actions().at(3), SaveInit1);
    connect(SaveInit1, &QAction::triggered, this, [this] { runCommand(this, [this] { SaveInit1Click(); }); });

    TBitFrame1->GridBits->setFocus();
    show();
}

TMDIChildBit::~TMDIChildBit() = default;

void TMDIChildBit::OpenFlagWord(const QString &documentTitle, const TFlagWordLocation &flagWord)
{
    setWindowTitle(FlagWordTitle(documentTitle, flagWord));
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
