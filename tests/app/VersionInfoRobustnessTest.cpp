#include "VersionBlocks.h"
#include "app/u_versioninfo.h"
#include "platform/Errors.h"
#include "support/QStringPrinting.h"

#include <functional>
#include <gtest/gtest.h>
#include <random>

namespace {

struct MalformedCase
{
    const char *name;
    std::function<void(QByteArray &)> damage;
};

// Sets the wLength of the block with this key.
std::function<void(QByteArray &)> blockLength(const char *key, quint16 length)
{
    return [key, length](QByteArray &bytes) { SetUInt16(bytes, BlockOffset(bytes, QString::fromLatin1(key)), length); };
}

// Sets the wValueLength of the block with this key.
std::function<void(QByteArray &)> blockValueLength(const char *key, quint16 length)
{
    return [key, length](QByteArray &bytes) {
        SetUInt16(bytes, BlockOffset(bytes, QString::fromLatin1(key)) + 2, length);
    };
}

quint16 lengthAt(const QByteArray &bytes, qsizetype offset)
{
    return quint16(quint8(bytes[offset]) | (quint8(bytes[offset + 1]) << 8));
}

} // namespace

// Whatever the bytes, the reader stays inside them, ends, and answers a
// malformed resource as a failed parse: no strings, "Key not found".
TEST(VersionInfoRobustness, MalformedBlocksParseAsFailure)
{
    const MalformedCase cases[] = {
        {"root wLength 0", blockLength("VS_VERSION_INFO", 0)},
        {"root wLength inside its own fields", blockLength("VS_VERSION_INFO", 4)},
        {"root wLength past the data", blockLength("VS_VERSION_INFO", 0xFFFE)},
        {"root wLength odd", [](QByteArray &bytes) { SetUInt16(bytes, 0, quint16(bytes.size() - 1)); }},
        {"truncated data", [](QByteArray &bytes) { bytes.truncate(bytes.size() / 2); }},
        {"data cut by one byte", [](QByteArray &bytes) { bytes.chop(1); }},
        {"fixed information past the root", blockValueLength("VS_VERSION_INFO", 0xFFF0)},
        {"fixed information shorter than its signature", blockValueLength("VS_VERSION_INFO", 2)},
        {"string table wLength 0", blockLength("040704E4", 0)},
        {"string table past StringFileInfo", blockLength("040704E4", 0xFFFE)},
        {"string wLength inside its key", blockLength("CompanyName", 10)},
        {"string wLength odd",
         [](QByteArray &bytes) {
             const qsizetype at = BlockOffset(bytes, QStringLiteral("CompanyName"));
             SetUInt16(bytes, at, lengthAt(bytes, at) - 1);
         }},
        {"string value without NUL",
         [](QByteArray &bytes) {
             // The value "Tarvex Project" loses its NUL and the block its end there.
             const qsizetype at = BlockOffset(bytes, QStringLiteral("CompanyName"));
             SetUInt16(bytes, at, lengthAt(bytes, at) - 2);
         }},
        {"key without NUL",
         [](QByteArray &bytes) {
             const qsizetype at = BlockOffset(bytes, QStringLiteral("VarFileInfo"));
             bytes.truncate(at + 6 + 22);
             SetUInt16(bytes, at, 6 + 22);
             SetUInt16(bytes, 0, quint16(bytes.size()));
         }},
        {"translation block cut inside a word",
         [](QByteArray &bytes) {
             const qsizetype at = BlockOffset(bytes, QStringLiteral("Translation"));
             SetUInt16(bytes, at, lengthAt(bytes, at) - 2);
         }},
    };
    const QByteArray program = EmbeddedVersionBlock();
    ASSERT_FALSE(program.isEmpty());
    for (const MalformedCase &test : cases) {
        SCOPED_TRACE(test.name);
        QByteArray bytes = program;
        test.damage(bytes);
        ASSERT_NE(bytes, program);
        TVersionInfo info(bytes);
        EXPECT_EQ(info.StringCount(), 0);
        try {
            info.ValueOf(QStringLiteral("ProductVersion"));
            ADD_FAILURE() << "no error";
        } catch (const TarvexError &error) {
            EXPECT_EQ(error.message(), u"Key not found");
        }
    }
}

// A fixed-seed walk through random damage of the program's own block:
// every query returns, and what the reader offers stays consistent.
TEST(VersionInfoRobustness, RandomlyDamagedBlocksNeverCrashOrHang)
{
    const QByteArray program = EmbeddedVersionBlock();
    ASSERT_FALSE(program.isEmpty());
    std::mt19937 random(20110207);
    const auto below = [&random](qsizetype bound) { return qsizetype(random() % quint32(bound)); };
    int parsed = 0;
    for (int round = 0; round < 100000; ++round) {
        QByteArray bytes = program;
        for (qsizetype changes = 1 + below(4); changes > 0; --changes)
            bytes[below(bytes.size())] = char(random());
        if (below(8) == 0)
            bytes.truncate(below(bytes.size()));
        TVersionInfo info(bytes);
        const int count = info.StringCount();
        if (count > 0) {
            ++parsed;
            const QString key = info.KeyAt(count - 1);
            ASSERT_NO_THROW(info.ValueOf(key)) << "round " << round;
        }
    }
    // Most single changes hit a value or padding and still parse.
    EXPECT_GT(parsed, 10000);
}
