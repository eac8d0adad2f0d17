#pragma once

#include "flags/IncludeFile.h"

#include <QString>
#include <QStringList>
#include <optional>

// tarvex-include [--form pascal|cpp|c] [--bottom-up] [--output FILE] [--check] INI [SECTION KEY]
struct TIncludeArguments
{
    TIncludeForm form = TIncludeForm::Pascal;
    bool bottomUp = false;
    std::optional<QString> output; // "-": standard output
    bool check = false; // check only, write nothing
    QString iniFile;
    QString section; // with key: one flag word; both empty: every flag line
    QString key;
};

// What the command line asks for: the arguments, the help text, or a
// usage error's message.
struct TParsedArguments
{
    std::optional<TIncludeArguments> arguments;
    bool help = false;
    QString error;
};

TParsedArguments ParseIncludeArguments(const QStringList &commandLine);

QString IncludeUsageText();
