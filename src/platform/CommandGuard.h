#pragma once

#include <QString>
#include <functional>

class QWidget;

// Every command entry point (menu action, key or mouse handler, double
// click) runs through here: a failure abandons the command and is shown
// in the application's error report; the program continues. The wait
// cursor shows until the command returns.
void runCommand(QWidget *parent, const std::function<void()> &command);

// The report's text: the message, with "." added when its last character
// sorts after ".".
QString errorReportText(const QString &message);
