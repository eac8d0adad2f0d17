#include "IncludeProgram.h"

#include "support/QStringPrinting.h"
#include "support/TestFiles.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

struct StatusCase
{
    const char *what;
    QByteArray ini; // myapp.ini
    QByteArray table; // MyappAccessFlags.bfx, when not empty
    QStringList arguments;
    int status;
    QString err; // what standard error begins with
    QString out; // what standard output begins with; "@" stands for the folder
    QString standardOutput = {}; // the file standard output appends to, if not the test's pipe; a name
                                 // without a folder is a log in the test folder, read as the output
    QString outLink = {}; // when set, out.h is a symbolic link to it
    QByteArray settings = {}; // MyappAccessFlags.bfi, when not empty
};

void PrintTo(const StatusCase &c, std::ostream *out)
{
    *out << c.what;
}

class ExitStatus : public ::testing::TestWithParam<StatusCase>
{
protected:
    TestFolder folder;
};

TEST_P(ExitStatus, AndWhatThePrintsSay)
{
    const StatusCase &c = GetParam();
    folder.write(u"myapp.ini"_s, c.ini);
    if (!c.table.isEmpty())
        folder.write(u"MyappAccessFlags.bfx"_s, c.table);
    if (!c.settings.isEmpty())
        folder.write(u"MyappAccessFlags.bfi"_s, c.settings);
    if (!c.outLink.isEmpty()) {
        ASSERT_TRUE(QFile::link(c.outLink, folder.path(u"out.h"_s)));
    }
    const bool log = !c.standardOutput.isEmpty() && !c.standardOutput.contains(u'/');
    if (log)
        folder.write(c.standardOutput, "an earlier line\n");
    IncludeRun run = runTarvexInclude(c.arguments, folder.path(QString()),
                                      log ? folder.path(c.standardOutput) : c.standardOutput);
    if (log)
        run.out = folder.read(c.standardOutput);
    EXPECT_EQ(run.status, c.status);
    EXPECT_TRUE(QString::fromUtf8(run.err).startsWith(c.err)) << run.err.toStdString();
    QString out = c.out;
    out.replace(u'@', folder.path(QString()));
    EXPECT_TRUE(QString::fromUtf8(run.out).startsWith(out)) << run.out.toStdString();
    if (c.err.isEmpty()) {
        EXPECT_EQ(run.err, QByteArray());
    }
    EXPECT_FALSE(!c.outLink.isEmpty() && run.out.contains("out.h")); // no path inside the header
}

// Comments and blank lines are not shown, but count in the lines reported.
const QByteArray ini = "; myapp\r\n\r\n[ACCESS]\r\nFLAGS = $00000002,bf;x\r\n ; old\r\nMode=3\r\nBad=$0000XYZ1,bf\r\n";
const QByteArray cleanTable = utf16LeFile(u"False;00000002;Write;\r\n"_s);
const QByteArray blankName = utf16LeFile(u"False;00000002;Write Enable;\r\n"_s);
const QByteArray twoRows = utf16LeFile(u"False;00000002;Write;\r\nFalse;00000001;Read;\r\n"_s);
const QByteArray sevenIni = "[ACCESS]\r\nFLAGS=$00000007,bf;x\r\n";
const QString fullDisk = u"standard output cannot be written: Auf dem Datentr\u00e4ger ist nicht gen\u00fcgend Speicherplatz vorhanden\n"_s;
const QString noFlagWord =
    u"myapp.ini: note: no flag word in the file: no flag line (KEY=$hex text,prefix;note with a section above it)\n"_s;
const QString blankWarning =
    u"myapp.ini:4: warning: ACCESS/FLAGS row 1 (00000002): \"bfWrite Enable\" is not an identifier: it contains a blank\n"_s;

