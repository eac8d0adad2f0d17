#pragma once

#include "platform/Desktop.h"

#include <QPageLayout>
#include <deque>
#include <functional>
#include <vector>

// A desktop for tests: records every call and answers from a script, so
// no test ever waits for a person. Unscripted file dialogs are cancelled,
// unscripted message boxes answer with their first button.
class ScriptedDesktop : public IDesktop
{
public:
    enum class CallKind { OpenDialog, SaveDialog, Message, PrintDialog, PrinterSetupDialog, ShellOpen };

    struct Call
    {
        CallKind kind;
        FileDialogRequest dialog; // file dialogs
        MessageRequest message;   // message boxes, title filled in
        QString target;           // shell open
    };

    ScriptedDesktop(); // installs itself as the process's desktop
    ~ScriptedDesktop() override; // and restores the Qt one

    std::deque<std::optional<QString>> fileAnswers;
    std::deque<MessageButton> messageAnswers;
    std::deque<bool> printAnswers;
    // A confirmed print dialog chooses printing to this PDF file; while
    // it is empty, the dialog leaves no printer chosen.
    QString printFileName;
    // A confirmed printer setup turns the page to this orientation.
    std::optional<QPageLayout::Orientation> setupOrientation;
    bool shellSucceeds = true;
    // Answers to number questions; unscripted ones are cancelled.
    std::deque<std::optional<int>> numberAnswers;
    std::vector<NumberRequest> numberQuestions;
    // Each fills in the dialog it is given and answers whether it is
    // confirmed; unscripted dialogs are cancelled.
    std::deque<std::function<bool(QDialog &)>> dialogAnswers;

    const std::vector<Call> &calls() const { return m_calls; }
    std::vector<MessageRequest> messages() const;
    QStringList messageTexts() const;
    void clear() { m_calls.clear(); }

    bool printDialog(QWidget *parent, QPrinter &printer) override;
    bool printerSetupDialog(QWidget *parent, QPrinter &printer) override;
    std::optional<int> askNumber(QWidget *parent, const NumberRequest &request) override;
    bool shellOpen(QWidget *parent, const QString &target) override;
    bool runDialog(QDialog &dialog) override;

protected:
    std::optional<QString> chooseOpenFile(QWidget *parent, const FileDialogRequest &request) override;
    std::optional<QString> chooseSaveFile(QWidget *parent, const FileDialogRequest &request) override;
    MessageButton showMessage(QWidget *parent, const MessageRequest &request) override;

private:
    std::optional<QString> nextFileAnswer();
    bool nextPrintAnswer();

    std::vector<Call> m_calls;
};
