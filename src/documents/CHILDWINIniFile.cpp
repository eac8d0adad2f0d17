// The document window's file: reading it, watching it for other programs'
// changes, and the two ways of showing and writing it.
#include "documents/CHILDWINIni.h"

#include "documents/DocumentQuestions.h"
#include "documents/FileWatch.h"
#include "documents/KeepLayoutSetting.h"
#include "documents/NoticeBar.h"
#include "documents/TextAreaView.h"
#include "platform/CommandGuard.h"

#include <QAction>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QVBoxLayout>

void TMDIChild::setUpBars(QVBoxLayout *layout)
{
    m_changedOnDiskBar = new TNoticeBar(QStringLiteral("ChangedOnDiskBar"),
                                        QStringLiteral("Die Datei wurde außerhalb von Tarvex geändert."),
                                        QStringLiteral("BTN_Reload"), QStringLiteral("Neu laden"), this);
    connect(m_changedOnDiskBar, &TNoticeBar::acted, this, [this] { runCommand(this, [this] { reloadFile(); }); });
    layout->addWidget(m_changedOnDiskBar);

    m_keepLayoutBar = new TNoticeBar(
        QStringLiteral("KeepLayoutBar"),
        QStringLiteral("Speichern schreibt diese Datei neu geordnet: Kommentare, Leerzeilen, Text vor dem ersten "
                       "Abschnitt und Leerzeichen um \"=\" gehen verloren."),
        QStringLiteral("BTN_KeepLayout"), QStringLiteral("Beibehalten"), this);
    connect(m_keepLayoutBar, &TNoticeBar::acted, this, [this] { runCommand(this, [this] { switchLayout(true); }); });
    layout->addWidget(m_keepLayoutBar);
}

void TMDIChild::LoadExistingFile()
{
    if (!QFileInfo(windowTitle()).isFile())
        return; // a new name, or a folder: the document stays without INI file
    auto model = std::make_unique<TIniModel>(windowTitle());
    model->setKeepLayout(KeepLayoutChosen());
    model->loadFromFile();
    m_iniFile = std::move(model);
    showFile();
    new TFileWatch(m_iniFile->fileName(), [this] { fileChanged(); }, this);
}

// The text of the file just read, and the bar that tells what Save would drop from it.
void TMDIChild::showFile()
{
    SetTextAreaText(MemoIni, m_iniFile->shownText());
    m_iniFile->takeLineEdits(); // all shown
    MemoIni->document()->setModified(false);
    m_menus.MI_KeepLayout->setChecked(m_iniFile->keepsLayout());
    m_keepLayoutBar->setVisible(!m_iniFile->keepsLayout() && !m_iniFile->readInNormalForm());
    m_changedOnDiskBar->hide();
}

// Also told of this program's own writes, and of other files of the
// folder: only a file that differs from what was read or written counts.
void TMDIChild::fileChanged()
{
    if (m_iniFile && m_iniFile->changedOnDisk())
        m_changedOnDiskBar->show();
}

// The file as another program left it, in place of the text; the bit
// editors keep writing into the same in-memory INI file.
void TMDIChild::reloadFile()
{
    if (m_iniFile && mayDropChanges()) {
        m_iniFile->loadFromFile();
        showFile();
    }
}

// The menu item is this document's mode and the choice for documents opened later.
void TMDIChild::MI_KeepLayoutClick(bool keep)
{
    if (switchLayout(keep))
        ChooseKeepLayout(keep);
}

// Reads the file again to show it the other way; false when the user
// keeps the changes instead. Without INI file there is nothing to read.
bool TMDIChild::switchLayout(bool keep)
{
    if (!m_iniFile)
        return true;
    if (!mayDropChanges()) {
        m_menus.MI_KeepLayout->setChecked(m_iniFile->keepsLayout());
        return false;
    }
    m_iniFile->setKeepLayout(keep);
    m_iniFile->loadFromFile();
    showFile();
    return true;
}

bool TMDIChild::mayDropChanges()
{
    return !HasUnsavedChanges() ||
           desktop().message(this, DropChangesQuestion(m_iniFile->fileName())) == MessageButton::Yes;
}

// Before Save or Close writes over a file another program changed.
bool TMDIChild::mayOverwriteFile()
{
    return !m_iniFile->changedOnDisk() ||
           desktop().message(this, OverwriteChangedFileQuestion(m_iniFile->fileName())) == MessageButton::Yes;
}

// The text area's lines into the in-memory INI file, and that into the
// file. Keeping the layout, an untyped text already is the model's, byte
// for byte, with the file's own line ends.
void TMDIChild::writeIniFile()
{
    if (!m_iniFile->keepsLayout() || HasTypedText())
        m_iniFile->loadText(TextAreaText(MemoIni));
    m_iniFile->writeFile();
    m_changedOnDiskBar->hide(); // what another program wrote is written over
}
