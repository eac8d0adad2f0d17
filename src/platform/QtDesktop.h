#pragma once

#include "platform/Desktop.h"

class QInputDialog;

// The desktop services through Qt's own dialogs, message boxes and
// QDesktopServices.
class QtDesktop : public IDesktop
{
public:
    bool printDialog(QWidget *parent, QPrinter &printer) override;
    bool printerSetupDialog(QWidget *parent, QPrinter &printer) override;
    std::optional<int> askNumber(QWidget *parent, const NumberRequest &request) override;
    bool shellOpen(QWidget *parent, const QString &target) override;
    bool runDialog(QDialog &dialog) override;

protected:
    std::optional<QString> chooseOpenFile(QWidget *parent, const FileDialogRequest &request) override;
    std::optional<QString> chooseSaveFile(QWidget *parent, const FileDialogRequest &request) override;
    MessageButton showMessage(QWidget *parent, const MessageRequest &request) override;
};

// The number question as askNumber shows it: any whole number from 0 up
// can be typed, and the buttons read "OK" and "Abbrechen" under every locale.
void SetUpNumberDialog(QInputDialog &dialog, const NumberRequest &request);

// "Label|pattern|Label|pattern" as Qt's name filters.
QStringList qtNameFilters(const QString &filter);
