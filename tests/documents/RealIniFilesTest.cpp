#include "documents/CHILDWINIni.h"
#include "documents/KeepLayoutSetting.h"
#include "documents/ReEnabledEvent.h"
#include "documents/TextAreaView.h"
#include "platform/TextCodec.h"
#include "support/QStringPrinting.h"
#include "support/TestFiles.h"

#include <QCoreApplication>
#include <QDirIterator>
#include <QLocale>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <gtest/gtest.h>
#include <random>

using namespace Qt::StringLiterals;

namespace {

// Copies of this machine's INI-style text files, never the originals.
struct CollectedFiles
{
    CollectedFiles()
    {
        const QStringList patterns = u"*.ini *.conf *.desktop *.service *.cfg *.socket *.timer *.target *.mount "
                                     u"*.slice *.network *.properties *.toml *.theme *.pc"_s.split(u' ');
        for (const QString &root : {u"/etc"_s, u"/usr"_s}) {
            QDirIterator found(root, patterns, QDir::Files | QDir::Readable | QDir::NoSymLinks, QDirIterator::Subdirectories);
            while (found.hasNext()) {
                QFile original(found.next());
                if (original.size() <= 256 * 1024 && original.open(QIODevice::ReadOnly)) {
                    names << QString::number(names.size()) + u".ini"_s;
                    folder.write(names.last(), original.readAll());
                }
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

struct ChoiceRestored
{
    ~ChoiceRestored() { ChooseKeepLayout(false); }
};

bool isHeader(const QString &trimmed)
{
    return trimmed.startsWith(u'[') && trimmed.endsWith(u']');
}

QString upperName(const QString &name)
{
    return QLocale().toUpper(name.trimmed());
}

// The keep-layout rules written plainly over lines, each with its own line end.
struct ReferenceText
{
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

    // The lines of the last header named `section`, of the last line named
    // `key` after it and of the last entry line after it; -1 for none.
    std::array<qsizetype, 3> find(const QString &section, const QString &key) const
    {
        std::array<qsizetype, 3> found{-1, -1, -1};
        bool inside = false;
        for (qsizetype i = 0; i < lines.size(); ++i) {
            const QString trimmed = lines[i].trimmed();
            if (isHeader(trimmed)) {
                inside = upperName(trimmed.sliced(1, trimmed.size() - 2)) == upperName(section);
                found = inside ? std::array{i, qsizetype(-1), i} : found;
            } else if (inside && !trimmed.isEmpty() && !trimmed.startsWith(u';')) {
                found[2] = i;
                if (trimmed.contains(u'=') && upperName(trimmed.section(u'=', 0, 0)) == upperName(key))
                    found[1] = i;
            }
        }
        return found;
    }

    void write(const QString &section, const QString &key, const QString &value)
    {
        const auto [header, line, lastEntry] = find(section, key);
        if (line >= 0) {
            static const QRegularExpression valueStart(u"^[^=]*=[\\x00-\\x20]*"_s);
            lines[line] = valueStart.match(lines[line]).captured() + value;
            return;
        }
        const QString entry = key + u'=' + value;
        if (header >= 0)
            insert(lastEntry + 1, {entry});
        else if (lines == QStringList{QString()})
            insert(0, {u'[' + section + u']', entry});
        else // after one empty line, before the empty last line of a text ending with a line end
            insert(lines.size() - (lines.last().isEmpty() ? 1 : 0), {QString(), u'[' + section + u']', entry});
    }

    // New lines end with the file's line end; after the last line, that line gets one.
    void insert(qsizetype at, const QStringList &added)
    {
        if (at == lines.size())
            ends.last() = lineEnd;
        for (qsizetype i = 0; i < added.size(); ++i) {
            lines.insert(at + i, added[i]);
            ends.insert(at + i, lineEnd);
        }
        if (at == lines.size() - added.size())
            ends.last() = QString();
    }

    QStringList lines;
    QStringList ends;
    QString lineEnd;
};

TEST(RealIniFiles, OpenAndCloseWithoutTypingKeepsEveryByteInBothModes)
{
    const ChoiceRestored restored;
    for (const bool keepLayout : {false, true}) {
        ChooseKeepLayout(keepLayout);
        for (const QString &name : collected().names) {
            const QByteArray before = collected().folder.read(name);
            TMDIChild document(collected().folder.path(name));
            document.LoadExistingFile();
            document.close();
            QCoreApplication::processEvents(); // as the event loop would: the file watch's news are read
            ASSERT_EQ(collected().folder.read(name), before) << name.toStdString() << " keeping: " << keepLayout;
        }
    }
}

// Keeping the layout: Save Init on the file's last key, then random typed
// lines, written values and saves; the document and the model agree with
// the reference on the shown text and the bytes.
TEST(RealIniFiles, KeepingTheLayoutAgreesWithTheReference)
{
    const ChoiceRestored restored;
    ChooseKeepLayout(true);
    std::mt19937 random(20261209);
    int lastKeys = 0;
    for (const QString &name : collected().names) {
        const DecodedText decoded = decodeText(collected().folder.read(name));
        ReferenceText reference(decoded.text);
        TMDIChild document(collected().folder.path(name));
        document.LoadExistingFile();
        TIniModel &model = *document.IniFile();
        const auto checkBytes = [&] {
            TextEncoding encoding = decoded.encoding;
            ASSERT_EQ(collected().folder.read(name), encodeText(reference.text(), encoding)) << name.toStdString();
        };
        const QStringList lastLines = model.sections().isEmpty() ? QStringList() : model.sections().constLast().lines;
        const auto lastKeyLine = std::find_if(lastLines.crbegin(), lastLines.crend(), [](const QString &line) { return line.contains(u'='); });
        if (lastKeyLine != lastLines.crend()) {
            const QString section = model.sections().constLast().name;
            const QString key = lastKeyLine->section(u'=', 0, 0);
            reference.write(section, key, u"$0000A003,bf;Tarvex"_s);
            model.write(section, key, u"$0000A003,bf;Tarvex"_s);
            SendReEnabled(&document);
            ASSERT_EQ(TextAreaText(document.MemoIni), reference.shown()) << name.toStdString();
            model.writeFile();
            checkBytes();
            ++lastKeys;
        }
        for (int step = 0; step < 6; ++step) {
            if (random() % 3 == 0) { // a typed line, taken into the model as Save takes it
                reference.lines.insert(qsizetype(random() % quint32(reference.lines.size())), u"; typed"_s);
                reference = ReferenceText(reference.lines.join(reference.lineEnd));
                model.loadText(reference.shown());
            } else if (random() % 2 == 0 && !model.sections().isEmpty()) {
                const TIniSection &section = model.sections()[qsizetype(random() % quint32(model.sections().size()))];
                const QString key = section.lines.isEmpty() ? u"New"_s : section.lines.constFirst().section(u'=', 0, 0);
                reference.write(section.name, key, u" v "_s);
                model.write(section.name, key, u" v "_s);
            } else {
                reference.write(u"TarvexNew"_s, u"Key"_s, QString::number(step));
                model.write(u"TarvexNew"_s, u"Key"_s, QString::number(step));
                model.writeFile();
                checkBytes();
            }
            ASSERT_EQ(model.shownText(), reference.shown()) << name.toStdString() << " step " << step;
        }
        QCoreApplication::processEvents();
    }
    std::printf("[          ] %d of them have a last key in a section\n", lastKeys);
}

} // namespace
