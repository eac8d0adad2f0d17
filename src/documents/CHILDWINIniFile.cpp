// The document window's file: reading it, watching it for other programs'
// changes, the two ways of showing and writing it, and Close, Save and
// Save As.
#include "documents/CHILDWINIni.h"

#include "documents/CHILDWINBit.h"
#include "documents/DocumentQuestions.h"
#include "documents/FileWatch.h"
#include "documents/KeepLayoutSetting.h"
#include "documents/NoticeBar.h"
#include "documents/ReEnabledEvent.h"
#include "documents/TextAreaView.h"
#include "platform/CommandGuard.h"
#include "platform/Desktop.h"
#include "platform/FileIo.h"

#include <QAction>
#include <QCloseEvent>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QTextDocument>
#include <QVBoxLayout>

namespace {

FileDialogRequest SaveFileDialog()
{
    FileDialogRequest request;
    request.filter = QStringLiteral("Init file (*.ini)|*.ini|Plain text files (*.txt)|*.txt|All files|*.*");
    request.filterIndex = 1;
    request.defaultExtension = QStringLiteral(".ini");
    request.refuseReadOnly = true;
    return request;
}

// Lines separated by CR LF, none added after the last line.
QString withCrLf(QString text)
{
    return text.replace(u'\n', QStringLiteral("\r\n"));
}

} // namespace

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
    try {
        m_iniFile->loadFromFile();
    } catch (...) {
        // Nothing was read: the document stays as it was shown.
        m_iniFile->setKeepLayout(!keep);
        m_menus.MI_KeepLayout->setChecked(!keep);
        throw;
    }
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

void TMDIChild::closeEvent(QCloseEvent *event)
{
    bool closing = false;
    bool failed = true;
    runCommand(this, [this, &closing, &failed] {
        closing = FormClose();
        failed = false;
    });
    if (failed)
        closing = closeWithoutWriting();
    event->setAccepted(closing);
    // The bit editors end with the document, silently, before any event
    // could let one of them write into the INI file released by FormClose.
    if (closing)
        qDeleteAll(findChildren<TMDIChildBit *>(Qt::FindDirectChildrenOnly));
}

// true when the window may close. Only changes are written: an opened and
// closed file keeps every byte.
bool TMDIChild::FormClose()
{
    if (!m_iniFile)
        return closeKeepingTypedText();
    if (HasUnsavedChanges()) {
        if (!mayOverwriteFile())
            return false;
        writeIniFile();
    }
    m_iniFile.reset();
    return true;
}

// Text typed into a document without INI file is written only as Save As
// writes it; closing asks first instead of dropping it.
bool TMDIChild::closeKeepingTypedText()
{
    if (!HasTypedText())
        return true;
    switch (desktop().message(this, SaveChangesQuestion(windowTitle()))) {
    case MessageButton::Yes:
        return m_unnamed ? saveAs() : writeTextTo(windowTitle());
    case MessageButton::No:
        return true;
    case MessageButton::Ok:
    case MessageButton::Cancel:
        break;
    }
    return false;
}

// After the report that the file could not be written: a file that stays
// unwritable would otherwise keep the window open for good.
bool TMDIChild::closeWithoutWriting()
{
    if (!m_iniFile)
        return false;
    const MessageRequest question{
        MessageKind::Confirmation,
        QStringLiteral("Die Datei %1 kann nicht geschrieben werden. Fenster trotzdem schließen? Der Text wird nicht "
                       "gespeichert.")
            .arg(m_iniFile->fileName()),
        {MessageButton::Yes, MessageButton::No},
        {}};
    return desktop().message(this, question) == MessageButton::Yes;
}

void TMDIChild::Save1Click()
{
    if (!m_iniFile) {
        inform(QStringLiteral("No Init file exsist! Crate by Save as, please!"));
        return;
    }
    if (!mayOverwriteFile())
        return;
    writeIniFile();
    SendReEnabled(this);
}

void TMDIChild::Saveas1Click()
{
    saveAs();
}

// true when the text was written.
bool TMDIChild::saveAs()
{
    const std::optional<QString> chosen = desktop().saveFileName(this, SaveFileDialog());
    if (!chosen) {
        inform(QStringLiteral("No file will be created!"));
        return false;
    }
    return writeTextTo(*chosen);
}

// The text as shown, to `name`, which becomes the title; asks before an
// existing file is replaced. true when the text was written.
bool TMDIChild::writeTextTo(const QString &name)
{
    if (QFileInfo::exists(name)) {
        const MessageRequest question{MessageKind::Confirmation, QStringLiteral("File exists! Overwrite?"),
                                      {MessageButton::Yes, MessageButton::No}, {}};
        if (desktop().message(this, question) != MessageButton::Yes)
            return false;
    }
    TextEncoding encoding = documentEncoding();
    const QByteArray bytes = encodeText(withCrLf(TextAreaText(MemoIni)), encoding);
    writeFileAtomically(name, bytes);
    if (m_iniFile && QFileInfo(name).absoluteFilePath() == m_iniFile->fileName())
        m_iniFile->noteFileWritten(bytes);
    setWindowTitle(name);
    m_unnamed = false;
    // Without INI file the text is now on disk; with one, Close still writes the INI file.
    if (!m_iniFile)
        MemoIni->document()->setModified(false);
    return true;
}

// Save As writes in the encoding the document was read in; a new document is UTF-8.
TextEncoding TMDIChild::documentEncoding() const
{
    return m_iniFile ? m_iniFile->encoding() : TextEncoding{};
}
