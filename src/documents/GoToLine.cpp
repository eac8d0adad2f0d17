#include "documents/GoToLine.h"

#include "platform/Desktop.h"

#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextDocument>

void AskAndGoToLine(QPlainTextEdit *edit)
{
    const int lineCount = edit->blockCount();
    const NumberRequest request{QStringLiteral("Gehe zu Zeile"),
                                QStringLiteral("Zeile (1 bis %1):").arg(lineCount), 1, lineCount,
                                edit->textCursor().blockNumber() + 1};
    const std::optional<int> chosen = desktop().askNumber(edit, request);
    if (!chosen)
        return;
    if (*chosen < 1 || *chosen > lineCount) {
        const QString refusal = QStringLiteral("Zeile %1 gibt es nicht: der Text hat %2 Zeilen.");
        desktop().message(edit, {MessageKind::Warning, refusal.arg(*chosen).arg(lineCount), {MessageButton::Ok}, {}});
        return;
    }
    edit->setTextCursor(QTextCursor(edit->document()->findBlockByNumber(*chosen - 1)));
    edit->ensureCursorVisible();
    edit->setFocus();
}
