#include "IncludeProgram.h"

#include "support/QStringPrinting.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// A key ending in a backslash: a "//" comment line ending in it would carry the
// next line into the comment, which -Wcomment refuses.
const QByteArray accessIni = "[ACCESS]\r\nFLAGS\\=$8000A002,bf;Read and write\r\n";

// Test programs that use the constants the natural way and print one
// constant and the Default value.
const QByteArray pascalProgram = "program flags;\n"
                                 "const\n"
                                 "{$I MyappAccessFlags_.inc_dn}\n"
                                 "begin\n"
                                 "  writeln(bfWriteEnable, ' ', bfDefault);\n"
                                 "end.\n";
const QByteArray cProgram = "#include <stdio.h>\n"
                            "#include \"MyappAccessFlags_.h\"\n"
                            "#include \"MyappAccessFlags_.h\"\n"
                            "static const unsigned long word = bfDefault;\n"
                            "int main(void)\n"
                            "{\n"
                            "    printf(\"%lu %lu\\n\", (unsigned long)bfWriteEnable, word);\n"
                            "    return 0;\n"
                            "}\n";

struct Compiler
{
    const char *what;
    QString form;
    QString source; // the test program's file name
    QStringList command; // program and arguments; the executable is ./flags
};

void PrintTo(const Compiler &c, std::ostream *out)
{
    *out << c.what;
}

const Compiler freePascal{"Free Pascal", u"pascal"_s, u"flags.pas"_s, {u"fpc"_s, u"-v0"_s, u"-oflags"_s, u"flags.pas"_s}};
// Both standards still read trigraphs such as "??/", a backslash.
const QStringList strictWarnings{u"-Wall"_s,    u"-Wextra"_s, u"-Wcomment"_s, u"-Wtrigraphs"_s,
                                 u"-Werror"_s, u"-pedantic-errors"_s};
const Compiler c99{"C99", u"c"_s, u"flags.c"_s,
                   QStringList{u"cc"_s, u"-std=c99"_s} + strictWarnings + QStringList{u"-oflags"_s, u"flags.c"_s}};
const Compiler cpp11{"C++11", u"c"_s, u"flags.cpp"_s,
                     QStringList{u"c++"_s, u"-std=c++11"_s} + strictWarnings + QStringList{u"-oflags"_s, u"flags.cpp"_s}};
// The default GNU dialect, which predefines "linux" and "unix" and knows
// typeof and the decimal types; Clang knows _BitInt.
const Compiler gnuC{"GNU C", u"c"_s, u"flags.c"_s, {u"cc"_s, u"-Wall"_s, u"-Werror"_s, u"-oflags"_s, u"flags.c"_s}};
const Compiler clangC{"Clang C", u"c"_s, u"flags.c"_s, {u"clang"_s, u"-Wall"_s, u"-Werror"_s, u"-oflags"_s, u"flags.c"_s}};

class CompileTest : public ::testing::Test
{
protected:
    // Writes the include file of ACCESS/FLAGS\ and compiles the test program;
    // `use` is a statement of its main part.
    IncludeRun includeAndCompile(const Compiler &compiler, const QByteArray &table, const QString &prefix = u"bf"_s,
                                 const QByteArray &use = {})
    {
        folder.write(u"myapp.ini"_s, QByteArray(accessIni).replace(",bf;", (u',' + prefix + u';').toUtf8()));
        folder.write(u"MyappAccessFlags_.bfx"_s, table);
        const bool pascal = compiler.form == u"pascal"_s;
        QByteArray program = pascal ? pascalProgram : cProgram;
        program.replace("bfWriteEnable", (prefix + u"WriteEnable"_s).toUtf8());
        program.replace("bfDefault", (prefix + u"Default"_s).toUtf8());
        const QByteArray body = pascal ? "begin\n" : "{\n";
        program.insert(program.indexOf(body) + body.size(), use);
        folder.write(compiler.source, program);
        const IncludeRun include =
            runTarvexInclude({u"--form"_s, compiler.form, u"myapp.ini"_s, u"ACCESS"_s, u"FLAGS\\"_s}, path());
        EXPECT_EQ(include.status, 0) << include.err.toStdString(); // findings do not stop the writing
        if (include.status != 0)
            return include;
        return runTool(compiler.command.first(), compiler.command.mid(1), path());
    }
    QString path() const { return folder.path(QString()); }

    TestFolder folder;
};

class Compiles : public CompileTest, public ::testing::WithParamInterface<Compiler>
{
};

