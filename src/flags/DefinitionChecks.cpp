#include "flags/DefinitionChecks.h"

#include "flags/BitField.h"
#include "flags/ConstantKeywords.h"
#include "flags/FlagWord.h"
#include "util/StringHelpers.h"

#include <QHash>
#include <algorithm>
#include <array>
#include <climits>
#include <optional>

namespace {

constexpr int wordBits = 32;

bool isDigit(QChar ch)
{
    return ch >= u'0' && ch <= u'9';
}

// Why `name` is no identifier of Pascal or C; empty when it is one.
QString identifierProblem(const QString &name)
{
    if (isDigit(name.front()))
        return QStringLiteral("it begins with a digit");
    for (const QChar ch : name) {
        if (ch == u' ')
            return QStringLiteral("it contains a blank");
        if (!IsIdentifierCharacter(ch))
            return QStringLiteral("it contains \"%1\", which is not an ASCII letter, digit or _").arg(ch);
    }
    return {};
}

QString quoted(const QString &text)
{
    return u'"' + text + u'"';
}

// A mask of exactly 8 hexadecimal digits, read.
std::optional<quint32> eightDigitMask(const QString &text)
{
    if (text.size() != 8)
        return std::nullopt;
    quint32 value = 0;
    for (const QChar ch : text) {
        const std::optional<int> digit = HexDigitValue(ch);
        if (!digit)
            return std::nullopt;
        value = value << 4 | quint32(*digit);
    }
    return value;
}

// Everything one pass over the named rows needs to remember.
class Checker
{
public:
    Checker(const TIncludeSource &source, TIncludeForm form)
        : m_source(source)
        , m_form(form)
        , m_prefix(IncludeConstantPrefix(source.prefixText))
    {
        m_owners.fill(-1);
    }

    std::vector<TDefinitionFinding> run()
    {
        const QString defaultName = m_prefix + QStringLiteral("Default");
        m_rowOfName.insert(folded(defaultName), -1);
        for (const TNamedIncludeRow &row : NamedIncludeRows(m_source)) {
            checkName(row.row, m_prefix + row.name);
            checkMask(row.row, row.cells->hexValue);
            checkFieldValues(row);
        }
        checkFieldOverlaps();
        checkUncoveredBits();
        checkIdentifier(-1, TFindingCell::None, defaultName);
        return m_findings;
    }

private:
    QString folded(const QString &name) const { return m_form == TIncludeForm::Pascal ? name.toLower() : name; }

    QString nameProblem(const QString &name) const
    {
        if (const QString problem = identifierProblem(name); !problem.isEmpty())
            return quoted(name) + QStringLiteral(" is not an identifier: ") + problem;
        if (const QString language = KeywordLanguage(name, m_form); !language.isEmpty())
            return quoted(name) + QStringLiteral(" is a keyword of ") + language;
        if (m_form == TIncludeForm::Pascal)
            return {};
        if (IsPreprocessorName(name))
            return quoted(name) + QStringLiteral(" is a name the C preprocessor refuses or defines itself");
        return {};
    }

    // A reserved name compiles with every compiler at hand, so it is only
    // worth knowing.
    void checkIdentifier(int row, TFindingCell cell, const QString &name)
    {
        if (const QString problem = nameProblem(name); !problem.isEmpty())
            add(row, cell, problem);
        else if (m_form != TIncludeForm::Pascal && IsReservedIdentifier(name))
            m_findings.push_back({row, cell,
                                  quoted(name) + QStringLiteral(" is reserved to the C implementation: it begins with "
                                                                "\"__\" or \"_\" and a capital letter"),
                                  true});
    }

    // The include file holds the constant cut to a short text, so the cut
    // name is the one checked for a clash.
    void checkName(int row, const QString &wholeName)
    {
        if (wholeName.size() > ShortTextLength)
            add(row, TFindingCell::Name,
                quoted(wholeName) + QStringLiteral(" has %1 characters: the include file keeps only the first %2")
                                        .arg(wholeName.size())
                                        .arg(ShortTextLength));
        const QString name = ShortText(wholeName);
        checkIdentifier(row, TFindingCell::Name, name);
        const QString key = folded(name);
        const auto earlier = m_rowOfName.constFind(key);
        if (earlier == m_rowOfName.constEnd()) {
            m_rowOfName.insert(key, row);
            return;
        }
        add(row, TFindingCell::Name,
            *earlier < 0 ? quoted(name) + QStringLiteral(" is also the name of the flag word's Default value")
                         : quoted(name) + QStringLiteral(" is also the name of row %1").arg(*earlier + 1));
    }

    void checkMask(int row, const QString &text)
    {
        const std::optional<quint32> mask = eightDigitMask(text);
        if (!mask) {
            add(row, TFindingCell::Mask, QStringLiteral("mask %1 is not 8 hexadecimal digits").arg(quoted(text)));
            return;
        }
        m_covered |= *mask;
        bool reported = false;
        for (int bit = 0; bit < wordBits; ++bit) {
            if (!(*mask & (1u << bit)))
                continue;
            const int owner = m_owners[bit];
            if (owner < 0) {
                m_owners[bit] = row;
            } else if (!reported) {
                add(row, TFindingCell::Mask,
                    QStringLiteral("mask shares bits with row %1 (%2)").arg(owner + 1).arg(m_source.rows[owner].hexValue));
                reported = true;
            }
        }
    }

