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

void doToggle(QAccessibleInterface *target)
{
    target->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
}

TEST_F(BitFrameTest, ABitIsReadAndTickedThroughTheTableAsAScreenReaderSeesIt)
{
    openAsFromIniLine();
    setName(30, u"bfWrite"_s, u"Write access"_s);
    frame.show();
    QAccessibleTableInterface *table = accessible(frame.GridBits)->tableInterface();
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->rowCount(), 32);
    QStringList captions;
    for (int column = 0; column < table->columnCount(); ++column)
        captions << table->columnDescription(column);
    EXPECT_EQ(captions, QStringList({u"Bit"_s, u"Hex Value"_s, u"Name (Mask)"_s, u"Used for"_s}));
    EXPECT_EQ(table->cellAt(30, 1)->text(QAccessible::Name), u"00000002");
    EXPECT_EQ(table->cellAt(30, 2)->text(QAccessible::Name), u"bfWrite");
    EXPECT_FALSE(table->cellAt(30, 0)->state().checked);
    EXPECT_TRUE(table->cellAt(31, 0)->state().checked);
    EXPECT_EQ(table->summary()->text(QAccessible::Name),
              u"Hex Value 0000A001, Name (Mask) 40961, Used for Read and write");

    doToggle(table->cellAt(30, 0));
    EXPECT_TRUE(table->cellAt(30, 0)->state().checked);
    EXPECT_EQ(table->summary()->text(QAccessible::Name),
              u"Hex Value 0000A003, Name (Mask) 40963, Used for Read and write");
    EXPECT_EQ(frame.FlagHexA(), u"$0000A003");
}

TEST_F(BitFrameTest, TheBinaryStripIsThirtyTwoCheckBoxesNamedByTheirBits)
{
    openAsFromIniLine();
    frame.show();
    QAccessibleInterface *strip = accessible(frame.BinaryWord);
    ASSERT_EQ(strip->childCount(), 32);
    QString names;
    QString checks;
    for (int index = 0; index < strip->childCount(); ++index) {
        QAccessibleInterface *bit = strip->child(index);
        EXPECT_EQ(bit->role(), QAccessible::CheckBox);
        EXPECT_EQ(strip->indexOfChild(bit), index);
        names += bit->text(QAccessible::Name) + u'|';
        checks += bit->state().checked ? u'1' : u'0';
    }
    EXPECT_TRUE(names.startsWith(u"Bit 31|Bit 30|"_s)) << names.toStdString();
    EXPECT_TRUE(names.endsWith(u"|Bit 1|Bit 0|"_s)) << names.toStdString();
    EXPECT_EQ(checks, u"00000000000000001010000000000001");

    doToggle(strip->child(30)); // bit 1
    EXPECT_TRUE(strip->child(30)->state().checked);
    EXPECT_EQ(frame.FlagHexA(), u"$0000A003");
    EXPECT_TRUE(accessible(frame.GridBits)->tableInterface()->cellAt(30, 0)->state().checked);
}

// What a screen reader reads as a control's name. On Linux an editable
// combo box's name is its text; its caption comes from the Label relation,
// here its group box.
QString spokenName(QAccessibleInterface *control)
{
    if (control->role() != QAccessible::ComboBox)
        return control->text(QAccessible::Name);
    const auto labels = control->relations(QAccessible::Label);
    return labels.isEmpty() ? QString() : labels.front().first->text(QAccessible::Name).trimmed();
}

struct NameCase
{
    const char *objectName;
    QString name;
    QString description;
};

TEST_F(BitFrameTest, EveryControlIsNamedAndDescribedForAScreenReader)
{
    const QString acceptedForms = u"Type the flag word as $A003, 0xA003, 40963 or 0b1010000000000011 and press Enter"_s;
    const NameCase cases[] = {
        {"CBX_Section", u"Section"_s, u"Section on Initfile"_s},
        {"CBX_Label", u"Label"_s, u"Label on InitFile Section"_s},
        {"CBX_Prefix", u"Prefix"_s, u"Prefix for include declarations"_s},
        {"CHB_Bottom", u"Bits Bottom-Up"_s, u"MSB-LSB sorted order"_s},
        {"EDT_Value", u"Value"_s, acceptedForms},
        {"GridBits", u"Bits"_s, u"Change Flags on bit column"_s},
        {"BinaryWord", u"Binary"_s, u"The flag word in binary: click a bit to tick or untick its row"_s},
    };
    frame.show();
    for (const NameCase &c : cases) {
        auto *control = frame.findChild<QWidget *>(QString::fromLatin1(c.objectName));
        ASSERT_NE(control, nullptr) << c.objectName;
        EXPECT_EQ(spokenName(accessible(control)), c.name) << c.objectName;
        EXPECT_EQ(accessible(control)->text(QAccessible::Description), c.description) << c.objectName;
    }

    // While the value field is marked, its description is the hint saying why.
    enterValue(frame, u"zz"_s);
    ASSERT_TRUE(frame.EDT_Value->Marked());
    EXPECT_TRUE(accessible(frame.EDT_Value)->text(QAccessible::Description).startsWith(u"No flag word:"_s));
    QTest::keyClick(frame.EDT_Value, Qt::Key_Backspace);
    EXPECT_EQ(accessible(frame.EDT_Value)->text(QAccessible::Description), acceptedForms);
}

} // namespace