TEST_P(Compiles, TheTestProgramPrintsAConstantAndTheDefaultValue)
{
    const IncludeRun compiled =
        includeAndCompile(GetParam(), tableFile({{30, u"WriteEnable;Write access */ /* \\"_s}, {0, u"Top;"_s}}));
    ASSERT_EQ(compiled.status, 0) << compiled.out.toStdString() << compiled.err.toStdString();
    const IncludeRun run = runTool(path() + u"/flags"_s, {}, path());
    EXPECT_EQ(run.out, "2 2147524610\n"); // $00000002 and $8000A002
}

// The log level of bits 4 and 5 with its four named values; the word holds 2.
TEST_P(Compiles, EveryFieldValueConstantIsItsValueShiftedIntoPlace)
{
    const Compiler &compiler = GetParam();
    folder.write(u"myapp.ini"_s, "[ACCESS]\r\nFLAGS=$00000020,bf;Log level\r\n");
    folder.write(u"MyappAccessFlags.bfx"_s, levelTableFile());
    folder.write(u"MyappAccessFlags.bfi"_s,
                 "[Field 00000030]\r\n0=Off\r\n1=Errors\r\n2=Warnings;Warnings and errors\r\n3=All\r\n");
    const QByteArray values = "bfLevel_Off, ' ', bfLevel_Errors, ' ', bfLevel_Warnings, ' ', bfLevel_All";
    const QByteArray program =
        compiler.form == u"pascal"_s
            ? QByteArray("program flags;\nconst\n{$I MyappAccessFlags.inc_dn}\nbegin\n  writeln(" + values +
                         ");\nend.\n")
            : QByteArray("#include <stdio.h>\n#include \"MyappAccessFlags.h\"\nint main(void)\n{\n"
                         "    printf(\"%lu %lu %lu %lu\\n\", (unsigned long)" +
                         QByteArray(values).replace(", ' ', ", ", (unsigned long)") + ");\n    return 0;\n}\n");
    folder.write(compiler.source, program);
    const IncludeRun include = runTarvexInclude({u"--check"_s, u"--form"_s, compiler.form, u"myapp.ini"_s}, path());
    EXPECT_EQ(include.status, 0) << include.err.toStdString();
    ASSERT_EQ(runTarvexInclude({u"--form"_s, compiler.form, u"myapp.ini"_s}, path()).status, 0);
    const IncludeRun compiled = runTool(compiler.command.first(), compiler.command.mid(1), path());
    ASSERT_EQ(compiled.status, 0) << compiled.out.toStdString() << compiled.err.toStdString();
    EXPECT_EQ(runTool(path() + u"/flags"_s, {}, path()).out, "0 16 32 48\n"); // 0 to 3 shifted by 4
}

INSTANTIATE_TEST_SUITE_P(Table, Compiles, ::testing::Values(freePascal, c99, cpp11));

// Each check with a name or mask that the compiler refuses without it.
struct Breaking
{
    const char *what;
    Compiler compiler;
    QMap<int, QString> names;
    QString prefix;
    QString warning; // the check's message
    QByteArray use = {}; // a statement that uses the name in its own role
};

void PrintTo(const Breaking &c, std::ostream *out)
{
    *out << c.what;
}

const QString pascalKeyword = u" is a keyword of Pascal"_s;
const QString cKeyword = u" is a keyword of C"_s;
const QString preprocessorName = u" is a name the C preprocessor refuses or defines itself"_s;

class BreakingNames : public CompileTest, public ::testing::WithParamInterface<Breaking>
{
};

TEST_P(BreakingNames, AreFoundByTheChecksAndRefusedByTheCompiler)
{
    const Breaking &c = GetParam();
    QMap<int, QString> names = c.names;
    names.insert(30, u"WriteEnable;"_s); // the test program uses it
    folder.write(u"myapp.ini"_s, QByteArray(accessIni).replace(",bf;", (u',' + c.prefix + u';').toUtf8()));
    folder.write(u"MyappAccessFlags_.bfx"_s, tableFile(names));
    const IncludeRun check =
        runTarvexInclude({u"--check"_s, u"--form"_s, c.compiler.form, u"myapp.ini"_s}, path());
    EXPECT_EQ(check.status, 1);
    EXPECT_TRUE(QString::fromUtf8(check.err).contains(c.warning)) << check.err.toStdString();

    const IncludeRun compiled = includeAndCompile(c.compiler, tableFile(names), c.prefix, c.use);
    EXPECT_GT(compiled.status, 0) << compiled.out.toStdString(); // the compiler ran and refused
}

