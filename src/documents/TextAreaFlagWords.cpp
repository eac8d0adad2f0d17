#include "documents/TextAreaFlagWords.h"

#include "documents/TextAreaView.h"

#include <QHelpEvent>
#include <QPlainTextEdit>
#include <QToolTip>

namespace {

// Answers the tool tip requests of a text area's viewport.
class FlagLineToolTip : public QObject
{
public:
    explicit FlagLineToolTip(QPlainTextEdit *edit)
        : QObject(edit)
        , m_edit(edit)
    {
        edit->viewport()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() != QEvent::ToolTip)
            return false;
        const auto &help = static_cast<const QHelpEvent &>(*event);
        if (FlagWordOnLine(m_edit, TextAreaLineAt(m_edit, help.pos())))
            QToolTip::showText(help.globalPos(), FlagLineHint(), m_edit->viewport());
        else
            QToolTip::hideText();
        return true;
    }

private:
    QPlainTextEdit *m_edit;
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

void ShowFlagLineToolTips(QPlainTextEdit *edit)
{
    new FlagLineToolTip(edit);
}
