#pragma once

#include "app/MainActions.h"

#include <QMainWindow>
#include <QPointer>
#include <memory>

class QMdiArea;
class QMenu;
class TAboutBox;
class TActionStates;
class TCaretStatus;
class TMDIChild;
class TMenuMerger;

// The main window: a multiple-document frame holding at most one INI text
// document window, with the commands to create, open and arrange it.
class TMainForm : public QMainWindow
{
    Q_OBJECT

public:
    // Titled after the program file at `programFilePath`.
    explicit TMainForm(const QString &programFilePath, QWidget *parent = nullptr);
    ~TMainForm() override;

    // Creates the document window for `name` unless one exists; a file of
    // that name is loaded into it (a failure to read it is raised after the
    // window was created).
    void CreateIniDocument(const QString &name);
    // What Open does with the file its dialog chose: the current directory
    // moves to the file's folder and the document is created for its
    // absolute path.
    void OpenIniFile(const QString &fileName);
    // The document window of the current sub-window, or nullptr.
    TMDIChild *ActiveDocument() const;
    // The about box created last; the main window owns every one it created.
    TAboutBox *CurrentAboutBox() const;

    QMdiArea *const MdiArea;
    const TMainActions Actions;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void FormCreate(const QString &programFilePath);
    void createMenus();
    void createToolBar();
    void createStatusBar();
    void connectActions();

    void FileNew1Execute();
    void FileOpen1Execute();
    void FileClose1Execute();
    void FileExit1Execute();
    void EditCut1Execute();
    void EditCopy1Execute();
    void EditPaste1Execute();
    void HelpAbout1Execute();
    void Instruction1Click();

    void updateMenus();
    void updateWindowMenu();

    const QString m_programFilePath;
    QPointer<TAboutBox> m_currentAboutBox;
    QMenu *m_fileMenu = nullptr;
    QMenu *m_editMenu = nullptr;
    QMenu *m_windowMenu = nullptr;
    QMenu *m_helpMenu = nullptr;
    QList<QAction *> m_windowListItems;
    std::unique_ptr<TMenuMerger> m_menuMerger;
    TActionStates *m_actionStates = nullptr;
    TCaretStatus *m_caretStatus = nullptr;
};
