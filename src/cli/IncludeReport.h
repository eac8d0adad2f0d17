#pragma once

#include "flags/DefinitionChecks.h"

#include <QString>
#include <vector>

class QIODevice;

// Where a flag word stands: its line in the INI file (from 1) and its
// section and key as the file spells them.
struct TFlagWordPlace
{
    int fileLine;
    QString section;
    QString key;
};

// Findings and errors of tarvex-include, one per line in the compilers'
// form, so an editor can jump to the INI line:
//   FILE:LINE: warning: SECTION/KEY row N (MASK): message
//   FILE:LINE: error: SECTION/KEY: message
// Rows count from 1, as the lines of the table file do.
class TIncludeReport
{
public:
    TIncludeReport(const QString &iniFile, QIODevice &device);

    void findings(const TFlagWordPlace &place, const TIncludeSource &source,
                  const std::vector<TDefinitionFinding> &found);
    void error(const TFlagWordPlace &place, const QString &message);
    // An error that concerns the whole file; its message names it.
    void error(const QString &message);
    void missing(const QString &section, const QString &key, bool sectionExists);
    // Whole-file mode found nothing to write.
    void noFlagWord();
    void notAFlagLine(int fileLine, const QString &section, const QString &key, const QString &line);

private:
    void writeLine(const QString &line);
    QString at(int fileLine) const;

    QString m_iniFile;
    QIODevice &m_device;
};
