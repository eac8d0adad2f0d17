#pragma once

#include "documents/DocumentMenus.h"
#include "documents/IniModel.h"

#include <QDateTime>
#include <QWidget>
#include <functional>
#include <memory>

class FindBar;
class QKeyEvent;
class QPlainTextEdit;
class QVBoxLayout;
class TNoticeBar;

// The INI text document window: one INI file as editable plain text. It
// owns the in-memory INI file from which the text is rebuilt (or, keeping
// the layout, shown as the file holds it) and through which the file is
// written on Save and, when something changed, on Close. Bars above the
// text tell when Save would drop the file's layout and when another
// program changed the file.
class TMDIChild : public QWidget
{
    Q_OBJECT

public:
    // Titled `name`: the full path of the file, or "NONAME" and a number.
    explicit TMDIChild(const QString &name, QWidget *parent = nullptr);
    ~TMDIChild() override;

    // When a file named by the title exists, creates the in-memory INI file
    // for it and shows its rebuilt text. A file that cannot be read raises
    // FileOpenError and leaves the document empty and without INI file.
    void LoadExistingFile();

    // Present exactly when the document was loaded from an existing file.
    TIniModel *IniFile() const { return m_iniFile.get(); }
    QList<QMenu *> menus() const { return m_menus.menus(); }
    // Whether Close would write something new: text typed, or a flag word
    // written by a bit editor, since the file was read or last written.
    bool HasUnsavedChanges() const;
    // Whether the text was typed in since it was shown or last written.
    bool HasTypedText() const;

    QPlainTextEdit *const MemoIni;

    // The clock the print heading reads; the local time unless replaced.
    void SetPrintClock(std::function<QDateTime()> Now) { m_printClock = std::move(Now); }

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void setUpMemoIni();
    void setUpBars(QVBoxLayout *layout);
    void connectMenus();
    void showFile();
    void fileChanged();
    void reloadFile();
    void MI_KeepLayoutClick(bool keep);
    bool switchLayout(bool keep);
    bool mayDropChanges();
    bool mayOverwriteFile();
    void writeIniFile();

    void Close1Click();
    void Save1Click();
    void Saveas1Click();
    void Print1Click();
    void Printersetup1Click();
    void Exit1Click();
    void Cut1Click();
    void Copy1Click();
    void Paste1Click();
    void Delete1Click();
    void Selectall1Click();
    void Find1Click();
    void Gotoline1Click();
    void OpenBitEditor1Click();
    bool MemoIniKeyPress(const QKeyEvent &key);
    void MemoIniDblClick(const QPoint &pos);
    void openFlagWordOnLine(int line);
    bool FormClose();
    bool closeKeepingTypedText();
    bool closeWithoutWriting();
    bool saveAs();
    bool writeTextTo(const QString &name);
    void UM_ReEnabled_Do();

    void breakLine();
    void inform(const QString &text);
    TextEncoding documentEncoding() const;

    TDocumentMenus m_menus;
    FindBar *m_findBar = nullptr;
    TNoticeBar *m_changedOnDiskBar = nullptr;
    TNoticeBar *m_keepLayoutBar = nullptr;
    std::unique_ptr<TIniModel> m_iniFile;
    bool m_unnamed = false; // a new document that Save As must name first
    std::function<QDateTime()> m_printClock = &QDateTime::currentDateTime;
};
