#include "VersionBlocks.h"
#include "app/u_versioninfo.h"
#include "platform/Errors.h"
#include "support/QStringPrinting.h"

#include <QtEndian>
#include <gtest/gtest.h>

namespace {

TStringPairs numberedStrings(int count, const QString &prefix = QStringLiteral("Key"))
{
    TStringPairs strings;
    for (int i = 0; i < count; ++i)
        strings.append({prefix + QString::number(i), u"value " + QString::number(i)});
    return strings;
}

QStringList keysOf(TVersionInfo &info)
{
    QStringList keys;
    for (int i = 0; i < info.StringCount(); ++i)
        keys << info.KeyAt(i);
    return keys;
}

QStringList keysOf(const TStringPairs &strings)
{
    QStringList keys;
    for (const auto &entry : strings)
        keys << entry.first;
    return keys;
}

QString errorOf(const std::function<void()> &query)
{
    try {
        query();
    } catch (const TarvexError &error) {
        return error.message();
    }
    return QStringLiteral("(no error)");
}

const TStringPairs twoStrings{{QStringLiteral("ProductName"), QStringLiteral("Tarvex")},
                              {QStringLiteral("ProductVersion"), QStringLiteral("02.2011")}};

struct ReaderCase
{
    const char *name;
    QByteArray resource;
    QStringList keys; // what the reader offers, in order
};

} // namespace

TEST(VersionInfo, OffersTheStringsOfTheLastTableInStoredOrder)
{
    const TVersionBlock secondTable = StringTable(QStringLiteral("040904E4"), twoStrings);
    const TVersionBlock stopper = ParentBlock(QStringLiteral("Unknown"), {});
    const ReaderCase cases[] = {
        {"ten strings", ResourceWithStrings(numberedStrings(10)), keysOf(numberedStrings(10))},
        {"two string tables",
         VersionResource({StringFileInfo({StringTable(QStringLiteral("040704E4"), numberedStrings(3)), secondTable})}),
         keysOf(twoStrings)},
        {"VarFileInfo first",
         VersionResource({VarFileInfo(), StringFileInfo({StringTable(QStringLiteral("040704E4"), twoStrings)})}),
         keysOf(twoStrings)},
        {"unknown block ends the walk",
         VersionResource({stopper, StringFileInfo({StringTable(QStringLiteral("040704E4"), twoStrings)})}), {}},
        {"unknown block after the strings",
         VersionResource({StringFileInfo({StringTable(QStringLiteral("040704E4"), twoStrings)}), stopper}),
         keysOf(twoStrings)},
        {"no fixed information",
         VersionResource({StringFileInfo({StringTable(QStringLiteral("040704E4"), twoStrings)})}, false),
         keysOf(twoStrings)},
    };
    for (const ReaderCase &test : cases) {
        SCOPED_TRACE(test.name);
        TVersionInfo info(test.resource);
        EXPECT_EQ(keysOf(info), test.keys);
        EXPECT_EQ(errorOf([&] { info.ValueOf(QStringLiteral("Missing")); }), u"Key not found: Missing");
    }
}

TEST(VersionInfo, LooksValuesUpByKeyIgnoringLetterCase)
{
    TVersionInfo info(ResourceWithStrings({{QStringLiteral("ProductVersion"), QStringLiteral("02.2011")},
                                           {QStringLiteral("PRODUCTVERSION"), QStringLiteral("second")},
                                           {QStringLiteral("Empty"), QString()}}));
    EXPECT_EQ(info.ValueOf(QStringLiteral("productversion")), u"02.2011");
    EXPECT_EQ(info.ValueOf(QStringLiteral("PRODUCTVERSION")), u"02.2011");
    EXPECT_EQ(info.ValueOf(QStringLiteral("Empty")), QString());
    EXPECT_EQ(info.Strings()[0].Value.LanguageId, 0x0407);
    EXPECT_EQ(info.Strings()[0].Value.CodePage, 1252);
}

TEST(VersionInfo, AStringWithoutValueLengthHasTheEmptyValue)
{
    TVersionBlock string = StringBlock(QStringLiteral("Comments"), QStringLiteral("not counted"));
    string.ValueLength = 0;
    TVersionInfo info(VersionResource({StringFileInfo({ParentBlock(QStringLiteral("040704E4"), {string})})}));
    ASSERT_EQ(info.StringCount(), 1);
    EXPECT_EQ(info.ValueOf(QStringLiteral("Comments")), QString());
}

