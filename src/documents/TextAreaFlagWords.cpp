#include "documents/TextAreaFlagWords.h"

#include "documents/FlagWordOpening.h"
#include "documents/TextAreaView.h"

#include <QHelpEvent>
#include <QPlainTextEdit>
#include <QToolTip>
#include <utility>

namespace {

// Answers the tool tip requests of a text area's viewport.
class FlagLineToolTip : public QObject
{
public:
    FlagLineToolTip(QPlainTextEdit *edit, std::function<QString()> documentTitle)
        : QObject(edit)
        , m_edit(edit)
        , m_documentTitle(std::move(documentTitle))
    {
        edit->viewport()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() != QEvent::ToolTip)
            return false;
        const auto &help = static_cast<const QHelpEvent &>(*event);
        const std::optional<TFlagWordLocation> flagWord = FlagWordOnLine(m_edit, TextAreaLineAt(m_edit, help.pos()));
        if (!flagWord) {
            QToolTip::hideText();
            return true;
        }
        const QString meaning = FlagWordMeaningOf(m_documentTitle(), *flagWord);
        QToolTip::showText(help.globalPos(), meaning.isEmpty() ? FlagLineHint() : FlagLineHint() + u'\n' + meaning,
                           m_edit->viewport());
        return true;
    }

private:
    QPlainTextEdit *m_edit;
    std::function<QString()> m_documentTitle;
};

} // namespace

std::optional<TFlagWordLocation> FlagWordOnLine(const QPlainTextEdit *edit, int line)
{
    return FindFlagWord([edit](int number) { return TextAreaLine(edit, number); }, line);
}

QString FlagLineHint()
{
    return QStringLiteral("Doppelklick oder Strg+Eingabe öffnet den Bit-Editor");
}

void ShowFlagLineToolTips(QPlainTextEdit *edit, std::function<QString()> documentTitle)
{
    new FlagLineToolTip(edit, std::move(documentTitle));
}
