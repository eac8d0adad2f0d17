#include "util/ProfileFile.h"

#include "platform/Errors.h"
#include "platform/FileIo.h"
#include "platform/TextCodec.h"
#include "util/ProfileText.h"
#include "util/StringHelpers.h"

#include <QFileInfo>
#include <limits>
#include <optional>

namespace {

// The longest value a read returns, in characters.
constexpr qsizetype maximumValueLength = 2047;
constexpr int maximumHexDigits = 8;

bool isEnclosedInQuotes(const QString &text)
{
    return text.size() >= 2 && (text.front() == u'"' || text.front() == u'\'') && text.back() == text.front();
}

// One or more hexadecimal digits, at most 8 significant; the 32 bits are
// taken as they stand, so "FFFFFFFF" is -1.
std::optional<int> parseHex(QStringView digits)
{
    if (digits.isEmpty())
        return std::nullopt;
    quint32 value = 0;
    int significant = 0;
    for (QChar ch : digits) {
        const std::optional<int> digit = HexDigitValue(ch);
        if (!digit)
            return std::nullopt;
        if (value != 0 || *digit != 0)
            ++significant;
        if (significant > maximumHexDigits)
            return std::nullopt;
        value = value * 16 + quint32(*digit);
    }
    return int(value);
}

std::optional<int> parseDecimal(QStringView text)
{
    const bool negative = text.startsWith(u'-');
    if (negative || text.startsWith(u'+'))
        text = text.sliced(1);
    if (text.isEmpty())
        return std::nullopt;
    const qint64 limit = negative ? -qint64(std::numeric_limits<int>::min()) : std::numeric_limits<int>::max();
    qint64 value = 0;
    for (QChar ch : text) {
        if (ch < u'0' || ch > u'9')
            return std::nullopt;
        value = value * 10 + (ch.unicode() - u'0');
        if (value > limit)
            return std::nullopt;
    }
    return int(negative ? -value : value);
}

std::optional<int> parseInteger(const QString &text)
{
    if (text.size() > 2 && text.startsWith(u'0') && (text[1] == u'x' || text[1] == u'X'))
        return parseHex(QStringView(text).sliced(2));
    if (text.startsWith(u'$'))
        return parseHex(QStringView(text).sliced(1));
    return parseDecimal(text);
}

// The file's text and encoding; an empty UTF-8 text for a file that does
// not exist yet. Raises the open error for a file that cannot be read.
DecodedText contentOf(const QString &fileName)
{
    if (!QFileInfo::exists(fileName))
        return {};
    return decodeText(readWholeFile(fileName));
}

} // namespace

TProfileFile::TProfileFile(const QString &fileName)
    : m_fileName(QFileInfo(fileName).absoluteFilePath())
{
}

QString TProfileFile::ReadString(const QString &section, const QString &key, const QString &defaultValue) const
{
    return TProfileSnapshot(*this).ReadString(section, key, defaultValue);
}

int TProfileFile::ReadInteger(const QString &section, const QString &key, int defaultValue) const
{
    return TProfileSnapshot(*this).ReadInteger(section, key, defaultValue);
}

bool TProfileFile::ReadBool(const QString &section, const QString &key, bool defaultValue) const
{
    return TProfileSnapshot(*this).ReadBool(section, key, defaultValue);
}

void TProfileFile::WriteString(const QString &section, const QString &key, const QString &value)
{
    Edit([&](TProfileText &text) { text.setValue(section, key, value); });
}

void TProfileFile::Edit(const std::function<void(TProfileText &)> &change)
{
    if (m_fileName.isEmpty())
        throw ProfileWriteError(m_fileName);
    try {
        DecodedText content = contentOf(m_fileName);
        TProfileText text(content.text);
        change(text);
        if (text.text() != content.text)
            writeFileAtomically(m_fileName, encodeText(text.text(), content.encoding));
    } catch (const TarvexError &) {
        throw ProfileWriteError(m_fileName);
    }
}

void TProfileFile::WriteInteger(const QString &section, const QString &key, int value)
{
    WriteString(section, key, QString::number(value));
}

void TProfileFile::WriteBool(const QString &section, const QString &key, bool value)
{
    WriteInteger(section, key, value ? 1 : 0);
}

TProfileSnapshot::TProfileSnapshot(const TProfileFile &file)
{
    if (!QFileInfo(file.FileName()).isFile())
        return;
    try {
        m_text.emplace(contentOf(file.FileName()).text);
    } catch (const TarvexError &) {
        // an unreadable file reads like a missing one
    }
}

TProfileSnapshot::TProfileSnapshot(const QString &text)
    : m_text(std::in_place, text)
{
}

QString TProfileSnapshot::ReadString(const QString &section, const QString &key, const QString &defaultValue) const
{
    const std::optional<QString> raw = m_text ? m_text->value(section, key) : std::nullopt;
    if (!raw)
        return defaultValue;
    QString value = TrimBlanks(*raw);
    if (isEnclosedInQuotes(value))
        value = value.sliced(1, value.size() - 2);
    return value.left(maximumValueLength);
}

int TProfileSnapshot::ReadInteger(const QString &section, const QString &key, int defaultValue) const
{
    return parseInteger(ReadString(section, key, QString())).value_or(defaultValue);
}

bool TProfileSnapshot::ReadBool(const QString &section, const QString &key, bool defaultValue) const
{
    return ReadInteger(section, key, defaultValue ? 1 : 0) != 0;
}

QStringList TProfileSnapshot::Keys(const QString &section) const
{
    return m_text ? m_text->keys(section) : QStringList();
}
