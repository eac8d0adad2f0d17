#include "BitFrameFixture.h"

#include "flags/BinaryWordStrip.h"
#include "flags/FlagValueField.h"
#include "grid/CellGrid.h"

#include <QAccessible>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QAccessibleInterface *accessible(QObject *object)
{
    return QAccessible::queryAccessibleInterface(object);
}

// The table and the binary strip read as they show, and a bit of the strip
// ticked by a screen reader is ticked in the table and the word.
TEST_F(BitFrameTest, ABitIsReadAndTickedAsAScreenReaderSeesIt)
{
    openAsFromIniLine();
    setName(30, u"bfWrite"_s, u"Write access"_s);
    frame.show();
    QAccessibleTableInterface *table = accessible(frame.GridBits)->tableInterface();
    ASSERT_EQ(table->rowCount(), 32);
    EXPECT_EQ(table->cellAt(30, 1)->text(QAccessible::Name) + u' ' + table->cellAt(30, 2)->text(QAccessible::Name),
              u"00000002 bfWrite");
    EXPECT_TRUE(table->cellAt(31, 0)->state().checked);
    EXPECT_EQ(table->summary()->text(QAccessible::Name),
              u"Hex Value 0000A001, Name (Mask) 40961, Used for Read and write");

    QAccessibleInterface *strip = accessible(frame.BinaryWord);
    ASSERT_EQ(strip->childCount(), 32);
    QString checks;
    for (int index = 0; index < 32; ++index)
        checks += strip->child(index)->state().checked ? u'1' : u'0';
    EXPECT_EQ(checks, u"00000000000000001010000000000001");
    EXPECT_EQ(strip->child(31)->text(QAccessible::Name), u"Bit 0");
    doToggleAction(strip->child(31));
    EXPECT_FALSE(table->cellAt(31, 0)->state().checked);
    EXPECT_EQ(frame.FlagHexA(), u"$0000A000");
}

// The value field is named by its group box and describes why it is marked.
TEST_F(BitFrameTest, TheValueFieldDescribesWhyItIsMarked)
{
    frame.show();
    EXPECT_EQ(accessible(frame.EDT_Value)->text(QAccessible::Name), u"Value");
    const QString acceptedForms = accessible(frame.EDT_Value)->text(QAccessible::Description);
    enterValue(frame, u"zz"_s);
    EXPECT_TRUE(accessible(frame.EDT_Value)->text(QAccessible::Description).startsWith(u"No flag word:"_s));
    QTest::keyClick(frame.EDT_Value, Qt::Key_Backspace);
    EXPECT_EQ(accessible(frame.EDT_Value)->text(QAccessible::Description), acceptedForms);
}

} // namespace
