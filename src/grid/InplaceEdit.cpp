#include "grid/InplaceEdit.h"

#include <QKeyEvent>
#include <QProxyStyle>
#include <limits>

namespace {

// QLineEdit masks with the style's password character; this style names
// the column's own.
class PasswordCharStyle : public QProxyStyle
{
public:
    PasswordCharStyle(QChar passwordChar, QObject *owner)
        : m_passwordChar(passwordChar)
    {
        setParent(owner);
    }

    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                  QStyleHintReturn *returnData) const override
    {
        if (hint == SH_LineEdit_PasswordCharacter)
            return m_passwordChar.unicode();
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }

private:
    QChar m_passwordChar;
};

constexpr int LeftMargin = 1; // pixels between the cell's left edge and the text

} // namespace

TInplaceEdit::TInplaceEdit(QWidget *parent)
    : QLineEdit(parent)
{
    setObjectName(QStringLiteral("InplaceEdit"));
    setFrame(false);
    setTextMargins(LeftMargin, 0, 0, 0);
    setAutoFillBackground(true);
    hide();
}

void TInplaceEdit::adoptCell(const QColor &background, const QColor &textColor, const QFont &font, int maxLength,
                             QChar passwordChar)
{
    QPalette colours = palette();
    colours.setColor(QPalette::Base, background);
    colours.setColor(QPalette::Window, background);
    colours.setColor(QPalette::Text, textColor);
    setPalette(colours);
    setFont(font);
    // 0 is no limit; QLineEdit's own default would cut long cells.
    setMaxLength(maxLength > 0 ? maxLength : std::numeric_limits<int>::max());
    QStyle *previous = m_passwordStyle;
    m_passwordStyle = passwordChar.isNull() ? nullptr : new PasswordCharStyle(passwordChar, this);
    setStyle(m_passwordStyle);
    delete previous;
    setEchoMode(passwordChar.isNull() ? Normal : Password);
}

bool TInplaceEdit::event(QEvent *event)
{
    // Tab must reach the grid's cell movement, not the focus chain.
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Tab || key == Qt::Key_Backtab) {
            const Qt::KeyboardModifiers modifiers = static_cast<QKeyEvent *>(event)->modifiers();
            const bool backwards = key == Qt::Key_Backtab || modifiers.testFlag(Qt::ShiftModifier);
            emit tabRequested(backwards, modifiers.testFlag(Qt::ControlModifier));
            return true;
        }
    }
    return QLineEdit::event(event);
}

void TInplaceEdit::keyPressEvent(QKeyEvent *event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && !event->modifiers().testFlag(Qt::ControlModifier)) {
        emit applyRequested();
    } else if (event->key() == Qt::Key_Escape) {
        emit cancelRequested();
    } else {
        QLineEdit::keyPressEvent(event);
    }
    // Keys the line edit leaves (Up, Down, Page keys) must not move the
    // grid's selection under the open editor.
    event->accept();
}
