#include "documents/CHILDWINIni.h"
#include "documents/KeepLayoutSetting.h"
#include "documents/ReEnabledEvent.h"
#include "documents/TextAreaView.h"
#include "platform/FileIo.h"
#include "platform/TextCodec.h"
#include "support/QStringPrinting.h"
#include "support/TestFiles.h"

#include <QDirIterator>
#include <QFile>
#include <QLocale>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <gtest/gtest.h>
#include <random>

using namespace Qt::StringLiterals;

namespace {

// Copies of the INI-style text files of this machine: never the originals.
class CollectedFiles
{
public:
    CollectedFiles()
    {
        const QStringList patterns = {u"*.ini"_s, u"*.conf"_s, u"*.desktop"_s, u"*.service"_s, u"*.cfg"_s,
                                      u"*.socket"_s, u"*.timer"_s, u"*.target"_s, u"*.mount"_s, u"*.slice"_s,
                                      u"*.network"_s, u"*.properties"_s, u"*.toml"_s, u"*.theme"_s, u"*.pc"_s};
        for (const QString &root : {u"/etc"_s, u"/usr"_s}) {
            QDirIterator found(root, patterns, QDir::Files | QDir::Readable | QDir::NoSymLinks, QDirIterator::Subdirectories);
            while (found.hasNext() && names.size() < 5000) {
                QFile original(found.next());
                if (original.size() > 256 * 1024 || !original.open(QIODevice::ReadOnly))
                    continue;
                const QString name = QString::number(names.size()) + u".ini"_s;
                folder.write(name, original.readAll());
                names << name;
            }
        }
        std::printf("[          ] %lld INI-style files of this machine, copied\n", static_cast<long long>(names.size()));
    }

    TestFolder folder;
    QStringList names;
};

const CollectedFiles &collected()
{
    static const CollectedFiles files;
    return files;
}

bool isHeader(QStringView trimmed)
{
    return trimmed.startsWith(u'[') && trimmed.endsWith(u']');
}

// The keep-layout rules written plainly over a list of lines, each with
// its own line end, to hold the in-memory INI file against.
class ReferenceText
{
public:
    explicit ReferenceText(const QString &text)
    {
        static const QRegularExpression lineEnds(u"\r\n|\r|\n"_s);
        qsizetype start = 0;
        for (const QRegularExpressionMatch &end : lineEnds.globalMatch(text)) {
            lines << text.sliced(start, end.capturedStart() - start);
            ends << end.captured();
            start = end.capturedEnd();
        }
        lines << text.sliced(start);
        ends << QString();
        lineEnd = ends.size() > 1 ? ends.first() : u"\r\n"_s;
    }

    QString text() const
    {
        QString joined;
        for (qsizetype i = 0; i < lines.size(); ++i)
            joined += lines[i] + ends[i];
        return joined;
    }
    QString shown() const { return lines.join(u'\n'); }

    // The line of the last header of `section` and of the last line of `key` after it, or -1.
    std::pair<qsizetype, qsizetype> find(const QString &section, const QString &key) const
    {
        const QLocale locale;
        qsizetype header = -1;
        for (qsizetype i = 0; i < lines.size(); ++i) {
            const QString trimmed = lines[i].trimmed();
            if (isHeader(trimmed) && locale.toUpper(trimmed.sliced(1, trimmed.size() - 2).trimmed()) == locale.toUpper(section))
                header = i;
        }
        qsizetype found = -1;
        for (qsizetype i = header + 1; header >= 0 && i < lines.size() && !isHeader(lines[i].trimmed()); ++i) {
            const QString trimmed = lines[i].trimmed();
            if (!trimmed.startsWith(u';') && trimmed.contains(u'=') &&
                locale.toUpper(trimmed.first(trimmed.indexOf(u'=')).trimmed()) == locale.toUpper(key))
                found = i;
        }
        return {header, found};
    }

    void write(const QString &section, const QString &key, const QString &value)
    {
        const auto [header, found] = find(section, key);
        if (found >= 0) {
            qsizetype start = lines[found].indexOf(u'=') + 1;
            while (start < lines[found].size() && lines[found][start].unicode() <= 32)
                ++start;
            lines[found] = lines[found].first(start) + value;
        } else if (header >= 0) {
            qsizetype after = header;
            for (qsizetype i = header + 1; i < lines.size() && !isHeader(lines[i].trimmed()); ++i) {
                const QString trimmed = lines[i].trimmed();
                if (!trimmed.isEmpty() && !trimmed.startsWith(u';'))
                    after = i;
            }
            if (after + 1 == lines.size())
                ends.last() = lineEnd;
            lines.insert(after + 1, key + u'=' + value);
            ends.insert(after + 1, after + 1 == lines.size() - 1 ? QString() : lineEnd);
        } else {
            const bool empty = lines.size() == 1 && lines.first().isEmpty();
            const QStringList added = {u"["_s + section + u"]"_s, key + u'=' + value};
            QStringList tail = empty ? added + QStringList{QString()}
                               : lines.last().isEmpty() ? QStringList{QString()} + added + QStringList{QString()}
                                                        : QStringList{lines.last(), QString()} + added;
            lines.removeLast();
            ends.removeLast();
            for (qsizetype i = 0; i < tail.size(); ++i) {
                lines << tail[i];
                ends << (i + 1 < tail.size() ? lineEnd : QString());
            }
        }
    }