INSTANTIATE_TEST_SUITE_P(
    Table, ExitStatus,
    ::testing::Values(
        StatusCase{"a clean check", ini, cleanTable,
                   {u"--check"_s, u"myapp.ini"_s, u"ACCESS"_s, u"FLAGS"_s}, 0, {}, {}},
        StatusCase{"a check with a warning alone: a field's value without a name", ini,
                   utf16LeFile(u"False;00000003;Mode;\r\n"_s), {u"--check"_s, u"myapp.ini"_s, u"ACCESS"_s, u"FLAGS"_s}, 0,
                   u"myapp.ini:4: warning: ACCESS/FLAGS row 1 (00000003): the flag word holds 2 in this field, a value "
                   "without a name\n"_s,
                   {}, {}, {}, "[Field 00000003]\r\n1=Read\r\n"},
        StatusCase{"a check with findings", ini, blankName, {u"--check"_s, u"myapp.ini"_s, u"access"_s, u"flags"_s},
                   1, blankWarning, {}},
        StatusCase{"writing with findings", ini, blankName, {u"myapp.ini"_s, u"ACCESS"_s, u"FLAGS"_s}, 0,
                   blankWarning, u"@/MyappAccessFlags.inc_dn\n"_s},
        StatusCase{"to standard output", ini, blankName,
                   {u"--output"_s, u"-"_s, u"--form"_s, u"cpp"_s, u"myapp.ini"_s, u"ACCESS"_s, u"FLAGS"_s}, 0,
                   blankWarning, u"//Based on values in ini-file section: Access Key: Flags\r\n"_s},
        StatusCase{"no INI file named", ini, {}, {u"--check"_s}, 2,
                   u"tarvex-include: expected INI, or INI SECTION KEY\nUsage: tarvex-include"_s, {}},
        StatusCase{"an unknown form", ini, {}, {u"--form"_s, u"basic"_s, u"myapp.ini"_s}, 2,
                   u"tarvex-include: unknown form \"basic\": pascal, cpp or c\n"_s, {}},
        StatusCase{"an output for every flag line", ini, {}, {u"--output"_s, u"x.inc"_s, u"myapp.ini"_s}, 2,
                   u"tarvex-include: --output writes one flag word: give SECTION and KEY\n"_s, {}},
        StatusCase{"an INI file that cannot be read", ini, {}, {u"none.ini"_s}, 2,
                   u"none.ini: error: Datei "_s, {}},
        StatusCase{"a section not in the file", ini, {}, {u"myapp.ini"_s, u"Paths"_s, u"Home"_s}, 2,
                   u"myapp.ini: error: Paths/Home: no section \"Paths\" in the file\n"_s, {}},
        StatusCase{"a key not in the section", ini, {}, {u"myapp.ini"_s, u"Access"_s, u"Bits"_s}, 2,
                   u"myapp.ini: error: Access/Bits: no key \"Bits\" in section \"Access\"\n"_s, {}},
        StatusCase{"a line that is no flag line", ini, {}, {u"myapp.ini"_s, u"ACCESS"_s, u"MODE"_s}, 2,
                   u"myapp.ini:6: error: ACCESS/MODE: \"Mode=3\" is not a flag line"_s, {}},
        StatusCase{"an invalid hex text, the other flag words still written", ini, cleanTable, {u"myapp.ini"_s}, 2,
                   u"myapp.ini:7: error: ACCESS/Bad: '$0000XYZ1' ist kein gültiger Integerwert\n"_s,
                   u"@/MyappAccessFlags.inc_dn\n"_s},
        StatusCase{"a mask that is no number, written as the bit editor writes it", ini,
                   utf16LeFile(u"False;0000000G;Write;\r\n"_s), {u"myapp.ini"_s, u"ACCESS"_s, u"FLAGS"_s}, 0,
                   u"myapp.ini:4: warning: ACCESS/FLAGS row 1 (0000000G): mask \"0000000G\" is not 8 hexadecimal digits\n"_s,
                   u"@/MyappAccessFlags.inc_dn\n"_s},
        StatusCase{"an output that cannot be written", ini, cleanTable,
                   {u"--output"_s, u"no/such/folder/x.inc"_s, u"myapp.ini"_s, u"ACCESS"_s, u"FLAGS"_s}, 2,
                   u"myapp.ini:4: error: ACCESS/FLAGS: Datei \""_s, {}},
        StatusCase{"an output that is a pipe, written into", ini, cleanTable,
                   {u"--output"_s, u"out.h"_s, u"myapp.ini"_s, u"ACCESS"_s, u"FLAGS"_s}, 0, {},
                   u"//Based on values in ini-file section: Access Key: Flags\r\n"_s, {}, u"/proc/self/fd/1"_s},
        StatusCase{"an output naming standard output, a log that keeps its lines", ini, cleanTable,
                   {u"--output"_s, u"/dev/stdout"_s, u"myapp.ini"_s, u"ACCESS"_s, u"FLAGS"_s}, 0, {},
                   u"an earlier line\n//Based on values in ini-file section: Access Key: Flags\r\n"_s, u"build.log"_s},
        StatusCase{"a full standard output", ini, cleanTable,
                   {u"--output"_s, u"-"_s, u"myapp.ini"_s, u"ACCESS"_s, u"FLAGS"_s}, 2,
                   u"myapp.ini:4: error: ACCESS/FLAGS: "_s + fullDisk, {}, u"/dev/full"_s},
        StatusCase{"a list of paths that cannot be written", ini, cleanTable,
                   {u"myapp.ini"_s, u"ACCESS"_s, u"FLAGS"_s}, 2,
                   u"myapp.ini:4: error: ACCESS/FLAGS: "_s + fullDisk, {}, u"/dev/full"_s},
        StatusCase{"bits no row holds", sevenIni, twoRows, {u"--check"_s, u"myapp.ini"_s}, 1,
                   u"myapp.ini:2: warning: ACCESS/FLAGS: bits $00000004 of the flag word have no row\n"_s, {}},
        StatusCase{"bits of an empty table", sevenIni, utf16LeFile({}), {u"--check"_s, u"myapp.ini"_s}, 1,
                   u"myapp.ini:2: warning: ACCESS/FLAGS: bits $00000007 of the flag word have no row\n"_s, {}},
        StatusCase{"a hex text without digits", "[ACCESS]\r\nFLAGS=$,bfxxxxxx;n\r\n", cleanTable, {u"myapp.ini"_s},
                   2, u"myapp.ini:2: error: ACCESS/FLAGS: '$' ist kein g\u00fcltiger Integerwert\n"_s, {}},
        StatusCase{"an empty file", {}, {}, {u"myapp.ini"_s}, 0, noFlagWord, {}},
        StatusCase{"lines too short to be flag lines", "[ACCESS]\r\nFLAGS=$1,bf\r\n\x01\xff", {},
                   {u"--check"_s, u"myapp.ini"_s}, 0, noFlagWord, {}},
        StatusCase{"bottom-up: the same constants from the lowest bit up", ini, twoRows,
                   {u"--bottom-up"_s, u"--output"_s, u"-"_s, u"--form"_s, u"cpp"_s, u"myapp.ini"_s, u"ACCESS"_s,
                    u"FLAGS"_s},
                   0, {},
                   u"//Based on values in ini-file section: Access Key: Flags\r\n"
                   "//Corresponding files are: @/MyappAccessFlags.*\r\n"
                   "//Generated by Tarvex, the editor that names every bit of a 32 bit flag word\r\n"
                   "//Attention: Mask values sorted bottom (LSB) to up (MSB)!\r\n"
                   "bfRead                   0x00000001; //\r\n"
                   "bfWrite                  0x00000002; //\r\n"
                   "bfDefault                0x00000002; //Default set bits \r\n"_s}));

} // namespace
