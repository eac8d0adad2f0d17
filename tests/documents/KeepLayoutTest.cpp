#include "documents/IniModel.h"
#include "support/QStringPrinting.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// Save Init keeping the layout: the file before, section, key and value, the file after.
using LayoutWriteCase = std::tuple<QByteArray, QString, QString, QString, QByteArray>;

class KeepingTheLayout : public ::testing::TestWithParam<LayoutWriteCase>
{
};

TEST_P(KeepingTheLayout, ChangesOnlyTheValueOrAddsTheLinesItNeeds)
{
    const auto &[before, section, key, value, after] = GetParam();
    TestFolder folder;
    folder.write(u"a.ini"_s, before);
    TIniModel model(folder.path(u"a.ini"_s));
    model.setKeepLayout(true);
    model.loadFromFile();
    model.write(section, key, value);
    model.writeFile();
    EXPECT_EQ(folder.read(u"a.ini"_s), after);
}

INSTANTIATE_TEST_SUITE_P(
    IniModel, KeepingTheLayout,
    ::testing::Values(
        LayoutWriteCase{"; c\r\n[Access]\r\n\r\n  FLAGS =  $1,bf;x  \r\n[a]\r\n", u"ACCESS"_s, u"Flags"_s, u"$2,bf;y"_s,
                        "; c\r\n[Access]\r\n\r\n  FLAGS =  $2,bf;y\r\n[a]\r\n"},
        LayoutWriteCase{"[A]\nk=1\n\n; c\n[B]\n", u"a"_s, u"n"_s, u"2"_s, "[A]\nk=1\nn=2\n\n; c\n[B]\n"},
        LayoutWriteCase{"[A]\rk=1", u"B"_s, u"n"_s, u"2"_s, "[A]\rk=1\r\r[B]\rn=2"},
        LayoutWriteCase{"", u"B"_s, u"n"_s, u"2"_s, "[B]\r\nn=2\r\n"},
        LayoutWriteCase{"\xEF\xBB\xBF[A]\r\nk=\xE4\r\nk2=\xE4", u"A"_s, u"k"_s, u"\u00FC"_s, "\xEF\xBB\xBF[A]\r\nk=\xFC\r\nk2=\xE4"}));

} // namespace