    QStringList lines;
    QStringList ends;
    QString lineEnd;
};

QByteArray bytesOf(const QString &text, TextEncoding encoding)
{
    return encodeText(text, encoding);
}

// Opens the copy as the user does and closes it without typing.
void openAndClose(const QString &path)
{
    TMDIChild document(path);
    document.LoadExistingFile();
    document.close();
}

struct ChoiceRestored
{
    ~ChoiceRestored() { ChooseKeepLayout(false); }
};

TEST(RealIniFiles, OpenAndCloseWithoutTypingKeepsEveryByteInBothModes)
{
    ChoiceRestored restored;
    const CollectedFiles &files = collected();
    for (const bool keepLayout : {false, true}) {
        ChooseKeepLayout(keepLayout);
        for (const QString &name : files.names) {
            const QByteArray before = files.folder.read(name);
            openAndClose(files.folder.path(name));
            ASSERT_EQ(files.folder.read(name), before) << name.toStdString() << (keepLayout ? " keeping the layout" : "");
        }
    }
}

// The last line with "=" in a section, when write() would find it: the
// section is the last of its name.
std::optional<std::pair<QString, QString>> lastKey(const ReferenceText &text)
{
    const QLocale locale;
    QString section;
    std::optional<std::pair<QString, QString>> found;
    for (const QString &line : text.lines) {
        const QString trimmed = line.trimmed();
        if (isHeader(trimmed))
            section = trimmed.sliced(1, trimmed.size() - 2).trimmed();
        else if (!section.isNull() && !trimmed.startsWith(u';') && trimmed.contains(u'='))
            found = std::pair(section, trimmed.first(trimmed.indexOf(u'=')).trimmed());
    }
    if (found && text.find(found->first, found->second).second < 0)
        return std::nullopt; // a later section of the same name has no such key
    return found;
}

TEST(RealIniFiles, SaveInitKeepingTheLayoutChangesOnlyTheValueOfTheLastKey)
{
    ChoiceRestored restored;
    ChooseKeepLayout(true);
    const CollectedFiles &files = collected();
    const QString value = u"$0000A003,bf;Tarvex"_s;
    int written = 0;
    for (const QString &name : files.names) {
        const DecodedText before = decodeText(files.folder.read(name));
        ReferenceText expected(before.text);
        const std::optional<std::pair<QString, QString>> key = lastKey(expected);
        if (!key)
            continue;
        expected.write(key->first, key->second, value);
        TMDIChild document(files.folder.path(name));
        document.LoadExistingFile();
        document.IniFile()->write(key->first, key->second, value);
        SendReEnabled(&document);
        ASSERT_EQ(TextAreaText(document.MemoIni), expected.shown()) << name.toStdString();
        document.close();
        ASSERT_EQ(files.folder.read(name), bytesOf(expected.text(), before.encoding)) << name.toStdString();
        ++written;
    }
    std::printf("[          ] %d of them have a last key that Save Init finds\n", written);
}

// Random steps on each file: typed lines, written values, saves; the
// model and the reference agree on the shown text and on the bytes.
TEST(RealIniFiles, RandomStepsKeepingTheLayoutAgreeWithTheReference)
{
    const CollectedFiles &files = collected();
    std::mt19937 random(20261209);
    for (const QString &name : files.names) {
        const QString path = files.folder.path(name);
        const DecodedText decoded = decodeText(files.folder.read(name));
        ReferenceText reference(decoded.text);
        TIniModel model(path);
        model.setKeepLayout(true);
        model.loadFromFile();
        for (int step = 0; step < 6; ++step) {
            const int kind = int(random() % 3);
            if (kind == 0) { // a typed line, then the text taken into the model
                const qsizetype at = qsizetype(random() % quint32(reference.lines.size()));
                reference.lines.insert(at, u"; typed"_s);
                reference.ends.insert(at, QString());
                reference = ReferenceText(reference.lines.join(reference.lineEnd));
                model.loadText(reference.shown());
            } else if (kind == 1) {
                QString section = u"TarvexNew"_s;
                QString key = u"Key"_s;
                if (!model.sections().isEmpty() && random() % 4 != 0) {
                    const TIniSection &chosen = model.sections()[qsizetype(random() % quint32(model.sections().size()))];
                    section = chosen.name;
                    if (!chosen.lines.isEmpty() && random() % 3 != 0)
                        key = chosen.lines[qsizetype(random() % quint32(chosen.lines.size()))].section(u'=', 0, 0);
                }
                const QString value = u" v"_s + QString::number(step) + u' ';
                reference.write(section, key, value);
                model.write(section, key, value);
            } else {
                model.writeFile();
                ASSERT_EQ(files.folder.read(name), bytesOf(reference.text(), decoded.encoding)) << name.toStdString();
            }
            ASSERT_EQ(model.shownText(), reference.shown()) << name.toStdString() << " step " << step;
            TIniModel fresh(path);
            fresh.loadText(model.shownText());
            ASSERT_EQ(model.sections().size(), fresh.sections().size()) << name.toStdString();
            for (qsizetype i = 0; i < model.sections().size(); ++i)
                ASSERT_EQ(model.sections()[i].lines, fresh.sections()[i].lines) << name.toStdString();
        }
    }
}

} // namespace