INSTANTIATE_TEST_SUITE_P(
    Table, BreakingNames,
    ::testing::Values(
        Breaking{"a blank", freePascal, {{0, u"Top Bit;"_s}}, u"bf"_s, u"it contains a blank"_s},
        Breaking{"a leading digit", freePascal, {{0, u"2Way;"_s}}, {}, u"it begins with a digit"_s},
        Breaking{"an umlaut", freePascal, {{0, u"Größe;"_s}}, u"bf"_s, u"which is not an ASCII letter"_s},
        Breaking{"a keyword", freePascal, {{0, u"end;"_s}}, {}, u"\"end\" is a keyword of Pascal"_s},
        Breaking{"equal names", freePascal, {{0, u"READ;"_s}, {1, u"Read;"_s}}, u"bf"_s,
                 u"\"bfRead\" is also the name of row 1"_s},
        Breaking{"equal names in C", c99, {{0, u"Read;"_s}, {1, u"Read;"_s}}, u"bf"_s,
                 u"\"bfRead\" is also the name of row 1"_s},
        Breaking{"bitpacked", freePascal, {{0, u"bitpacked;"_s}}, {}, pascalKeyword},
        Breaking{"otherwise", freePascal, {{0, u"otherwise;"_s}}, {}, pascalKeyword},
        Breaking{"specialize", freePascal, {{0, u"specialize;"_s}}, {}, pascalKeyword, "  writeln(specialize);\n"},
        Breaking{"typeof", gnuC, {{0, u"typeof;"_s}}, {}, cKeyword, "typeof(word) copy = word; (void)copy;\n"},
        Breaking{"_BitInt", clangC, {{0, u"_BitInt;"_s}}, {}, cKeyword, "_BitInt(8) small = 1; (void)small;\n"},
        Breaking{"_Decimal32", gnuC, {{0, u"_Decimal32;"_s}}, {}, cKeyword, "_Decimal32 decimal = 1; (void)decimal;\n"},
        Breaking{"_Decimal64", gnuC, {{0, u"_Decimal64;"_s}}, {}, cKeyword, "_Decimal64 decimal = 1; (void)decimal;\n"},
        Breaking{"_Decimal128", gnuC, {{0, u"_Decimal128;"_s}}, {}, cKeyword, "_Decimal128 decimal = 1; (void)decimal;\n"},
        Breaking{"defined", c99, {{0, u"defined;"_s}}, {}, preprocessorName},
        Breaking{"__VA_ARGS__", c99, {{0, u"__VA_ARGS__;"_s}}, {}, preprocessorName},
        Breaking{"__VA_OPT__", c99, {{0, u"__VA_OPT__;"_s}}, {}, preprocessorName},
        Breaking{"_Pragma", c99, {{0, u"_Pragma;"_s}}, {}, preprocessorName},
        Breaking{"__has_include", c99, {{0, u"__has_include;"_s}}, {}, preprocessorName},
        Breaking{"__has_include_next", c99, {{0, u"__has_include_next;"_s}}, {}, preprocessorName},
        Breaking{"__has_attribute", c99, {{0, u"__has_attribute;"_s}}, {}, preprocessorName},
        Breaking{"__has_cpp_attribute", c99, {{0, u"__has_cpp_attribute;"_s}}, {}, preprocessorName},
        Breaking{"__has_c_attribute", c99, {{0, u"__has_c_attribute;"_s}}, {}, preprocessorName},
        Breaking{"__has_builtin", c99, {{0, u"__has_builtin;"_s}}, {}, preprocessorName},
        Breaking{"__FILE__", c99, {{0, u"__FILE__;"_s}}, {}, preprocessorName},
        Breaking{"__LINE__", c99, {{0, u"__LINE__;"_s}}, {}, preprocessorName},
        Breaking{"__DATE__", c99, {{0, u"__DATE__;"_s}}, {}, preprocessorName},
        Breaking{"__TIME__", c99, {{0, u"__TIME__;"_s}}, {}, preprocessorName},
        Breaking{"__STDC__", c99, {{0, u"__STDC__;"_s}}, {}, preprocessorName},
        Breaking{"__STDC_VERSION__", c99, {{0, u"__STDC_VERSION__;"_s}}, {}, preprocessorName},
        Breaking{"__GNUC__", c99, {{0, u"__GNUC__;"_s}}, {}, preprocessorName},
        Breaking{"__linux__", c99, {{0, u"__linux__;"_s}}, {}, preprocessorName},
        Breaking{"__cplusplus", cpp11, {{0, u"__cplusplus;"_s}}, {}, preprocessorName},
        Breaking{"linux", gnuC, {{0, u"linux;"_s}}, {}, preprocessorName},
        Breaking{"unix", gnuC, {{0, u"unix;"_s}}, {}, preprocessorName},
        Breaking{"a row named Default", cpp11, {{0, u"Default;"_s}}, u"bf"_s,
                 u"is also the name of the flag word's Default value"_s}));

} // namespace
