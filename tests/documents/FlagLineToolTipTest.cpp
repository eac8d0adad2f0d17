#include "DocumentWindowFixture.h"

#include "support/QStringPrinting.h"

#include <QCoreApplication>
#include <QDir>
#include <QHelpEvent>
#include <QTextBlock>
#include <QToolTip>

namespace {

// The mouse rests on the header line first: a hidden tool tip takes a moment to fade.
TEST_F(DocumentWindow, AFlagLineTellsWhatADoubleClickOpens)
{
    QPlainTextEdit *memo = openExample()->MemoIni;
    for (const int line : {0, 1}) {
        const QPoint pos = memo->cursorRect(QTextCursor(memo->document()->findBlockByNumber(line))).center();
        QHelpEvent rest(QEvent::ToolTip, pos, memo->viewport()->mapToGlobal(pos));
        QCoreApplication::sendEvent(memo->viewport(), &rest);
        const QString expected = line == 1 ? QStringLiteral("Doppelklick oder Strg+Eingabe öffnet den Bit-Editor") : QString();
        EXPECT_EQ(QToolTip::isVisible() ? QToolTip::text() : QString(), expected);
    }
}

// Beside its pair of bit definition files, the tool tip also reads the word:
// the named bits it sets, and each named field's value.
TEST_F(DocumentWindow, AFlagLineWithAPairTellsWhatItsWordMeans)
{
    QString table;
    for (int bit = 31; bit >= 0; --bit) {
        const QString mask = QString::number(1u << bit, 16).toUpper().rightJustified(8, u'0');
        if (bit == 5)
            table += QStringLiteral("False;00000030;Level;\r\n");
        else if (bit != 4)
            table += QStringLiteral("False;") + mask + (bit == 13 ? QStringLiteral(";WriteEnable;\r\n")
                                                        : bit == 0 ? QStringLiteral(";Audit;\r\n")
                                                                   : QStringLiteral(";;\r\n"));
    }
    folder.write(QStringLiteral("MyappAccessFlags.bfx"), utf16LeFile(table));
    folder.write(QStringLiteral("MyappAccessFlags.bfi"), "[Field 00000030]\r\n0=Off\r\n2=Warnings\r\n");
    QDir::setCurrent(path(QString())); // where a double click looks for the pair
    QPlainTextEdit *memo = openExample()->MemoIni;
    const QPoint pos = memo->cursorRect(QTextCursor(memo->document()->findBlockByNumber(1))).center();
    QHelpEvent rest(QEvent::ToolTip, pos, memo->viewport()->mapToGlobal(pos));
    QCoreApplication::sendEvent(memo->viewport(), &rest);
    EXPECT_EQ(QToolTip::text(), QStringLiteral("Doppelklick oder Strg+Eingabe öffnet den Bit-Editor\nWriteEnable | Level = Off | Audit"));
}

} // namespace
