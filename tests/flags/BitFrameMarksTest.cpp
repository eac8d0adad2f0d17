#include "BitFrameFixture.h"

#include "grid/CellGrid.h"
#include "grid/TextColumn.h"

#include <QComboBox>

using namespace Qt::StringLiterals;

namespace {

class BitFrameMarks : public BitFrameTest
{
protected:
    QString nameHint(int row) const { return frame.GridBits->Cell(2, row).Hint(); }
    QColor nameColor(int row) const { return frame.GridBits->Cell(2, row).TextColor(); }
};

TEST_F(BitFrameMarks, NamesThatWouldBreakAnIncludeFileAreMarkedUntilMended)
{
    openAsFromIniLine(); // prefix bf
    const QColor plain = nameColor(30);
    setName(30, u"Write Enable"_s);
    setName(31, u"Read"_s);
    EXPECT_EQ(nameHint(30), u"\"bfWrite Enable\" is not an identifier: it contains a blank"_s);
    EXPECT_NE(nameColor(30), plain);
    EXPECT_EQ(nameHint(31), QString());
    EXPECT_EQ(nameColor(31), plain);

    setName(30, u"WriteEnable"_s);
    EXPECT_EQ(nameHint(30), QString());
    EXPECT_EQ(nameColor(30), plain);

    // Without a prefix the name itself is the constant: a keyword of Pascal
    // (for the Pascal file) and of C (for the header) alike.
    setName(29, u"int"_s);
    EXPECT_EQ(nameHint(29), QString());
    frame.CBX_Prefix->setEditText(QString());
    EXPECT_EQ(nameHint(29), u"\"int\" is a keyword of C"_s);
    setName(29, u"End"_s);
    EXPECT_EQ(nameHint(29), u"\"End\" is a keyword of Pascal"_s);
}

TEST_F(BitFrameMarks, SetBitsThatNoNamedRowCoversAreMarkedAtTheirMask)
{
    openAsFromIniLine(); // $0000A001: rows 16, 18 and 31 ticked, none named
    setName(16, u"Bit15"_s);
    setName(18, u"Bit13"_s);
    EXPECT_EQ(frame.GridBits->Cell(1, 31).Hint(),
              u"bits 00000001 are set in the flag word, but no named row covers them"_s);
    setName(31, u"Bit0"_s);
    EXPECT_EQ(frame.GridBits->Cell(1, 31).Hint(), QString());
}

} // namespace
