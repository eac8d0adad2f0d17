#include "VersionDescription.h"

#include <gtest/gtest.h>
#include <stdexcept>

namespace {

QByteArray hex(const char *digits)
{
    return QByteArray::fromHex(digits);
}

} // namespace

// The published layout, byte for byte: wLength without the padding after
// the block, keys padded to 32 bits, children on 32-bit boundaries.
TEST(VersionBlockWriter, WritesThePublishedLayout)
{
    const struct
    {
        const char *name;
        TVersionBlock block;
        QByteArray bytes;
    } cases[] = {
        {"string", StringBlock(QStringLiteral("A"), QStringLiteral("bc")),
         hex("1200 0300 0100 4100 0000 0000 6200 6300 0000")},
        {"parent with padding between children",
         ParentBlock(QStringLiteral("SF"), {StringBlock(QStringLiteral("A"), QStringLiteral("bc")),
                                            StringBlock(QStringLiteral("D"), QString())}),
         hex("2e00 0000 0100 5300 4600 0000"
             "1200 0300 0100 4100 0000 0000 6200 6300 0000 0000"
             "0e00 0100 0100 4400 0000 0000 0000")},
        {"translation", TranslationBlock({{0x0407, 0x04E4}}),
         hex("2400 0400 0000 5400 7200 6100 6e00 7300 6c00 6100 7400 6900 6f00 6e00 0000 0000 0704 e404")},
    };
    for (const auto &test : cases) {
        SCOPED_TRACE(test.name);
        EXPECT_EQ(EncodeVersionBlock(test.block).toHex(' '), test.bytes.toHex(' '));
    }
}

TEST(VersionBlockWriter, RefusesDescriptionsItDoesNotUnderstand)
{
    const struct
    {
        const char *description;
        const char *error;
    } cases[] = {
        {"[StringFileInfo 040704E4]\nA=b\n", "no [FixedFileInfo] section"},
        {"[FixedFileInfo]\nFileVersion=7.3.9\n", "line 2: expected a version of four numbers, as 7.3.9.11"},
        {"[FixedFileInfo]\n\n[Icons]\n", "line 3: unknown section [Icons]"},
        {"[VarFileInfo]\nTranslation=0x0407\n", "line 2: expected Translation=language code-page ..."},
        {"FileOS=4\n", "line 1: entry outside a section"},
    };
    for (const auto &test : cases) {
        SCOPED_TRACE(test.description);
        try {
            VersionBlockFromDescription(QString::fromUtf8(test.description));
            ADD_FAILURE() << "no error";
        } catch (const std::runtime_error &error) {
            EXPECT_STREQ(error.what(), test.error);
        }
    }
}