    void checkFieldValues(const TNamedIncludeRow &row)
    {
        const std::optional<TFieldRun> run = FieldRunOfText(row.cells->hexValue);
        if (!run)
            return;
        for (const TFieldValueConstant &constant : FieldValueConstants(row))
            checkName(row.row, m_prefix + constant.name);
        const QList<TFieldValue> &values = row.cells->fieldValues;
        for (const TFieldValue &value : values) {
            if (value.number > FieldMaximum(*run))
                add(row.row, TFindingCell::Name,
                    QStringLiteral("value %1 (%2) does not fit the field's %3 bits")
                        .arg(value.number)
                        .arg(quoted(value.name))
                        .arg(run->width));
        }
        const std::optional<quint32> word = eightDigitMask(m_source.flagWordHex);
        if (!word || values.isEmpty())
            return;
        const quint32 held = FieldValueOf(*word, *run);
        const TFieldValue *named = NamedFieldValue(values, held);
        if (!named || TrimBlanks(named->name).isEmpty())
            m_findings.push_back({row.row, TFindingCell::Name,
                                  QStringLiteral("the flag word holds %1 in this field, a value without a name").arg(held),
                                  true});
    }

    // A field and a row of which one has no name share bits (between two
    // named rows the mask check has said so).
    void checkFieldOverlaps()
    {
        const auto named = [this](std::size_t row) { return !TrimBlanks(IncludeOneLine(m_source.rows[row].name)).isEmpty(); };
        for (std::size_t field = 0; field < m_source.rows.size(); ++field) {
            const std::optional<TFieldRun> run = FieldRunOfText(m_source.rows[field].hexValue);
            if (!run)
                continue;
            for (std::size_t row = 0; row < m_source.rows.size(); ++row) {
                const std::optional<quint32> mask = eightDigitMask(m_source.rows[row].hexValue);
                if (row == field || !mask || !(*mask & FieldMask(*run)) || (named(row) && named(field)))
                    continue;
                add(int(field), TFindingCell::Mask,
                    QStringLiteral("field shares bits with row %1 (%2)").arg(row + 1).arg(m_source.rows[row].hexValue));
            }
        }
    }

    // Bits of the value line that no constant names; each is reported at the
    // first unnamed row whose mask holds it.
    void checkUncoveredBits()
    {
        const std::optional<quint32> word = eightDigitMask(m_source.flagWordHex);
        quint32 uncovered = word ? *word & ~m_covered : 0;
        for (std::size_t row = 0; uncovered != 0 && row < m_source.rows.size(); ++row) {
            const std::optional<quint32> mask = eightDigitMask(m_source.rows[row].hexValue);
            if (!mask || !(*mask & uncovered))
                continue;
            add(int(row), TFindingCell::Mask, uncoveredMessage(*mask & uncovered));
            uncovered &= ~*mask;
        }
        if (uncovered != 0)
            add(-1, TFindingCell::None, uncoveredMessage(uncovered));
    }

    static QString uncoveredMessage(quint32 bits)
    {
        return QStringLiteral("bits %1 are set in the flag word, but no named row covers them").arg(HexDigits8(bits));
    }

    void add(int row, TFindingCell cell, const QString &message) { m_findings.push_back({row, cell, message}); }

    const TIncludeSource &m_source;
    TIncludeForm m_form;
    QString m_prefix;
    QHash<QString, int> m_rowOfName; // -1: the value line
    std::array<int, wordBits> m_owners{}; // the first named row holding each bit
    quint32 m_covered = 0;
    std::vector<TDefinitionFinding> m_findings;
};

} // namespace

std::vector<TDefinitionFinding> CheckDefinitions(const TIncludeSource &source, TIncludeForm form)
{
    std::vector<TDefinitionFinding> findings = Checker(source, form).run();
    std::stable_sort(findings.begin(), findings.end(), [](const TDefinitionFinding &a, const TDefinitionFinding &b) {
        return (a.row < 0 ? INT_MAX : a.row) < (b.row < 0 ? INT_MAX : b.row);
    });
    return findings;
}

std::optional<TDefinitionFinding> RowlessBitsFinding(const TIncludeSource &source, quint32 lineWord)
{
    TFlagWordSum held; // every row ticked: the bits the table can hold
    for (const TIncludeRow &row : source.rows)
        held.add(true, row.hexValue);
    const quint32 rowless = lineWord & ~held.value();
    if (rowless == 0)
        return std::nullopt;
    return TDefinitionFinding{-1, TFindingCell::None,
                              QStringLiteral("bits $%1 of the flag word have no row").arg(HexDigits8(rowless))};
}
