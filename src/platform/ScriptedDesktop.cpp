#include "platform/ScriptedDesktop.h"

#include <QPrinter>

ScriptedDesktop::ScriptedDesktop()
{
    setDesktop(this);
}

ScriptedDesktop::~ScriptedDesktop()
{
    setDesktop(nullptr);
}

std::vector<MessageRequest> ScriptedDesktop::messages() const
{
    std::vector<MessageRequest> result;
    for (const Call &call : m_calls) {
        if (call.kind == CallKind::Message)
            result.push_back(call.message);
    }
    return result;
}

QStringList ScriptedDesktop::messageTexts() const
{
    QStringList texts;
    for (const MessageRequest &message : messages())
        texts << message.text;
    return texts;
}

std::optional<QString> ScriptedDesktop::nextFileAnswer()
{
    std::optional<QString> answer;
    if (!fileAnswers.empty()) {
        answer.swap(fileAnswers.front());
        fileAnswers.pop_front();
    }
    return answer;
}

bool ScriptedDesktop::nextPrintAnswer()
{
    if (printAnswers.empty())
        return false;
    const bool answer = printAnswers.front();
    printAnswers.pop_front();
    return answer;
}

std::optional<QString> ScriptedDesktop::chooseOpenFile(QWidget *, const FileDialogRequest &request)
{
    m_calls.push_back({CallKind::OpenDialog, request, {}, {}});
    return nextFileAnswer();
}

std::optional<QString> ScriptedDesktop::chooseSaveFile(QWidget *, const FileDialogRequest &request)
{
    m_calls.push_back({CallKind::SaveDialog, request, {}, {}});
    return nextFileAnswer();
}

MessageButton ScriptedDesktop::showMessage(QWidget *, const MessageRequest &request)
{
    m_calls.push_back({CallKind::Message, {}, request, {}});
    if (!messageAnswers.empty()) {
        const MessageButton answer = messageAnswers.front();
        messageAnswers.pop_front();
        return answer;
    }
    return request.buttons.isEmpty() ? MessageButton::Ok : request.buttons.constFirst();
}

bool ScriptedDesktop::printDialog(QWidget *, QPrinter &printer)
{
    m_calls.push_back({CallKind::PrintDialog, {}, {}, {}});
    const bool confirmed = nextPrintAnswer();
    if (confirmed) {
        // Never a real printer: a test prints to a file or to nothing.
        printer.setPrinterName(QString());
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(printFileName);
    }
    return confirmed;
}

bool ScriptedDesktop::printerSetupDialog(QWidget *, QPrinter &printer)
{
    m_calls.push_back({CallKind::PrinterSetupDialog, {}, {}, {}});
    const bool confirmed = nextPrintAnswer();
    if (confirmed && setupOrientation)
        printer.setPageOrientation(*setupOrientation);
    return confirmed;
}

bool ScriptedDesktop::shellOpen(QWidget *, const QString &target)
{
    m_calls.push_back({CallKind::ShellOpen, {}, {}, target});
    return shellSucceeds;
}

std::optional<int> ScriptedDesktop::askNumber(QWidget *, const NumberRequest &request)
{
    numberQuestions.push_back(request);
    std::optional<int> answer;
    if (!numberAnswers.empty()) {
        answer = numberAnswers.front();
        numberAnswers.pop_front();
    }
    return answer;
}

bool ScriptedDesktop::runDialog(QDialog &dialog)
{
    if (dialogAnswers.empty())
        return false;
    const std::function<bool(QDialog &)> answer = std::move(dialogAnswers.front());
    dialogAnswers.pop_front();
    return answer(dialog);
}
