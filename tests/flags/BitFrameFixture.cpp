#include "BitFrameFixture.h"

#include "grid/CellGrid.h"

#include <QAction>
#include <QDir>
#include <QMenu>

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

void BitFrameTest::setName(int row, const QString &name, const QString &usedFor)
{
    frame.GridBits->SetCells(2, row, name);
    frame.GridBits->SetCells(3, row, usedFor);
}

void BitFrameTest::choose(const QString &item)
{
    QAction *action = frame.findChild<QAction *>(item);
    ASSERT_NE(action, nullptr) << item.toStdString();
    action->trigger();
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
