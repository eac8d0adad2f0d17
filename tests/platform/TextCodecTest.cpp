#include "platform/TextCodec.h"

#include <gtest/gtest.h>

namespace {

struct RoundTripCase
{
    const char *name;
    QByteArray bytes;
    TextEncoding::Kind kind;
    QString text;
};

class TextCodecRoundTrip : public ::testing::TestWithParam<RoundTripCase>
{
};

TEST_P(TextCodecRoundTrip, DecodesAndWritesBackTheSameBytes)
{
    const RoundTripCase &c = GetParam();
    DecodedText decoded = decodeText(c.bytes);
    EXPECT_EQ(decoded.encoding.kind, c.kind);
    EXPECT_EQ(decoded.text, c.text);
    EXPECT_EQ(encodeText(decoded.text, decoded.encoding), c.bytes);
}

INSTANTIATE_TEST_SUITE_P(
    Files, TextCodecRoundTrip,
    ::testing::Values(
        RoundTripCase{"ascii", "[A]\r\nK=1\r\n", TextEncoding::Utf8, QStringLiteral("[A]\r\nK=1\r\n")},
        RoundTripCase{"utf8", "Stra\xC3\x9F" "e=\xE2\x82\xAC", TextEncoding::Utf8, QStringLiteral("Straße=€")},
        RoundTripCase{"utf8Bom", "\xEF\xBB\xBF[\xC3\x84]", TextEncoding::Utf8, QStringLiteral("[Ä]")},
        RoundTripCase{"twoBoms", "\xEF\xBB\xBF\xEF\xBB\xBF[A]", TextEncoding::Utf8, QStringLiteral("\uFEFF[A]")},
        RoundTripCase{"bomThenCp1252", "\xEF\xBB\xBF[A]\r\nk=\xE4", TextEncoding::Windows1252, QStringLiteral("[A]\r\nk=ä")},
        RoundTripCase{"cp1252", "Stra\xDF" "e=\x80", TextEncoding::Windows1252, QStringLiteral("Straße=€")},
        RoundTripCase{"unassignedBytes", "\x81\x8D\x8F\x90\x9D", TextEncoding::Windows1252,
                      QStringLiteral("\u0081\u008D\u008F\u0090\u009D")},
        RoundTripCase{"empty", "", TextEncoding::Utf8, QString()}),
    [](const ::testing::TestParamInfo<RoundTripCase> &info) { return std::string(info.param.name); });

TEST(TextCodec, AllBytesSurviveWindows1252)
{
    QByteArray every;
    for (int b = 0; b < 256; ++b)
        every.append(static_cast<char>(b));
    DecodedText decoded = decodeText(every);
    ASSERT_EQ(decoded.encoding.kind, TextEncoding::Windows1252);
    EXPECT_EQ(decoded.text.size(), 256);
    EXPECT_EQ(encodeText(decoded.text, decoded.encoding), every);
}

TEST(TextCodec, TextThatWindows1252CannotHoldIsWrittenAsUtf8)
{
    TextEncoding encoding{TextEncoding::Windows1252, false};
    const QByteArray bytes = encodeText(QStringLiteral("a\u0416"), encoding);
    EXPECT_EQ(bytes, QByteArray("a\xD0\x96"));
    EXPECT_EQ(encoding.kind, TextEncoding::Utf8);
}

} // namespace
