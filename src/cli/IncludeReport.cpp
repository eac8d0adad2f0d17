#include "cli/IncludeReport.h"

#include <QIODevice>

namespace {

QString flagLineForm()
{
    return QStringLiteral("(KEY=$hex text,prefix;note with a section above it)");
}

QString flagWordName(const QString &section, const QString &key)
{
    return section + u'/' + key;
}

} // namespace

TIncludeReport::TIncludeReport(const QString &iniFile, QIODevice &device)
    : m_iniFile(iniFile)
    , m_device(device)
{
}

void TIncludeReport::findings(const TFlagWordPlace &place, const TIncludeSource &source,
                              const std::vector<TDefinitionFinding> &found)
{
    for (const TDefinitionFinding &finding : found) {
        QString where = flagWordName(place.section, place.key);
        if (finding.row >= 0)
            where += QStringLiteral(" row %1 (%2)").arg(finding.row + 1).arg(source.rows[finding.row].hexValue);
        writeLine(at(place.fileLine) + QStringLiteral(": warning: ") + where + QStringLiteral(": ") + finding.message);
    }
}

void TIncludeReport::error(const TFlagWordPlace &place, const QString &message)
{
    writeLine(at(place.fileLine) + QStringLiteral(": error: ") + flagWordName(place.section, place.key) +
              QStringLiteral(": ") + message);
}

void TIncludeReport::error(const QString &message)
{
    writeLine(m_iniFile + QStringLiteral(": error: ") + message);
}

void TIncludeReport::missing(const QString &section, const QString &key, bool sectionExists)
{
    error(flagWordName(section, key) + QStringLiteral(": ") +
          (sectionExists ? QStringLiteral("no key \"%1\" in section \"%2\"").arg(key, section)
                         : QStringLiteral("no section \"%1\" in the file").arg(section)));
}

void TIncludeReport::noFlagWord()
{
    writeLine(m_iniFile + QStringLiteral(": note: no flag word in the file: no flag line ") + flagLineForm());
}

void TIncludeReport::notAFlagLine(int fileLine, const QString &section, const QString &key, const QString &line)
{
    error({fileLine, section, key}, QStringLiteral("\"%1\" is not a flag line ").arg(line) + flagLineForm());
}

void TIncludeReport::writeLine(const QString &line)
{
    m_device.write(line.toUtf8() + '\n');
}

QString TIncludeReport::at(int fileLine) const
{
    return m_iniFile + u':' + QString::number(fileLine);
}
