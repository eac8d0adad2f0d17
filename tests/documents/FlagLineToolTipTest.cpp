#include "DocumentWindowFixture.h"

#include "support/QStringPrinting.h"

#include <QCoreApplication>
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

} // namespace
