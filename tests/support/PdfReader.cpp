#include "support/PdfReader.h"

#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <stdexcept>

namespace {

QByteArray output(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished() || process.exitCode() != 0)
        throw std::runtime_error("poppler-utils failed on the printed file");
    return process.readAllStandardOutput();
}

QString run(const QString &program, const QStringList &arguments)
{
    return QString::fromUtf8(output(program, arguments));
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

QImage pdfPageImage(const QString &path, int dpi, const QRect &part)
{
    const QStringList arguments{QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-singlefile"),
                                QStringLiteral("-gray"), QStringLiteral("-r"), QString::number(dpi),
                                QStringLiteral("-x"), QString::number(part.x()), QStringLiteral("-y"),
                                QString::number(part.y()), QStringLiteral("-W"), QString::number(part.width()),
                                QStringLiteral("-H"), QString::number(part.height()), path};
    return QImage::fromData(output(QStringLiteral("pdftoppm"), arguments), "PGM");
}
