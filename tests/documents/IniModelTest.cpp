#include "support/FileSizeLimit.h"

#include "documents/IniModel.h"
#include "platform/Errors.h"
#include "support/QStringPrinting.h"
#include "support/TestFiles.h"

#include <QDir>

#include <gtest/gtest.h>

namespace {

QString text(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

TIniModel modelOf(const QString &fileText)
{
    TIniModel model(QStringLiteral("unused.ini"));
    model.loadText(fileText);
    return model;
}

struct LoadCase
{
    const char *name;
    const char *fileText;
    const char *rebuilt; // lines ended by "\n"
};

void PrintTo(const LoadCase &row, std::ostream *out)
{
    *out << row.name;
}

class IniModelLoading : public ::testing::TestWithParam<LoadCase>
{
};

TEST_P(IniModelLoading, RebuildsTheFilesNormalForm)
{
    EXPECT_EQ(modelOf(text(GetParam().fileText)).rebuiltText(u"\n"), text(GetParam().rebuilt));
}

// Line ends are looked for several characters at a time: each must count
// wherever it falls among them.
TEST_P(IniModelLoading, RebuildsTheSameWhereverTheLinesStart)
{
    for (int blankLines = 1; blankLines < 16; ++blankLines)
        EXPECT_EQ(modelOf(QString(blankLines, u'\n') + text(GetParam().fileText)).rebuiltText(u"\n"), text(GetParam().rebuilt))
            << blankLines << " blank lines first";
}

INSTANTIATE_TEST_SUITE_P(
    Rules, IniModelLoading,
    ::testing::Values(
        LoadCase{"comments", "[A]\n;comment\n  ; indented comment\nk=v\n", "[A]\nk=v\n\n"},
        LoadCase{"blank_lines", "\n[A]\n\n \t \nk=v\n\n\n[B]\n", "[A]\nk=v\n\n[B]\n\n"},
        LoadCase{"text_before_first_section", "x=1\nloose text\n[A]\nk=v", "[A]\nk=v\n\n"},
        LoadCase{"blanks_around_equals", "[A]\n  key  =  some value  \n", "[A]\nkey=some value\n\n"},
        LoadCase{"only_first_equals_splits", "[A]\na = b = c\n", "[A]\na=b = c\n\n"},
        LoadCase{"empty_key_and_value", "[A]\n = \nKey=\n", "[A]\n=\nKey=\n\n"},
        LoadCase{"open_bracket_inside_section", "[A]\n[broken\nk=v\n", "[A]\n[broken\nk=v\n\n"},
        LoadCase{"hash_inside_section_kept", "[A]\n#note\n# k = v\n", "[A]\n#note\n# k=v\n\n"},
        LoadCase{"hash_before_first_section_dropped", "#top\n[A]\n", "[A]\n\n"},
        LoadCase{"header_blanks_inside_and_outside", "   [  My Section  ]   \nk=v\n", "[My Section]\nk=v\n\n"},
        LoadCase{"header_with_trailing_comment_is_no_header", "[A] ; c\nk=v\n", ""},
        LoadCase{"empty_header", "[]\nk=v\n", "[]\nk=v\n\n"},
        LoadCase{"no_sections", "k=v\n;c\nplain\n", ""},
        LoadCase{"empty_file", "", ""},
        LoadCase{"duplicate_sections_stay_apart", "[a]\nx=1\n[A]\ny=2\n", "[a]\nx=1\n\n[A]\ny=2\n\n"},
        LoadCase{"every_line_end", "[A]\rk=1\r\nj=2\nl=3\r\r\n", "[A]\nk=1\nj=2\nl=3\n\n"},
        LoadCase{"control_characters_trimmed", "\x01[A]\x1f\n\tk=v\x7f\n", "[A]\nk=v\x7f\n\n"},
        LoadCase{"long_lines_with_every_line_end", "[Section one]\rkey one=value one\r\nkey two = value two\nthree=3\r\r\n",
                 "[Section one]\nkey one=value one\nkey two=value two\nthree=3\n\n"},
        LoadCase{"control_characters_beside_line_ends", "[Tabs]\n\tkey\t=\tvalue\x0b\x0c\r\n\x0b\x0c\x0b\x0c\x0b\x0c\x0b\x0cx=1\n",
                 "[Tabs]\nkey=value\nx=1\n\n"},
        LoadCase{"non_ascii_kept", "[Größe]\nWert=äöü €\n", "[Größe]\nWert=äöü €\n\n"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(IniModel, KeepsLinesLongerThan4096CharactersWhole)
{
    const QString value(5000, u'x');
    EXPECT_EQ(modelOf(u"[A]\nk=" + value).rebuiltText(u"\n"), u"[A]\nk=" + value + u"\n\n");
}

TEST(IniModel, KeepsNulCharactersInsideALine)
{
    const QString line = QStringLiteral("k=a") + QChar(0) + u'b';
    EXPECT_EQ(modelOf(u"[A]\n" + line + QChar(0)).sections().constFirst().lines, QStringList{line});
}

TEST(IniModel, LinesOutliveTheModelAndChangeAlone)
{
    QString line;
    {
        const TIniModel model = modelOf(QStringLiteral("[A]\r\n  k = v  \r\nj=w"));
        line = model.sections().constFirst().lines.constFirst();
    }
    EXPECT_EQ(line, u"k=v");
    EXPECT_EQ(line.utf16()[line.size()], 0); // ended as every text is
    line += u'x';
    EXPECT_EQ(line, u"k=vx");
}

TEST(IniModel, LoadingReplacesTheWholeContent)
{
    TIniModel model = modelOf(QStringLiteral("[A]\nk=v\n"));
    model.loadText(QStringLiteral("[B]\n"));
    EXPECT_EQ(model.rebuiltText(u"\n"), u"[B]\n\n");
}

struct WriteCase
{
    const char *name;
    const char *before;
    const char *section;
    const char *key;
    const char *value;
    const char *after;
};

void PrintTo(const WriteCase &row, std::ostream *out)
{
    *out << row.name;
}

class IniModelWriting : public ::testing::TestWithParam<WriteCase>
{
};

TEST_P(IniModelWriting, SetsTheValue)
{
    const WriteCase &row = GetParam();
    TIniModel model = modelOf(text(row.before));
    model.write(text(row.section), text(row.key), text(row.value));
    EXPECT_EQ(model.rebuiltText(u"\n"), text(row.after));
}

INSTANTIATE_TEST_SUITE_P(
    Rules, IniModelWriting,
    ::testing::Values(
        WriteCase{"replaces_the_line", "[A]\nk=1\nj=2", "A", "k", "9", "[A]\nk=9\nj=2\n\n"},
        WriteCase{"ignores_case_and_takes_the_new_key_form", "[ACCESS]\nFLAGS=$1,bf;x", "Access", "Flags",
                  "$0000A003,bf;x", "[ACCESS]\nFlags=$0000A003,bf;x\n\n"},
        WriteCase{"last_of_sections_differing_in_case", "[a]\nx=1\n[A]\nx=1", "a", "x", "2",
                  "[a]\nx=1\n\n[A]\nx=2\n\n"},
        WriteCase{"last_of_several_lines", "[A]\nk=1\nk=2\nj=3", "A", "K", "9", "[A]\nk=1\nK=9\nj=3\n\n"},
        WriteCase{"appends_a_new_key", "[A]\nk=1\n[B]\n", "a", "j", "3", "[A]\nk=1\nj=3\n\n[B]\n\n"},
        WriteCase{"appends_a_new_section", "[A]\nk=1", "Access", "Flags", "$1,;", "[A]\nk=1\n\n[Access]\nFlags=$1,;\n\n"},
        WriteCase{"into_an_empty_file", "", "S", "k", "v", "[S]\nk=v\n\n"},
        WriteCase{"line_without_equals_has_no_name", "[A]\nk", "A", "k", "1", "[A]\nk\nk=1\n\n"},
        WriteCase{"longer_name_does_not_match", "[A]\nkey2=1", "A", "key", "1", "[A]\nkey2=1\nkey=1\n\n"},
        WriteCase{"non_ascii_names_ignore_case", "[ÄRGER]\nÖL=1", "ärger", "öl", "2", "[ÄRGER]\nöl=2\n\n"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(IniModel, EachWriteFindsWhatTheWritesAndTheLoadBeforeItLeft)
{
    TIniModel model = modelOf(QStringLiteral("[A]\nk=1\n"));
    model.write(QStringLiteral("A"), QStringLiteral("j"), QStringLiteral("2"));
    model.write(QStringLiteral("a"), QStringLiteral("J"), QStringLiteral("3"));
    model.write(QStringLiteral("B"), QStringLiteral("x"), QStringLiteral("1"));
    model.write(QStringLiteral("b"), QStringLiteral("X"), QStringLiteral("2"));
    EXPECT_EQ(model.rebuiltText(u"\n"), u"[A]\nk=1\nJ=3\n\n[B]\nX=2\n\n");
    model.loadText(QStringLiteral("[B]\nk=1\n[A]\n"));
    model.write(QStringLiteral("b"), QStringLiteral("K"), QStringLiteral("2"));
    EXPECT_EQ(model.rebuiltText(u"\n"), u"[B]\nK=2\n\n[A]\n\n");
}

// Two writes into one section; the second finds the lines by the same
// rule whether the text was loaded again between them or not.
struct TwoWritesCase
{
    const char *name;
    const char *firstKey;
    const char *secondKey;
    const char *after;
};

void PrintTo(const TwoWritesCase &row, std::ostream *out)
{
    *out << row.name;
}

class IniModelTwoWrites : public ::testing::TestWithParam<TwoWritesCase>
{
};

TEST_P(IniModelTwoWrites, NameEveryLineByItsTextBeforeTheFirstEquals)
{
    const TwoWritesCase &row = GetParam();
    for (const bool loadedBetween : {false, true}) {
        TIniModel model = modelOf(QStringLiteral("[S]\n"));
        model.write(QStringLiteral("S"), text(row.firstKey), QStringLiteral("1"));
        if (loadedBetween)
            model.loadText(model.rebuiltText(u"\n"));
        model.write(QStringLiteral("S"), text(row.secondKey), QStringLiteral("2"));
        EXPECT_EQ(model.rebuiltText(u"\n"), text(row.after)) << (loadedBetween ? "loaded between" : "in one go");
    }
}

INSTANTIATE_TEST_SUITE_P(
    KeysWithEquals, IniModelTwoWrites,
    ::testing::Values(TwoWritesCase{"key_named_by_its_text_before_equals", "a=b", "a", "[S]\na=2\n\n"},
                      TwoWritesCase{"key_with_equals_is_never_a_name", "a=b", "a=b", "[S]\na=b=1\na=b=2\n\n"},
                      TwoWritesCase{"plain_key_replaced", "a", "A", "[S]\nA=2\n\n"}),
    [](const auto &info) { return std::string(info.param.name); });

class IniModelFile : public ::testing::Test
{
protected:
    TestFolder folder;
};

TEST_F(IniModelFile, WritesTheRebuiltTextWithCrLf)
{
    folder.write(QStringLiteral("a.ini"), "; head\r\nfree\r\n[A]\r\n  k = v \r\n\r\n[B]\nx=1");
    TIniModel model(folder.path(QStringLiteral("a.ini")));
    model.loadFromFile();
    model.writeFile();
    EXPECT_EQ(folder.read(QStringLiteral("a.ini")), "[A]\r\nk=v\r\n\r\n[B]\r\nx=1\r\n\r\n");
}

TEST_F(IniModelFile, WithoutSectionsWritesAnEmptyFile)
{
    folder.write(QStringLiteral("a.ini"), "k=v\r\n");
    TIniModel model(folder.path(QStringLiteral("a.ini")));
    model.loadFromFile();
    model.writeFile();
    EXPECT_EQ(folder.read(QStringLiteral("a.ini")), QByteArray());
}

TEST_F(IniModelFile, WritingAValueLeavesTheFileAlone)
{
    folder.write(QStringLiteral("a.ini"), "[A]\r\nk=1\r\n");
    TIniModel model(folder.path(QStringLiteral("a.ini")));
    model.loadFromFile();
    model.write(QStringLiteral("A"), QStringLiteral("k"), QStringLiteral("2"));
    EXPECT_EQ(folder.read(QStringLiteral("a.ini")), "[A]\r\nk=1\r\n");
}

TEST_F(IniModelFile, StaysBoundToTheFolderItWasCreatedIn)
{
    CurrentDirectoryGuard guard;
    folder.write(QStringLiteral("a.ini"), "[A]\r\n");
    QDir::setCurrent(folder.path(QString()));
    TIniModel model(QStringLiteral("a.ini"));
    model.loadFromFile();
    QDir(folder.path(QString())).mkdir(QStringLiteral("elsewhere"));
    QDir::setCurrent(folder.path(QStringLiteral("elsewhere")));
    model.write(QStringLiteral("A"), QStringLiteral("k"), QStringLiteral("1"));
    model.writeFile();
    EXPECT_EQ(folder.read(QStringLiteral("a.ini")), "[A]\r\nk=1\r\n\r\n");
    EXPECT_FALSE(QFileInfo::exists(folder.path(QStringLiteral("elsewhere/a.ini"))));
}

TEST_F(IniModelFile, MissingFileRaisesTheOpenError)
{
    const QString path = folder.path(QStringLiteral("missing.ini"));
    TIniModel model(path);
    try {
        model.loadFromFile();
        FAIL() << "no error raised";
    } catch (const FileOpenError &error) {
        EXPECT_TRUE(error.message().startsWith(u"Datei " + path + u" kann nicht geöffnet werden. ")) << error.message().toStdString();
    }
}

TEST_F(IniModelFile, AWriteThatFailsRaisesTheCreateErrorAndKeepsTheOldFile)
{
    folder.write(QStringLiteral("a.ini"), "[A]\r\nk=1\r\n");
    TIniModel model(folder.path(QStringLiteral("a.ini")));
    model.loadFromFile();
    model.write(QStringLiteral("A"), QStringLiteral("k"), QStringLiteral("a value longer than the disk takes"));
    QString report;
    {
        const FileSizeLimit fullDisk(8);
        try {
            model.writeFile();
        } catch (const FileCreateError &error) {
            report = error.message();
        }
    }
    EXPECT_TRUE(report.startsWith(u"Datei \"" + folder.path(QStringLiteral("a.ini")) + u"\" kann nicht erstellt werden. "))
        << report.toStdString();
    EXPECT_EQ(folder.read(QStringLiteral("a.ini")), "[A]\r\nk=1\r\n");
    EXPECT_EQ(QDir(folder.path(QString())).entryList(QDir::Files), QStringList{QStringLiteral("a.ini")});
}

struct EncodingCase
{
    const char *name;
    QByteArray bytes; // already in rebuilt form
    const char *firstLine;
};

void PrintTo(const EncodingCase &row, std::ostream *out)
{
    *out << row.name;
}

class IniModelEncoding : public ::testing::TestWithParam<EncodingCase>
{
protected:
    TestFolder folder;
};

TEST_P(IniModelEncoding, ReadsTheCharactersAndWritesTheSameBytesBack)
{
    folder.write(QStringLiteral("a.ini"), GetParam().bytes);
    TIniModel model(folder.path(QStringLiteral("a.ini")));
    model.loadFromFile();
    EXPECT_EQ(model.rebuiltText(u"\n").split(u'\n').constFirst(), text(GetParam().firstLine));
    model.writeFile();
    EXPECT_EQ(folder.read(QStringLiteral("a.ini")), GetParam().bytes);
}

INSTANTIATE_TEST_SUITE_P(
    RoundTrips, IniModelEncoding,
    ::testing::Values(
        EncodingCase{"utf8", "[Gr\xC3\xB6\xC3\x9F" "e \xE2\x82\xAC]\r\nk=v\r\n\r\n", "[Größe €]"},
        EncodingCase{"utf8_with_byte_order_mark", "\xEF\xBB\xBF[\xC3\xA4]\r\n\r\n", "[ä]"},
        EncodingCase{"windows1252", "[Gr\xF6\xDF" "e \x80]\r\nk=\xE4\xA0\x81\r\n\r\n", "[Größe €]"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(IniModelEncodingChange, TextWindows1252CannotHoldIsWrittenAsUtf8)
{
    TestFolder folder;
    folder.write(QStringLiteral("a.ini"), "[\xE4]\r\n\r\n");
    TIniModel model(folder.path(QStringLiteral("a.ini")));
    model.loadFromFile();
    model.write(QStringLiteral("\u00E4"), QStringLiteral("k"), QStringLiteral("\u03A9"));
    model.writeFile();
    EXPECT_EQ(folder.read(QStringLiteral("a.ini")), "[\xC3\xA4]\r\nk=\xCE\xA9\r\n\r\n");
    EXPECT_EQ(model.encoding().kind, TextEncoding::Utf8);
}

} // namespace
