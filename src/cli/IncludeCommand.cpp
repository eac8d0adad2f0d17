#include "cli/IncludeCommand.h"

#include "cli/IncludeReport.h"
#include "documents/FlagLine.h"
#include "documents/FlagWordOpening.h"
#include "documents/ShownIniFile.h"
#include "flags/BitDefinitionFiles.h"
#include "flags/BitFrames.h"
#include "flags/DefinitionChecks.h"
#include "flags/FlagWord.h"
#include "flags/IncludeOrder.h"
#include "flags/IncludeText.h"
#include "platform/Errors.h"
#include "platform/FileIo.h"

#include <QFile>
#include <QFileInfo>
#include <QIODevice>
#include <algorithm>
#include <cerrno>
#include <memory>

namespace {

class IncludeJob
{
public:
    IncludeJob(const TIncludeArguments &arguments, const TShownIniFile &ini, QIODevice &out, QIODevice &err)
        : m_arguments(arguments)
        , m_ini(ini)
        , m_out(out)
        , m_report(arguments.iniFile, err)
    {
    }

    int run()
    {
        const std::optional<int> chosen = chosenLine();
        if (!m_arguments.section.isEmpty() && !chosen)
            return ExitFailed;
        const std::vector<int> lines = chosen ? std::vector<int>{*chosen} : m_ini.flagWordLines();
        if (lines.empty())
            m_report.noFlagWord();
        for (const int shown : lines)
            includeFlagWord(shown);
        return m_status;
    }

private:
    // The line of SECTION KEY, when given; an error when it is no flag line.
    std::optional<int> chosenLine()
    {
        if (m_arguments.section.isEmpty())
            return std::nullopt;
        const std::optional<int> shown = m_ini.lineOfKey(m_arguments.section, m_arguments.key);
        if (!shown) {
            m_report.missing(m_arguments.section, m_arguments.key, m_ini.hasSection(m_arguments.section));
            return std::nullopt;
        }
        if (!m_ini.flagWordAt(*shown)) {
            m_report.notAFlagLine(m_ini.fileLine(*shown), m_arguments.section, m_arguments.key, m_ini.line(*shown));
            return std::nullopt;
        }
        return shown;
    }

    void includeFlagWord(int shown)
    {
        const TFlagWordLocation flagWord = *m_ini.flagWordAt(shown);
        const TFlagWordPlace place{m_ini.fileLine(shown), flagWord.section, flagWord.line.key};
        // A frame per flag word, as each double click opens a new editor.
        TBitFrame frame;
        try {
            const quint32 lineWord = openFrame(frame, flagWord);
            // Checked in the table's order, so rows count as in the table file.
            const TIncludeSource source = frame.IncludeSource();
            std::vector<TDefinitionFinding> findings = CheckDefinitions(source, m_arguments.form);
            if (const std::optional<TDefinitionFinding> rowless = RowlessBitsFinding(source, lineWord))
                findings.push_back(*rowless);
            m_report.findings(place, source, findings);
            if (m_arguments.check) {
                // A warning alone leaves the definitions sound.
                if (std::any_of(findings.begin(), findings.end(), [](const TDefinitionFinding &f) { return !f.warning; }))
                    m_status = std::max<int>(m_status, ExitFindings);
                return;
            }
            write(m_arguments.bottomUp ? InBottomUpOrder(source) : source);
        } catch (const InOutError &error) {
            // Only reading the table file fails so; the message does not name it.
            m_report.error(place, TableFileName(frame.FlagFileBase()) + QStringLiteral(": ") + error.message());
            m_status = ExitFailed;
        } catch (const TarvexError &error) {
            m_report.error(place, error.message());
            m_status = ExitFailed;
        }
    }

    // A table mask that is no number fails the line's hex text in the bit
    // editor too, which still writes the include file; the checks name the
    // row. A hex text of the line that is no number stays the line's error,
    // also one without any digit ("$"), which the frame passes over. Returns
    // the line's word.
    quint32 openFrame(TBitFrame &frame, const TFlagWordLocation &flagWord) const
    {
        try {
            OpenFlagWordInFrame(frame, m_ini.fileName(), flagWord, QFileInfo(m_ini.fileName()).absolutePath());
        } catch (const ConversionError &) {
            // the line's own error follows
        }
        return ReadStoredHexNumber(SplitValuePart(flagWord.line.valuePart).first);
    }

    void write(const TIncludeSource &source)
    {
        if (!m_arguments.output) {
            print(WriteIncludeFile(source, m_arguments.form).toUtf8() + '\n');
            return;
        }
        const QByteArray bytes = IncludeFileBytes(source, m_arguments.form);
        if (*m_arguments.output == QStringLiteral("-") || namesStandardOutput(*m_arguments.output)) {
            // Through the open descriptor: a file standard output appends
            // to (a build's log) keeps what it holds, and no path follows
            // the header.
            print(bytes);
        } else {
            writeFileAtomically(*m_arguments.output, bytes);
            print(QFileInfo(*m_arguments.output).absoluteFilePath().toUtf8() + '\n');
        }
    }

    // Whether `path` names what standard output writes to (/dev/stdout).
    bool namesStandardOutput(const QString &path) const
    {
        const auto *out = qobject_cast<const QFile *>(&m_out);
        return out && NamesOpenFile(out->handle(), path);
    }

    // A build must not go on with a header that never arrived.
    void print(const QByteArray &bytes)
    {
        errno = 0;
        if (m_out.write(bytes) != bytes.size())
            throw TarvexError(QStringLiteral("standard output cannot be written: ") + systemErrorReason(errno));
    }

    const TIncludeArguments &m_arguments;
    const TShownIniFile &m_ini;
    QIODevice &m_out;
    TIncludeReport m_report;
    int m_status = ExitDone;
};

} // namespace

int RunTarvexInclude(const TIncludeArguments &arguments, QIODevice &out, QIODevice &err)
{
    std::unique_ptr<TShownIniFile> ini;
    try {
        ini = std::make_unique<TShownIniFile>(arguments.iniFile);
    } catch (const TarvexError &error) {
        TIncludeReport(arguments.iniFile, err).error(error.message());
        return ExitFailed;
    }
    return IncludeJob(arguments, *ini, out, err).run();
}
