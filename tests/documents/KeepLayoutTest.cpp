#include "documents/IniModel.h"
#include "support/QStringPrinting.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// One Save Init keeping the layout: the file before, the write, the file after.
struct LayoutWriteCase
{
    QByteArray before;
    QString section;
    QString key;
    QString value;
    QByteArray after;
};

class KeepingTheLayout : public ::testing::TestWithParam<LayoutWriteCase>
{
};

TEST_P(KeepingTheLayout, ChangesOnlyTheValueOrAddsTheLinesItNeeds)
{
    const LayoutWriteCase &test = GetParam();
    TestFolder folder;
    folder.write(u"a.ini"_s, test.before);
    TIniModel model(folder.path(u"a.ini"_s));
    model.setKeepLayout(true);
    model.loadFromFile();
    model.writeFile();
    EXPECT_EQ(folder.read(u"a.ini"_s), test.before) << "an unedited file is written back byte for byte";

    model.write(test.section, test.key, test.value);
    model.writeFile();
    EXPECT_EQ(folder.read(u"a.ini"_s), test.after);
}

INSTANTIATE_TEST_SUITE_P(
    IniModel, KeepingTheLayout,
    ::testing::Values(
        LayoutWriteCase{"; c\r\n[Access]\r\n\r\n  FLAGS =  $1,bf;x  \r\n; after\r\n", u"ACCESS"_s, u"Flags"_s,
                        u"$2,bf;y"_s, "; c\r\n[Access]\r\n\r\n  FLAGS =  $2,bf;y\r\n; after\r\n"},
        LayoutWriteCase{"[a]\nk=1\n[ A ]\nk=2\nK = 3\n", u"A"_s, u"k"_s, u"4"_s, "[a]\nk=1\n[ A ]\nk=2\nK = 4\n"},
        LayoutWriteCase{"[A]\r\nk=1\r\n\r\n; c\r\n[B]\r\n", u"a"_s, u"n"_s, u"2"_s,
                        "[A]\r\nk=1\r\nn=2\r\n\r\n; c\r\n[B]\r\n"},
        LayoutWriteCase{"[A]\n; only\n", u"A"_s, u"n"_s, u"2"_s, "[A]\nn=2\n; only\n"},
        LayoutWriteCase{"[A]\r\nk=1\r\n", u"B"_s, u"n"_s, u"2"_s, "[A]\r\nk=1\r\n\r\n[B]\r\nn=2\r\n"},
        LayoutWriteCase{"[A]\rk=1", u"B"_s, u"n"_s, u"2"_s, "[A]\rk=1\r\r[B]\rn=2"},
        LayoutWriteCase{"", u"B"_s, u"n"_s, u"2"_s, "[B]\r\nn=2\r\n"},
        LayoutWriteCase{"k=1\n", u"A"_s, u"k"_s, u"2"_s, "k=1\n\n[A]\nk=2\n"},
        LayoutWriteCase{"\xEF\xBB\xBF[A]\r\nk=\xE4\r\nk2=\xE4", u"A"_s, u"k"_s, u"\u00FC"_s,
                        "\xEF\xBB\xBF[A]\r\nk=\xFC\r\nk2=\xE4"},
        LayoutWriteCase{"[A]\nk=\n", u"A"_s, u"k"_s, u"v"_s, "[A]\nk=v\n"}));

} // namespace