TEST(VersionInfo, RefusesIndexesOutsideTheStrings)
{
    TVersionInfo info(ResourceWithStrings(numberedStrings(10)));
    EXPECT_EQ(errorOf([&] { info.KeyAt(info.StringCount()); }), u"Index out of range: 10");
    EXPECT_EQ(errorOf([&] { info.KeyAt(-1); }), u"Listenindex überschreitet das Maximum (-1)");
}

TEST(VersionInfo, FailsTheParseOnABadSignatureOrTableKey)
{
    const ReaderCase cases[] = {
        {"bad signature", VersionResource({StringFileInfo({StringTable(QStringLiteral("040704E4"), twoStrings)})},
                                          true, 0xFEEF04BE), {}},
        {"table key not hexadecimal",
         VersionResource({StringFileInfo({StringTable(QStringLiteral("0407X4E4"), twoStrings)})}), {}},
    };
    for (const ReaderCase &test : cases) {
        SCOPED_TRACE(test.name);
        TVersionInfo info(test.resource);
        EXPECT_EQ(info.StringCount(), 0);
        EXPECT_EQ(errorOf([&] { info.ValueOf(QStringLiteral("ProductName")); }), u"Key not found");
    }
}

TEST(VersionInfo, ParsesAgainUntilTheFixedInformationWasFound)
{
    const TVersionBlock strings = StringFileInfo({StringTable(QStringLiteral("040704E4"), twoStrings)});
    TVersionInfo withFixedInfo(VersionResource({strings}));
    TVersionInfo badSignature(VersionResource({strings}, true, 0));
    TVersionInfo withoutFixedInfo(VersionResource({strings}, false));
    for (TVersionInfo *info : {&withFixedInfo, &badSignature, &withoutFixedInfo}) {
        info->StringCount();
        info->StringCount();
    }
    EXPECT_EQ(withFixedInfo.ParseCount(), 1);
    EXPECT_EQ(badSignature.ParseCount(), 1);
    EXPECT_EQ(withoutFixedInfo.ParseCount(), 2);
    EXPECT_EQ(withoutFixedInfo.StringCount(), 2);
}

TEST(VersionInfo, ReadsTheProgramsOwnBlock)
{
    TVersionInfo info(RunningModule());
    EXPECT_EQ(keysOf(info),
              QStringList({QStringLiteral("CompanyName"), QStringLiteral("FileDescription"),
                           QStringLiteral("FileVersion"), QStringLiteral("InternalName"),
                           QStringLiteral("LegalCopyright"), QStringLiteral("LegalTrademarks"),
                           QStringLiteral("OriginalFilename"), QStringLiteral("ProductName"),
                           QStringLiteral("ProductVersion"), QStringLiteral("Comments"), QStringLiteral("V7.1.1"),
                           QStringLiteral("V7.1.1  .6"), QStringLiteral("V10.2.7"), QStringLiteral("V10.2.8"),
                           QStringLiteral("V7.3.9")}));
    EXPECT_EQ(info.ValueOf(QStringLiteral("ProductVersion")), u"02.2011");
    EXPECT_EQ(info.ValueOf(QStringLiteral("FileVersion")), u"7.3.9.11");
    EXPECT_EQ(info.ValueOf(QStringLiteral("V10.2.8")), u"Supports many flag fields");
    EXPECT_EQ(info.Translations(), QList<quint32>{0x04E40407});

    // The fixed information after the root's key "VS_VERSION_INFO" and its
    // padding: signature, structure version, file and product version
    // 7.3.9.11, flags mask 0x3F, flags 0, OS 4, type 1, subtype 0, date 0.
    const QByteArray fixed = EmbeddedVersionBlock().mid(40, 52);
    QList<quint32> fields;
    for (qsizetype at = 0; at + 4 <= fixed.size(); at += 4)
        fields << qFromLittleEndian<quint32>(fixed.constData() + at);
    EXPECT_EQ(fields, QList<quint32>({0xFEEF04BD, 0x00010000, 0x00070003, 0x0009000B, 0x00070003, 0x0009000B, 0x3F,
                                      0, 4, 1, 0, 0, 0}));
}

TEST(VersionInfo, NeedsAVersionResourceInTheModule)
{
    EXPECT_EQ(errorOf([] { TVersionInfo info(TModule{QStringLiteral(":/no/such/module")}); }),
              u"Unable to load version info resource");
}
