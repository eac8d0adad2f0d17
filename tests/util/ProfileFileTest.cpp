#include "util/ProfileFile.h"

#include "platform/Errors.h"
#include "support/TestFiles.h"
#include "TextCase.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const QString fileName = u"settings.bfi"_s;

// A file holding one value under [S] K, as a user may have typed it.
struct ReadCase
{
    QByteArray stored;
    QString expected;
};

void PrintTo(const ReadCase &row, std::ostream *out)
{
    *out << row.stored.toStdString();
}

class ReadStringOf : public ::testing::TestWithParam<ReadCase>
{
};

TEST_P(ReadStringOf, TrimsAndUnquotesTheValue)
{
    TestFolder folder;
    folder.write(fileName, "[S]\r\nK=" + GetParam().stored + "\r\n");
    EXPECT_EQ(TProfileFile(folder.path(fileName)).ReadString(u"S"_s, u"K"_s, u"default"_s), GetParam().expected);
}

const ReadCase readRows[] = {
    {"plain", u"plain"_s},
    {" \t spaced out \t", u"spaced out"_s},
    {"\"quoted\"", u"quoted"_s},
    {" ' single ' ", u" single "_s},
    {"\"\"x\"\"", u"\"x\""_s},
    {"\"open", u"\"open"_s},
    {"'mixed\"", u"'mixed\""_s},
    {"\"", u"\""_s},
    {"", QString()},
    {"a=b", u"a=b"_s},
    {"Gr\xc3\xb6\xc3\x9f" "e", u"Größe"_s},
};

INSTANTIATE_TEST_SUITE_P(ProfileFile, ReadStringOf, ::testing::ValuesIn(readRows));

TEST(ProfileFile, MissingFileSectionOrKeyGivesTheDefault)
{
    TestFolder folder;
    const TProfileFile missing(folder.path(fileName));
    EXPECT_EQ(missing.ReadString(u"S"_s, u"K"_s, u"dflt"_s), u"dflt"_s);
    EXPECT_EQ(missing.ReadInteger(u"IndexOf"_s, u"Section"_s, -1), -1);
    EXPECT_FALSE(QFileInfo::exists(folder.path(fileName)));

    folder.write(fileName, "[S]\r\nK=1\r\n");
    const TProfileFile file(folder.path(fileName));
    EXPECT_EQ(file.ReadString(u"T"_s, u"K"_s, u"dflt"_s), u"dflt"_s);
    EXPECT_EQ(file.ReadString(u"S"_s, u"L"_s, u"dflt"_s), u"dflt"_s);
    EXPECT_EQ(file.ReadString(u"s"_s, u"k"_s, u"dflt"_s), u"1"_s);
    EXPECT_EQ(TProfileFile(folder.path(QString())).ReadString(u"S"_s, u"K"_s, u"dflt"_s), u"dflt"_s);
}

TEST(ProfileFile, ReadsAtMost2047Characters)
{
    TestFolder folder;
    folder.write(fileName, "[S]\nK=" + QByteArray(5000, 'x') + "\n");
    EXPECT_EQ(TProfileFile(folder.path(fileName)).ReadString(u"S"_s, u"K"_s, QString()), QString(2047, u'x'));
}

struct IntegerCase
{
    QByteArray stored;
    int expected;
};

void PrintTo(const IntegerCase &row, std::ostream *out)
{
    *out << row.stored.toStdString() << " -> " << row.expected;
}

class ReadIntegerOf : public ::testing::TestWithParam<IntegerCase>
{
};

TEST_P(ReadIntegerOf, AcceptsDecimalAndHexadecimalElseGivesTheDefault)
{
    TestFolder folder;
    folder.write(fileName, "[S]\nK=" + GetParam().stored + "\n");
    EXPECT_EQ(TProfileFile(folder.path(fileName)).ReadInteger(u"S"_s, u"K"_s, 77), GetParam().expected);
}

const IntegerCase integerRows[] = {
    {"0", 0},
    {"366", 366},
    {"  -1 ", -1},
    {"+7", 7},
    {"\"12\"", 12},
    {"0x64", 100},
    {"0X1f", 31},
    {"0x", 77},
    {"0x1G", 77},
    {"0xFFFFFFFF", -1},
    {"$FF", 255},
    {"$", 77},
    {"$0000000000A", 10},
    {"$123456789", 77},
    {"-$10", 77},
    {"2147483647", 2147483647},
    {"2147483648", 77},
    {"-2147483648", -2147483647 - 1},
    {"-2147483649", 77},
    {"99999999999999999999", 77},
    {"12a", 77},
    {"1 2", 77},
    {"-", 77},
    {"wide", 77},
    {"", 77},
};

INSTANTIATE_TEST_SUITE_P(ProfileFile, ReadIntegerOf, ::testing::ValuesIn(integerRows));

