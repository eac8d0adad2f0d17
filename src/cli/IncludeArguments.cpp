#include "cli/IncludeArguments.h"

#include <QCommandLineParser>

namespace {

std::optional<TIncludeForm> formNamed(const QString &name)
{
    if (name == QStringLiteral("pascal"))
        return TIncludeForm::Pascal;
    if (name == QStringLiteral("cpp"))
        return TIncludeForm::Cpp;
    if (name == QStringLiteral("c"))
        return TIncludeForm::C;
    return std::nullopt;
}

TParsedArguments usageError(const QString &message)
{
    return {std::nullopt, false, message};
}

} // namespace

QString IncludeUsageText()
{
    return QStringLiteral(
        "Usage: tarvex-include [--form pascal|cpp|c] [--bottom-up] [--output FILE] [--check] INI [SECTION KEY]\n"
        "Writes the include file of the flag word SECTION/KEY of INI, or of every flag line of INI,\n"
        "as the bit editor's \"&Include create\" does, and prints the paths it wrote.\n"
        "  --form pascal|cpp|c  Pascal constants (default), the CPP form, or a C header\n"
        "  --bottom-up          the same constants from the least significant bit up, as <base>.inc_up\n"
        "  --output FILE        write to FILE instead (- for standard output); needs SECTION KEY\n"
        "  --check              only check the bit definitions; exit status 1 when anything is found\n"
        "Exit status: 0 done, 1 findings with --check, 2 usage error, an invalid flag line, or a file or\n"
        "standard output that cannot be read or written.\n");
}

TParsedArguments ParseIncludeArguments(const QStringList &commandLine)
{
    QCommandLineParser parser;
    const QCommandLineOption form(QStringLiteral("form"), QString(), QStringLiteral("form"));
    const QCommandLineOption bottomUp(QStringLiteral("bottom-up"));
    const QCommandLineOption output(QStringLiteral("output"), QString(), QStringLiteral("file"));
    const QCommandLineOption check(QStringLiteral("check"));
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    parser.addOptions({form, bottomUp, output, check, help});
    if (!parser.parse(commandLine))
        return usageError(parser.errorText());
    if (parser.isSet(help))
        return {std::nullopt, true, {}};

    TIncludeArguments arguments;
    if (parser.isSet(form)) {
        const std::optional<TIncludeForm> chosen = formNamed(parser.value(form));
        if (!chosen)
            return usageError(QStringLiteral("unknown form \"%1\": pascal, cpp or c").arg(parser.value(form)));
        arguments.form = *chosen;
    }
    arguments.bottomUp = parser.isSet(bottomUp);
    arguments.check = parser.isSet(check);
    if (parser.isSet(output))
        arguments.output = parser.value(output);

    const QStringList positional = parser.positionalArguments();
    if (positional.size() != 1 && positional.size() != 3)
        return usageError(QStringLiteral("expected INI, or INI SECTION KEY"));
    arguments.iniFile = positional[0];
    if (positional.size() == 3) {
        arguments.section = positional[1];
        arguments.key = positional[2];
        if (arguments.section.isEmpty() || arguments.key.isEmpty())
            return usageError(QStringLiteral("SECTION and KEY must not be empty"));
    }
    if (arguments.output && arguments.section.isEmpty())
        return usageError(QStringLiteral("--output writes one flag word: give SECTION and KEY"));
    if (arguments.output && arguments.check)
        return usageError(QStringLiteral("--check writes nothing: --output does not go with it"));
    return {arguments, false, {}};
}
