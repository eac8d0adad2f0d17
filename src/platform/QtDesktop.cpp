#include "platform/QtDesktop.h"

#include "platform/BusyCursor.h"

#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPushButton>
#include <QUrl>
#include <algorithm>
#include <limits>

namespace {

// Every dialog and message box is shown through here: a command's wait
// cursor gives way to the normal one while the user answers.
int execWithNormalCursor(QDialog &dialog)
{
    const TNormalCursor normal;
    return dialog.exec();
}

QMessageBox::Icon iconOf(MessageKind kind)
{
    switch (kind) {
    case MessageKind::Warning:
        return QMessageBox::Warning;
    case MessageKind::Error:
        return QMessageBox::Critical;
    case MessageKind::Information:
        return QMessageBox::Information;
    case MessageKind::Confirmation:
        return QMessageBox::Question;
    case MessageKind::Plain:
        break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::ButtonRole roleOf(MessageButton button)
{
    switch (button) {
    case MessageButton::Ok:
        return QMessageBox::AcceptRole;
    case MessageButton::Yes:
        return QMessageBox::YesRole;
    case MessageButton::No:
        return QMessageBox::NoRole;
    case MessageButton::Cancel:
        break;
    }
    return QMessageBox::RejectRole;
}

std::optional<QString> runFileDialog(QWidget *parent, const FileDialogRequest &request, QFileDialog::AcceptMode mode)
{
    QFileDialog dialog(parent);
    dialog.setAcceptMode(mode);
    dialog.setNameFilters(qtNameFilters(request.filter));
    const QStringList filters = dialog.nameFilters();
    if (request.filterIndex >= 1 && request.filterIndex <= filters.size())
        dialog.selectNameFilter(filters.at(request.filterIndex - 1));
    if (!request.initialDir.isEmpty())
        dialog.setDirectory(request.initialDir);
    if (!request.fileName.isEmpty())
        dialog.selectFile(request.fileName);
    dialog.setFileMode(request.mustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    // The system asks its own overwrite question where it wants one.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    // Read-only files are refused by the caller, once the default extension is added.
    if (execWithNormalCursor(dialog) == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
        return dialog.selectedFiles().constFirst();
    return std::nullopt;
}

} // namespace

QStringList qtNameFilters(const QString &filter)
{
    QStringList result;
    const QStringList parts = filter.split(u'|');
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString &label = parts.at(i);
        QString patterns = parts.at(i + 1);
        patterns.replace(u';', u' ');
        patterns.replace(QStringLiteral("*.*"), QStringLiteral("*"));
        const QString shown = QStringLiteral(" (") + patterns + u')';
        // "Init file (*.ini)" already shows its pattern.
        result << (label.endsWith(shown) ? label : label + shown);
    }
    return result;
}

std::optional<QString> QtDesktop::chooseOpenFile(QWidget *parent, const FileDialogRequest &request)
{
    return runFileDialog(parent, request, QFileDialog::AcceptOpen);
}

std::optional<QString> QtDesktop::chooseSaveFile(QWidget *parent, const FileDialogRequest &request)
{
    return runFileDialog(parent, request, QFileDialog::AcceptSave);
}

MessageButton QtDesktop::showMessage(QWidget *parent, const MessageRequest &request)
{
    QMessageBox box(iconOf(request.kind), request.title, request.text, QMessageBox::NoButton, parent);
    QList<std::pair<QAbstractButton *, MessageButton>> buttons;
    for (MessageButton button : request.buttons)
        buttons.append({box.addButton(buttonCaption(button), roleOf(button)), button});
    execWithNormalCursor(box);
    for (const auto &[widget, button] : buttons) {
        if (box.clickedButton() == widget)
            return button;
    }
    // Closed by Esc or the close box: the last button answers (Cancel, No or OK).
    return request.buttons.isEmpty() ? MessageButton::Cancel : request.buttons.constLast();
}

bool QtDesktop::printDialog(QWidget *parent, QPrinter &printer)
{
    QPrintDialog dialog(&printer, parent);
    // Every printout prints all its pages.
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    return execWithNormalCursor(dialog) == QDialog::Accepted;
}

bool QtDesktop::printerSetupDialog(QWidget *parent, QPrinter &printer)
{
    QPageSetupDialog dialog(&printer, parent);
    return execWithNormalCursor(dialog) == QDialog::Accepted;
}

std::optional<int> QtDesktop::askNumber(QWidget *parent, const NumberRequest &request)
{
    QInputDialog dialog(parent);
    SetUpNumberDialog(dialog, request);
    if (execWithNormalCursor(dialog) != QDialog::Accepted)
        return std::nullopt;
    return dialog.intValue();
}

void SetUpNumberDialog(QInputDialog &dialog, const NumberRequest &request)
{
    dialog.setWindowTitle(request.title);
    dialog.setLabelText(request.label);
    dialog.setInputMode(QInputDialog::IntInput);
    // A spin box limited to the request drops the key that would pass its
    // maximum: 999 typed for at most 197 would read 99.
    dialog.setIntRange(std::min(request.minimum, 0), std::numeric_limits<int>::max());
    dialog.setIntValue(request.value);
    dialog.setOkButtonText(buttonCaption(MessageButton::Ok));
    dialog.setCancelButtonText(buttonCaption(MessageButton::Cancel));
}

bool QtDesktop::runDialog(QDialog &dialog)
{
    const TNormalCursor normal;
    return dialog.exec() == QDialog::Accepted;
}

bool QtDesktop::shellOpen(QWidget *, const QString &target)
{
    const QUrl url = target.contains(QStringLiteral("://")) ? QUrl(target)
                                                            : QUrl::fromLocalFile(QFileInfo(target).absoluteFilePath());
    if (url.isLocalFile() && !QFileInfo::exists(url.toLocalFile()))
        return false;
    return QDesktopServices::openUrl(url);
}

IDesktop &qtDesktop()
{
    static QtDesktop qt;
    return qt;
}
