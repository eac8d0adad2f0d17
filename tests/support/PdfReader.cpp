#include "support/PdfReader.h"

#include <QProcess>
#include <QRegularExpression>
#include <stdexcept>

namespace {

QString run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished() || process.exitCode() != 0)
        throw std::runtime_error("poppler-utils failed on the printed file");
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace

int pdfPageCount(const QString &path)
{
    return pdfInfo(path, QStringLiteral("Pages")).toInt();
}

QString pdfInfo(const QString &path, const QString &field)
{
    const QRegularExpression line(QStringLiteral("^") + QRegularExpression::escape(field) + QStringLiteral(":[ \\t]*(.*?)\\s*$"),
                                  QRegularExpression::MultilineOption);
    return line.match(run(QStringLiteral("pdfinfo"), {path})).captured(1);
}

QSizeF pdfPageSize(const QString &path)
{
    // "841.89 x 595.276 pts (A4)"
    const QStringList parts = pdfInfo(path, QStringLiteral("Page size")).split(u' ');
    return parts.size() >= 3 ? QSizeF(parts[0].toDouble(), parts[2].toDouble()) : QSizeF();
}

QString pdfText(const QString &path)
{
    return run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
}
