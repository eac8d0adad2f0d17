#pragma once

#include <QList>
#include <QString>
#include <optional>

class QPrinter;
class QWidget;

// Kinds of message box; each kind has its German title, Plain has none
// and is titled with the application title.
enum class MessageKind { Plain, Warning, Error, Information, Confirmation };
enum class MessageButton { Ok, Yes, No, Cancel };

struct MessageRequest
{
    MessageKind kind = MessageKind::Plain;
    QString text;
    QList<MessageButton> buttons{MessageButton::Ok};
    QString title; // empty: the kind's title
};

// A file dialog as the system describes it. The filter is the
// "Label|pattern|Label|pattern" list; FilterIndex counts from 1.
struct FileDialogRequest
{
    QString filter;
    int filterIndex = 1;
    QString defaultExtension; // ".ini"; appended to names typed without an extension
    QString initialDir;
    QString fileName;
    bool refuseReadOnly = false; // read-only files are not accepted (save dialogs)
    bool mustExist = false;
};

// A question for one whole number between minimum and maximum. The
// answer may lie outside them: a typed number is taken as typed, never
// cut to fit, so the caller refuses it where the user sees why.
struct NumberRequest
{
    QString title;
    QString label;
    int minimum = 0;
    int maximum = 0;
    int value = 0; // offered at first
};

// The desktop services the system calls: file dialogs, message boxes,
// print dialogs and the shell's "open". The real implementation talks to
// Qt; the scripted one answers tests.
class QDialog;

class IDesktop
{
public:
    virtual ~IDesktop() = default;

    // The absolute name of the chosen file, with the default extension
    // added; the chosen file's folder becomes the current directory. With
    // refuseReadOnly a read-only file is refused and the dialog asked again.
    std::optional<QString> openFileName(QWidget *parent, const FileDialogRequest &request);
    std::optional<QString> saveFileName(QWidget *parent, const FileDialogRequest &request);

    MessageButton message(QWidget *parent, const MessageRequest &request);
    virtual bool printDialog(QWidget *parent, QPrinter &printer) = 0;
    virtual bool printerSetupDialog(QWidget *parent, QPrinter &printer) = 0;
    // The number the user confirmed; nothing when cancelled.
    virtual std::optional<int> askNumber(QWidget *parent, const NumberRequest &request) = 0;
    // true when the shell could open the file or address.
    virtual bool shellOpen(QWidget *parent, const QString &target) = 0;
    // A dialog of the program's own, modal; true when the user confirmed it.
    virtual bool runDialog(QDialog &dialog) = 0;

protected:
    virtual std::optional<QString> chooseOpenFile(QWidget *parent, const FileDialogRequest &request) = 0;
    virtual std::optional<QString> chooseSaveFile(QWidget *parent, const FileDialogRequest &request) = 0;
    // The request arrives with its title filled in.
    virtual MessageButton showMessage(QWidget *parent, const MessageRequest &request) = 0;

private:
    using Chooser = std::optional<QString> (IDesktop::*)(QWidget *, const FileDialogRequest &);
    std::optional<QString> fileName(QWidget *parent, const FileDialogRequest &request, Chooser choose);
};

// The process-wide desktop; the Qt implementation unless a test installs another.
IDesktop &desktop();
// The Qt implementation (QtDesktop), made on first use.
IDesktop &qtDesktop();
void setDesktop(IDesktop *replacement); // nullptr restores the Qt implementation

QString messageTitle(MessageKind kind);
QString buttonCaption(MessageButton button);
// The program file's name up to its first dot.
QString applicationTitle();
