#include "BitFrameFixture.h"

#include "flags/BinaryWordStrip.h"
#include "flags/FieldDialog.h"
#include "flags/FlagValueField.h"
#include "grid/CellGrid.h"
#include "grid/InplaceEdit.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>
#include <algorithm>

BitFrameTest::BitFrameTest()
{
    QDir::setCurrent(folder.path(QString()));
}

bool BitFrameTest::ticked(int row) const
{
    return frame.GridBits->Cell(0, row).AsBoolean();
}

QList<int> BitFrameTest::tickedRows() const
{
    QList<int> rows;
    for (int row = 0; row < frame.GridBits->RowCount(); ++row) {
        if (ticked(row))
            rows << row;
    }
    return rows;
}

QString BitFrameTest::mask(int row) const
{
    return frame.GridBits->Cells(1, row);
}

QString BitFrameTest::footer(int column) const
{
    return frame.GridBits->Columns[column]->Footer().Caption();
}

void BitFrameTest::toggle(int row)
{
    frame.GridBits->ToggleCheckBox(0, row);
}

void BitFrameTest::doToggleAction(QAccessibleInterface *target)
{
    target->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
}

void BitFrameTest::setName(int row, const QString &name, const QString &usedFor)
{
    frame.GridBits->SetCells(2, row, name);
    frame.GridBits->SetCells(3, row, usedFor);
}

void BitFrameTest::typeInPlace(int col, int row, const QString &text)
{
    frame.show();
    frame.GridBits->setFocus();
    frame.GridBits->SetSelectedCell(col, row);
    QTest::keyClicks(frame.GridBits, text.first(1)); // a typed character opens the editor
    ASSERT_NE(frame.GridBits->inplaceEditor(), nullptr);
    QTest::keyClicks(frame.GridBits->inplaceEditor(), text.sliced(1));
    QTest::keyClick(frame.GridBits->inplaceEditor(), Qt::Key_Return);
}

void BitFrameTest::enterValue(TBitFrame &target, const QString &text)
{
    target.EDT_Value->setFocus();
    target.EDT_Value->selectAll();
    QTest::keyClick(target.EDT_Value, Qt::Key_Backspace);
    if (std::any_of(text.cbegin(), text.cend(), [](QChar ch) { return ch.unicode() < 32; })) {
        QGuiApplication::clipboard()->setText(text); // no key types a line break into a line edit
        QTest::keySequence(target.EDT_Value, QKeySequence::Paste);
    } else {
        QTest::keyClicks(target.EDT_Value, text);
    }
    QTest::keyClick(target.EDT_Value, Qt::Key_Return);
}

QString BitFrameTest::shown(const TBitFrame &target)
{
    QStringList parts;
    for (int row = 0; row < target.GridBits->RowCount(); ++row) {
        const QString tick = target.GridBits->Cell(0, row).AsBoolean() ? QStringLiteral("x") : QStringLiteral("-");
        // A field row shows its value in place of its tick.
        const QString &value = target.GridBits->Cell(0, row).Caption();
        parts << tick + (value.isEmpty() ? QString() : u'[' + value + u']') + target.GridBits->Cells(1, row) + u'/' + target.GridBits->Cells(2, row) + u'/' +
                     target.GridBits->Cells(3, row);
    }
    const auto footer = [&target](int col) { return target.GridBits->Columns[col]->Footer().Caption(); };
    parts << target.FlagHexA() + u' ' + QString::number(target.HexValue()) << footer(1) + u'|' + footer(2)
          << target.EDT_Value->text() << target.BinaryWord->Text()
          << (target.CHB_Bottom->isChecked() ? QStringLiteral("bottom-up") : QStringLiteral("top-down"))
          << target.GB_BitFrame->title();
    for (const QComboBox *box : {target.CBX_Section, target.CBX_Label, target.CBX_Prefix})
        parts << box->objectName() + u'=' + box->currentText();
    return parts.join(u'\n');
}

void BitFrameTest::choose(const QString &item)
{
    QAction *action = frame.findChild<QAction *>(item);
    ASSERT_NE(action, nullptr) << item.toStdString();
    action->trigger();
}

void BitFrameTest::makeField(int row, TFieldRun run, const QString &name, const QList<TFieldValueTexts> &values)
{
    frame.GridBits->SetSelectedCell(2, row);
    desktop.dialogAnswers.push_back([run, name, values](QDialog &dialog) {
        auto &field = static_cast<TFieldDialog &>(dialog);
        field.SPN_FieldBit->setValue(run.lowestBit);
        field.SPN_FieldWidth->setValue(run.width);
        field.EDT_FieldName->setText(name);
        field.GRD_FieldValues->setRowCount(0);
        for (const TFieldValueTexts &value : values)
            field.AddValueRow(value);
        field.accept();
        return field.result() == QDialog::Accepted;
    });
    choose(QStringLiteral("MI_BF_Field"));
}

void BitFrameTest::chooseFieldValue(int row, const QString &value)
{
    frame.show();
    frame.GridBits->setFocus();
    frame.GridBits->SetSelectedCell(0, row);
    QTest::keyClick(frame.GridBits, Qt::Key_Space);
    pickFieldValue(value);
}

void BitFrameTest::pickFieldValue(const QString &value)
{
    auto *menu = frame.findChild<QMenu *>(QStringLiteral("PopupFieldValue"));
    ASSERT_NE(menu, nullptr);
    for (QAction *action : menu->actions()) {
        if (action->text() == value)
            action->trigger();
    }
    menu->close(); // as a click on an item closes it
}

void BitFrameTest::openAsFromIniLine()
{
    frame.SetSection(QStringLiteral("Access"));
    frame.SetFlagLabel(QStringLiteral("Flags"));
    frame.SetIniBaseName(QStringLiteral("Myapp"));
    frame.SetFlagNote(QStringLiteral("Read and write"));
    frame.LoadFlagFiles(QStringLiteral("MyappAccessFlags"));
    frame.SetFlagPrefix(QStringLiteral("bf"));
    frame.SetFlagHexA(QStringLiteral("$0000A001"));
}

QByteArray gridTextFile(const QStringList &lines)
{
    QString text;
    for (const QString &line : lines)
        text += line + QStringLiteral("\r\n");
    return utf16LeFile(text);
}
