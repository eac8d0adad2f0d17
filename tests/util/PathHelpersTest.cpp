#include "util/PathHelpers.h"

#include "TextCase.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const TextCase windowsPathRows[] = {
    ROW(NormalizeDirectory, uR"(C:\Tools\Flags)"_s, uR"(C:\Tools\Flags\)"_s),
    ROW(NormalizeDirectory, uR"(C:\Tools\\Flags\\\)"_s, uR"(C:\Tools\Flags\)"_s),
    ROW(NormalizeDirectory, uR"(C:\Tools\Flags\app.exe)"_s, uR"(C:\Tools\Flags\)"_s),
    ROW(NormalizeDirectory, uR"(C:\My.Tools\Flags)"_s, uR"(C:\My.Tools\)"_s),
    ROW(NormalizeDirectory, uR"(C:\Tools\Flags.2)"_s, uR"(C:\Tools\)"_s),
    ROW(NormalizeDirectory, uR"(\\server\share\dir)"_s, uR"(server\share\dir\)"_s),
    ROW(NormalizeDirectory, u"C:"_s, uR"(C:\)"_s),
    ROW(NormalizeDirectory, u"file.txt"_s, uR"(\)"_s),
    ROW(NormalizeDirectory, u" \t "_s, QString()),
    ROW(NormalizeDirectory, QString(), QString()),
    ROW(WithTrailingBackslash, uR"(C:\Tools)"_s, uR"(C:\Tools\)"_s),
    ROW(WithTrailingBackslash, uR"(C:\Tools\\)"_s, uR"(C:\Tools\)"_s),
    ROW(WithTrailingBackslash, u"  "_s, uR"(\)"_s),
    ROW(WithTrailingBackslash, QString(), uR"(\)"_s),
    ROW(WithoutTrailingBackslashes, uR"(C:\Tools\\)"_s, uR"(C:\Tools)"_s),
    ROW(WithoutTrailingBackslashes, uR"( a\ )"_s, u"a"_s),
    ROW(WithoutTrailingBackslashes, uR"(\\\)"_s, QString()),
    ROW(CleanPathText, uR"(\\server\share\)"_s, uR"(server\share)"_s),
    ROW(CleanPathText, uR"( \a\\b\ )"_s, uR"(a\b)"_s),
    ROW(CleanPathText, uR"(\)"_s, QString()),
    ROW(CleanPathText, QString(), QString()),
    ROW(FolderPart, uR"(C:\data\MyappAccessFlags)"_s, uR"(C:\data\)"_s),
    ROW(FolderPart, u"D:readme"_s, u"D:"_s),
    ROW(FolderPart, u"readme"_s, QString()),
    ROW(FileNamePart, uR"(C:\data\Old.rev.bfx)"_s, u"Old.rev.bfx"_s),
    ROW(BaseNameWithoutExtension, uR"(C:\dir\Flags.old.ini)"_s, u"Flags"_s),
    ROW(BaseNameWithoutExtension, u"D:readme"_s, u"readme"_s),
    ROW(BaseNameWithoutExtension, uR"(C:\dir\)"_s, QString()),
    ROW(BaseNameWithoutExtension, uR"(C:\dir\.ini)"_s, QString()),
    ROW(BaseNameWithoutExtension, uR"(C:\Tools\flagedit.exe)"_s, u"flagedit"_s),
    ROW(BaseNameWithoutSuffix, uR"(C:\x\Flags_V2.ini)"_s, u"Flags"_s),
    ROW(BaseNameWithoutSuffix, uR"(C:\x\a_b_c.ini)"_s, u"a_b"_s),
    ROW(BaseNameWithoutSuffix, uR"(C:\x\my-app_x-y.ini)"_s, u"my-app"_s),
    ROW(BaseNameWithoutSuffix, uR"(C:\x\my-app.ini)"_s, u"my"_s),
    ROW(BaseNameWithoutSuffix, uR"(C:\x\plain.ini)"_s, u"plain"_s),
    ROW(BaseNameWithoutSuffix, uR"(C:\x\abc_.ini)"_s, u"abc"_s),
    ROW(BaseNameWithoutSuffix, uR"(C:\x\_abc.ini)"_s, u"abc"_s),
    ROW(BaseNameWithoutSuffix, uR"(C:\data\myapp_v2.ini)"_s, u"myapp"_s),
};

// The same rules on paths written with "/": it separates folders, it is
// the separator appended, and a leading "/" stays.
const TextCase slashPathRows[] = {
    ROW(NormalizeDirectory, u"/home/u/Tarvex"_s, u"/home/u/Tarvex/"_s),
    ROW(NormalizeDirectory, u"/home//u///Tarvex//"_s, u"/home/u/Tarvex/"_s),
    ROW(NormalizeDirectory, u"/opt/tools/tarvex.bin"_s, u"/opt/tools/"_s),
    ROW(NormalizeDirectory, u"/opt/my.tools/flags"_s, u"/opt/my.tools/"_s),
    ROW(NormalizeDirectory, u"//server/share"_s, u"/server/share/"_s),
    ROW(NormalizeDirectory, u"/"_s, u"/"_s),
    ROW(NormalizeDirectory, u"/tarvex"_s, u"/tarvex/"_s),
    ROW(NormalizeDirectory, u"/app.exe"_s, u"/"_s),
    ROW(NormalizeDirectory, u"tools/flags"_s, u"tools/flags/"_s),
    ROW(WithTrailingBackslash, u"/home/u"_s, u"/home/u/"_s),
    ROW(WithTrailingBackslash, u"/home/u//"_s, u"/home/u/"_s),
    ROW(WithTrailingBackslash, u"/"_s, u"/"_s),
    ROW(WithoutTrailingBackslashes, u" /home/u// "_s, u"/home/u"_s),
    ROW(WithoutTrailingBackslashes, u"/\\/"_s, QString()),
    ROW(CleanPathText, u" /home//u/ "_s, u"/home/u"_s),
    ROW(CleanPathText, u"/"_s, u"/"_s),
    ROW(CleanPathText, u"///"_s, u"/"_s),
    ROW(CleanPathText, u"a//b//"_s, u"a/b"_s),
    ROW(FolderPart, u"/data/MyappAccessFlags"_s, u"/data/"_s),
    ROW(FileNamePart, u"/data/Old.rev.bfx"_s, u"Old.rev.bfx"_s),
    ROW(BaseNameWithoutExtension, u"/dir/Flags.old.ini"_s, u"Flags"_s),
    ROW(BaseNameWithoutExtension, u"/dir/"_s, QString()),
    ROW(BaseNameWithoutExtension, u"/dir/.ini"_s, QString()),
    ROW(BaseNameWithoutExtension, u"/my.dir/plain"_s, u"plain"_s),
    ROW(BaseNameWithoutSuffix, u"/x/my-app_x-y.ini"_s, u"my-app"_s),
    ROW(BaseNameWithoutSuffix, u"/x_y/plain.ini"_s, u"plain"_s),
};

INSTANTIATE_TEST_SUITE_P(WindowsPaths, TextFunction, ::testing::ValuesIn(windowsPathRows));
INSTANTIATE_TEST_SUITE_P(SlashPaths, TextFunction, ::testing::ValuesIn(slashPathRows));

TEST(BaseNameWithoutSuffix, ALongNameWithoutSeparatorKeepsItsLast255Characters)
{
    const QString name = QString(45, u'a') + QString(255, u'b');
    EXPECT_EQ(BaseNameWithoutSuffix(u"C:\\x\\"_s + name + u".ini"_s), QString(255, u'b'));
}

} // namespace