TEST(ProfileFile, ReadsBooleansAsIntegers)
{
    TestFolder folder;
    folder.write(fileName, "[S]\nOne=1\nZero=0\nTwo=2\nWord=yes\n");
    const TProfileFile file(folder.path(fileName));
    EXPECT_TRUE(file.ReadBool(u"S"_s, u"One"_s, false));
    EXPECT_FALSE(file.ReadBool(u"S"_s, u"Zero"_s, true));
    EXPECT_TRUE(file.ReadBool(u"S"_s, u"Two"_s, false));
    EXPECT_TRUE(file.ReadBool(u"S"_s, u"Word"_s, true));
    EXPECT_FALSE(file.ReadBool(u"S"_s, u"Word"_s, false));
    EXPECT_TRUE(file.ReadBool(u"S"_s, u"Missing"_s, true));
}

TEST(ProfileFile, EveryWriteIsOnDiskWhenItReturns)
{
    TestFolder folder;
    TProfileFile file(folder.path(fileName));
    file.WriteInteger(u"IndexOf"_s, u"Section"_s, 2);
    EXPECT_EQ(folder.read(fileName), QByteArray("[IndexOf]\r\nSection=2\r\n"));
    file.WriteInteger(u"IndexOf"_s, u"Label"_s, -1);
    file.WriteBool(u"Visible Columns"_s, u"Column0"_s, true);
    file.WriteBool(u"Visible Columns"_s, u"Column1"_s, false);
    file.WriteString(u"IndexOf"_s, u"Section"_s, u"\"x\""_s);
    EXPECT_EQ(folder.read(fileName), QByteArray("[IndexOf]\r\nSection=\"x\"\r\nLabel=-1\r\n"
                                                "[Visible Columns]\r\nColumn0=1\r\nColumn1=0\r\n"));
}

TEST(ProfileFile, KeepsEveryLineItDoesNotChange)
{
    TestFolder folder;
    const QByteArray before = "; written by hand\n[IndexOf]\nSection=2\nLabel=-1\nPrefix=7\n\n[Other]\r\nx = 1\r\n";
    folder.write(fileName, before);
    TProfileFile(folder.path(fileName)).WriteInteger(u"indexof"_s, u"LABEL"_s, 3);
    EXPECT_EQ(folder.read(fileName),
              QByteArray("; written by hand\n[IndexOf]\nSection=2\nLabel=3\nPrefix=7\n\n[Other]\r\nx = 1\r\n"));
}

TEST(ProfileFile, KeepsTheEncodingItRead)
{
    TestFolder folder;
    // Windows-1252: "ä" is the single byte E4.
    folder.write(fileName, "; M\xe4rz\r\n[S]\r\nK=1\r\n");
    TProfileFile file(folder.path(fileName));
    file.WriteString(u"S"_s, u"K"_s, u"Größe"_s);
    EXPECT_EQ(folder.read(fileName), QByteArray("; M\xe4rz\r\n[S]\r\nK=Gr\xf6\xdf" "e\r\n"));
    EXPECT_EQ(file.ReadString(u"S"_s, u"K"_s, QString()), u"Größe"_s);

    folder.write(fileName, "\xef\xbb\xbf[S]\r\nK=1\r\n");
    file.WriteString(u"S"_s, u"K"_s, u"ä"_s);
    EXPECT_EQ(folder.read(fileName), QByteArray("\xef\xbb\xbf[S]\r\nK=\xc3\xa4\r\n"));
}

TEST(ProfileFile, ARelativeNameIsTakenFromTheCurrentDirectory)
{
    TestFolder folder;
    const CurrentDirectoryGuard guard;
    QDir::setCurrent(folder.path(QString()));
    TProfileFile file(fileName);
    EXPECT_EQ(file.FileName(), QFileInfo(folder.path(fileName)).absoluteFilePath());
    file.WriteString(u"S"_s, u"K"_s, u"V"_s);
    EXPECT_EQ(folder.read(fileName), QByteArray("[S]\r\nK=V\r\n"));
}

void expectProfileWriteError(TProfileFile &file)
{
    try {
        file.WriteString(u"S"_s, u"K"_s, u"V"_s);
        ADD_FAILURE() << "no error";
    } catch (const ProfileWriteError &error) {
        EXPECT_EQ(error.message(), u"In "_s + file.FileName() + u" kann nicht geschrieben werden"_s);
    }
}

TEST(ProfileFile, AMissingFolderGivesTheProfileWriteError)
{
    TestFolder folder;
    TProfileFile file(folder.path(u"missing/"_s + fileName));
    expectProfileWriteError(file);
    EXPECT_FALSE(QFileInfo::exists(folder.path(u"missing"_s)));
}

TEST(ProfileFile, AFolderInThePlaceOfTheFileGivesTheProfileWriteError)
{
    TestFolder folder;
    QDir().mkpath(folder.path(fileName));
    TProfileFile file(folder.path(fileName));
    expectProfileWriteError(file);
    EXPECT_TRUE(QFileInfo(folder.path(fileName)).isDir());
    EXPECT_EQ(file.ReadString(u"S"_s, u"K"_s, u"dflt"_s), u"dflt"_s);
}

TEST(ProfileFile, AnEmptyNameCannotBeWritten)
{
    TProfileFile file{QString()};
    expectProfileWriteError(file);
}

} // namespace
