#include "DocumentWindowFixture.h"

#include "documents/ReEnabledEvent.h"
#include "documents/TextAreaView.h"
#include "platform/TextCodec.h"
#include "support/QStringPrinting.h"
#include "support/TestFiles.h"
#include "util/StringHelpers.h"

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
        // And the shapes a machine may lack: no line end, CR alone, nothing, a byte order mark, no section.
        for (const QByteArray &edge : {QByteArray("[A]\rk=1"), QByteArray(), QByteArray("\xEF\xBB\xBF[A]\r\nk=\xE4"),
                                       QByteArray("k=1\n"), QByteArray("[A]\n; c\n[a]\nk =\n\n")}) {
            names << u"edge"_s + QString::number(names.size()) + u".ini"_s;
            folder.write(names.last(), edge);
        }
    }
    TestFolder folder;
    QStringList names;
};

const CollectedFiles &collected()
{
    static const CollectedFiles files;
    return files;
}

QString upperName(const QString &name)
{
    return QLocale().toUpper(TrimBlanks(name));
}

// The keep-layout rules written plainly over the lines, each with its own line end.
struct ReferenceText
{
    explicit ReferenceText(const QString &text)
        : lines(text.split(QRegularExpression(u"(?<=\r\n|\n)|(?<=\r)(?!\n)"_s)))
        , lineEnd(lines.size() > 1 ? lines.first().sliced(QString(lines.first()).remove(u'\r').remove(u'\n').size()) : u"\r\n"_s)
    {
    }
    QString text() const { return lines.join(QString()); }
    QString shown() const { return QString(text()).replace(u"\r\n"_s, u"\n"_s).replace(u'\r', u'\n'); }

    void write(const QString &section, const QString &key, const QString &value)
    {
        qsizetype header = -1, found = -1, lastEntry = -1;
        bool inside = false;
        for (qsizetype i = 0; i < lines.size(); ++i) {
            const QString trimmed = TrimBlanks(lines[i]);
            if (trimmed.startsWith(u'[') && trimmed.endsWith(u']')) {
                inside = upperName(trimmed.sliced(1, trimmed.size() - 2)) == upperName(section);
                std::tie(header, found, lastEntry) = inside ? std::tuple(i, qsizetype(-1), i) : std::tuple(header, found, lastEntry);
            } else if (inside && !trimmed.isEmpty() && !trimmed.startsWith(u';')) {
                lastEntry = i;
                found = trimmed.contains(u'=') && upperName(trimmed.section(u'=', 0, 0)) == upperName(key) ? i : found;
            }
        }
        static const QRegularExpression valuePart(u"^([^=]*=[\\x00-\\x09\\x0B\\x0C\\x0E-\\x20]*)[^\\r\\n]*"_s);
        if (found >= 0)
            lines[found].replace(valuePart, u"\\1"_s + QString(value).replace(u'\\', u"\\\\"_s));
        else if (header >= 0)
            insert(lastEntry + 1, {key + u'=' + value});
        else if (lines == QStringList{QString()})
            insert(0, {u'[' + section + u']', key + u'=' + value});
        else // after one empty line, before the empty last line of a text ending with a line end
            insert(lines.size() - (lines.last().isEmpty() ? 1 : 0), {QString(), u'[' + section + u']', key + u'=' + value});
    }

    // New lines end with the file's line end; after the last line, that line gets one and the last new one none.
    void insert(qsizetype at, QStringList added)
    {
        for (QString &line : added)
            line += lineEnd;
        if (at == lines.size()) {
            lines.last() += lineEnd;
            added.last().chop(lineEnd.size());
        }
        for (qsizetype i = 0; i < added.size(); ++i)
            lines.insert(at + i, added[i]);
    }

    QStringList lines; // each with its line end
    QString lineEnd;
};

TEST(RealIniFiles, OpenAndCloseWithoutTypingKeepsEveryByteInBothModes)
{
    const KeepLayoutChoiceRestored restored;
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
    const KeepLayoutChoiceRestored restored;
    ChooseKeepLayout(true);
    std::mt19937 random(20261209);
    for (const QString &name : collected().names) {
        const DecodedText decoded = decodeText(collected().folder.read(name));
        ReferenceText reference(decoded.text);
        TMDIChild document(collected().folder.path(name));
        document.LoadExistingFile();
        TIniModel &model = *document.IniFile();
        const auto writeBoth = [&](const QString &section, const QString &key, const QString &value) {
            reference.write(section, key, value);
            model.write(section, key, value);
        };
        const auto saveAndCompare = [&] {
            model.writeFile();
            TextEncoding encoding = decoded.encoding;
            ASSERT_EQ(collected().folder.read(name), encodeText(reference.text(), encoding)) << name.toStdString();
        };
        const QStringList lastLines = model.sections().isEmpty() ? QStringList() : model.sections().constLast().lines;
        const auto lastKey = std::find_if(lastLines.crbegin(), lastLines.crend(), [](const QString &line) { return line.contains(u'='); });
        if (lastKey != lastLines.crend()) {
            writeBoth(model.sections().constLast().name, lastKey->section(u'=', 0, 0), u"$0000A003,bf;Tarvex"_s);
            SendReEnabled(&document);
            ASSERT_EQ(TextAreaText(document.MemoIni), reference.shown()) << name.toStdString();
            saveAndCompare();
        }
        for (int step = 0; step < 6; ++step) {
            if (random() % 3 == 0) { // a typed line, taken into the model as Save takes it
                QStringList shown = reference.shown().split(u'\n');
                shown.insert(qsizetype(random() % quint32(shown.size())), u"; typed"_s);
                reference = ReferenceText(shown.join(reference.lineEnd));
                model.loadText(shown.join(u'\n'));
            } else if (random() % 2 == 0 && !model.sections().isEmpty()) {
                const TIniSection &section = model.sections()[qsizetype(random() % quint32(model.sections().size()))];
                writeBoth(section.name, section.lines.isEmpty() ? u"New"_s : section.lines.constFirst().section(u'=', 0, 0), u" v "_s);
            } else {
                writeBoth(u"TarvexNew"_s, u"Key"_s, QString::number(step));
                saveAndCompare();
            }
            ASSERT_EQ(model.shownText(), reference.shown()) << name.toStdString() << " step " << step;
        }
        QCoreApplication::processEvents();
    }
}

} // namespace
