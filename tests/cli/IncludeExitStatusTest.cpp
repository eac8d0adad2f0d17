#include "IncludeProgram.h"

#include "support/QStringPrinting.h"
#include "support/TestFiles.h"

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
    const IncludeRun run = runTarvexInclude(c.arguments, folder.path(QString()));
    EXPECT_EQ(run.status, c.status);
    EXPECT_TRUE(QString::fromUtf8(run.err).startsWith(c.err)) << run.err.toStdString();
    QString out = c.out;
    out.replace(u'@', folder.path(QString()));
    EXPECT_TRUE(QString::fromUtf8(run.out).startsWith(out)) << run.out.toStdString();
    if (c.err.isEmpty()) {
        EXPECT_EQ(run.err, QByteArray());
    }
}

// Comments and blank lines are not shown, but count in the lines reported.
const QByteArray ini = "; myapp\r\n\r\n[ACCESS]\r\nFLAGS = $00000002,bf;x\r\n ; old\r\nMode=3\r\nBad=$0000XYZ1,bf\r\n";
const QByteArray cleanTable = utf16LeFile(u"False;00000002;Write;\r\n"_s);
const QByteArray blankName = utf16LeFile(u"False;00000002;Write Enable;\r\n"_s);
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
                   {}, "[Field 00000003]\r\n1=Read\r\n"},
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
                   u"myapp.ini:4: error: ACCESS/FLAGS: Datei \""_s, {}}));

} // namespace
