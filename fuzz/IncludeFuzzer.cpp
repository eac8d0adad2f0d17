// The include generator and the definition checks on an INI file and a
// table file made from the input (the two parts split at the first form
// feed), opened as tarvex-include opens them: nothing crashes, and when the
// checks find nothing, the Pascal file and the C header read back to the
// constants of the named rows and the flag word.
#include "FuzzSupport.h"

#include "documents/FlagWordOpening.h"
#include "documents/ShownIniFile.h"
#include "flags/BitDefinitionFiles.h"
#include "flags/BitFrames.h"
#include "flags/DefinitionChecks.h"
#include "flags/IncludeText.h"
#include "platform/Errors.h"
#include "platform/TextCodec.h"

#include <QApplication>
#include <QFile>
#include <QRegularExpression>
#include <QStringEncoder>
#include <QTemporaryDir>

namespace {

QTemporaryDir *folder = nullptr;

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    require(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size(), "the fuzzer can write its files");
}

using Constants = QList<std::pair<QString, QString>>; // name and 8 hexadecimal digits

// What a program sees: the constants of the file's value lines, or none when
// a line after the comments is not a plain constant.
std::optional<Constants> readBack(const QString &text, const QRegularExpression &line, int firstLine, int lastLine)
{
    QStringList lines = text.split(QStringLiteral("\r\n"));
    lines.removeLast(); // after the last line end
    Constants constants;
    for (qsizetype i = firstLine; i < lines.size() - lastLine; ++i) {
        const QRegularExpressionMatch match = line.match(lines[i]);
        // A comment must not end early or open another one.
        if (!match.hasMatch() || match.captured(3).contains(QStringLiteral("*/")) ||
            match.captured(3).contains(QStringLiteral("/*")))
            return std::nullopt;
        constants.append({match.captured(1), match.captured(2)});
    }
    return constants;
}

Constants expectedConstants(const TIncludeSource &source)
{
    const QString prefix = IncludeConstantPrefix(source.prefixText);
    Constants constants;
    for (const TNamedIncludeRow &row : NamedIncludeRows(source))
        constants.append({prefix + row.name, row.cells->hexValue});
    constants.append({prefix + QStringLiteral("Default"), source.flagWordHex});
    return constants;
}

void checkFlagWord(const TShownIniFile &ini, int shown)
{
    TBitFrame frame;
    OpenFlagWordInFrame(frame, ini.fileName(), *ini.flagWordAt(shown), folder->path());
    const TIncludeSource source = frame.IncludeSource();
    const bool clean = CheckDefinitions(source, TIncludeForm::Pascal).empty() &&
                       CheckDefinitions(source, TIncludeForm::C).empty();
    const QString pascal = IncludeFileText(source, TIncludeForm::Pascal);
    const QString header = IncludeFileText(source, TIncludeForm::C);
    IncludeFileText(source, TIncludeForm::Cpp);
    if (!clean)
        return;
    static const QRegularExpression pascalLine(QStringLiteral("^([A-Za-z_][A-Za-z0-9_]*) *= \\$([0-9A-Fa-f]{8}); //"));
    static const QRegularExpression headerLine(
        QStringLiteral("^#define ([A-Za-z_][A-Za-z0-9_]*) +0x([0-9A-Fa-f]{8})u /\\* (.*) \\*/$"));
    const Constants expected = expectedConstants(source);
    require(readBack(pascal, pascalLine, 4, 0) == expected, "a clean Pascal file reads back to its constants");
    require(readBack(header, headerLine, 6, 1) == expected, "a clean C header reads back to its constants");
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    static int argc = 1;
    static char name[] = "include_fuzzer";
    static char *argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication application(argc, argv);
    folder = new QTemporaryDir;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray input = fuzzInput(data, size);
    const qsizetype split = input.indexOf('\f');
    const QString iniPath = folder->filePath(QStringLiteral("myapp_v2.ini"));
    writeFile(iniPath, split < 0 ? input : input.first(split));
    const QString table = split < 0 ? QString() : decodeText(input.sliced(split + 1)).text;
    try {
        const TShownIniFile ini(iniPath);
        for (const int shown : ini.flagWordLines()) {
            // The table file under the name the flag word gives its pair.
            TBitFrame namer;
            OpenFlagWordInFrame(namer, ini.fileName(), *ini.flagWordAt(shown), folder->path());
            QStringEncoder utf16(QStringConverter::Utf16LE);
            writeFile(TableFileName(namer.FlagFileBase()), QByteArray("\xFF\xFE") + QByteArray(utf16.encode(table)));
            checkFlagWord(ini, shown);
        }
    } catch (const TarvexError &) {
        // An invalid hex text or mask: the bit editor reports it, and so does tarvex-include.
    }
    return 0;
}
