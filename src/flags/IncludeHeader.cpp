#include "flags/IncludeHeader.h"

#include "util/PathHelpers.h"

#include <QStringList>

namespace {

QString defineLine(const QString &name, const QString &hexValue, const QString &comment)
{
    return QStringLiteral("#define ") + PaddedConstantName(name) + QStringLiteral(" 0x") + hexValue +
           QStringLiteral("u /* ") + BlockCommentText(comment) + QStringLiteral(" */");
}

} // namespace

QString IncludeGuardName(const QString &headerFileName)
{
    // The fixed start keeps the name an identifier that no program reserves,
    // whatever the file name begins with.
    QString guard = QStringLiteral("TARVEX_");
    for (const QChar ch : FileNamePart(headerFileName))
        guard += IsIdentifierCharacter(ch) ? ch.toUpper() : QChar(u'_');
    return guard;
}

QString BlockCommentText(const QString &text)
{
    QString safe = IncludeOneLine(text);
    // Replaced until none is left: "*/*/" would otherwise keep one.
    while (safe.contains(QStringLiteral("*/")) || safe.contains(QStringLiteral("/*"))) {
        safe.replace(QStringLiteral("*/"), QStringLiteral("* /"));
        safe.replace(QStringLiteral("/*"), QStringLiteral("/ *"));
    }
    return safe;
}

QString CHeaderText(const TIncludeSource &source)
{
    const QString guard = IncludeGuardName(IncludeFileName(source.flagFileBase, source.bottomUp, TIncludeForm::C));
    const QString prefix = IncludeConstantPrefix(source.prefixText);
    QStringList lines{QStringLiteral("#ifndef ") + guard, QStringLiteral("#define ") + guard};
    // Block comments: a "//" line whose key ends in "\" (or the trigraph
    // "??/") would carry the next line into the comment.
    for (const QString &comment : IncludeCommentTexts(source))
        lines << QStringLiteral("/* ") + BlockCommentText(comment) + QStringLiteral(" */");
    for (const TNamedIncludeRow &row : NamedIncludeRows(source)) {
        lines << defineLine(prefix + row.name, row.cells->hexValue, row.cells->usedFor);
        for (const TFieldValueConstant &constant : FieldValueConstants(row))
            lines << defineLine(prefix + constant.name, constant.hexValue, constant.description);
    }
    lines << defineLine(prefix + QStringLiteral("Default"), source.flagWordHex, QStringLiteral("Default set bits"));
    lines << QStringLiteral("#endif");
    return lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}
