#include "flags/FlagValueField.h"

#include "flags/FlagValueText.h"
#include "flags/FlagWord.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QToolTip>

namespace {

const QString acceptedForms = QStringLiteral(
    "Type the flag word as $A003, 0xA003, 40963 or 0b1010000000000011 and press Enter");
const QString rejectedHint = QStringLiteral(
    "No flag word: type $A003, 0xA003, 40963 or 0b1010000000000011, with \"_\" or blanks "
    "between digits if you like, at most 32 bits");

// The error colour: red blended into the field's own background, so the
// text stays readable in light and dark palettes.
QColor errorBackground(const QPalette &palette)
{
    const QColor base = palette.color(QPalette::Base);
    const QColor red(Qt::red);
    constexpr float share = 0.35f; // of red
    const auto mix = [](float from, float to) { return from + (to - from) * share; };
    return QColor::fromRgbF(mix(base.redF(), red.redF()), mix(base.greenF(), red.greenF()),
                            mix(base.blueF(), red.blueF()));
}

} // namespace

QString UnheldBitsHint(quint32 bits)
{
    return QStringLiteral("Bits $%1 haben keine Zeile in der Tabelle und werden von Save Init nicht geschrieben.")
        .arg(HexDigits8(bits));
}

TFlagValueField::TFlagValueField(QWidget *parent)
    : QLineEdit(parent)
{
    setToolTip(acceptedForms);
    setAccessibleDescription(acceptedForms);
    ShowWord(0);
    connect(this, &QLineEdit::textEdited, this, [this] { setMarked(false); });
}

void TFlagValueField::ShowWord(quint32 word)
{
    m_word = word;
    setMarked(false);
    setText(u'$' + HexDigits8(word));
}

void TFlagValueField::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        enter();
        return;
    case Qt::Key_Escape:
        ShowWord(m_word);
        return;
    default:
        QLineEdit::keyPressEvent(event);
    }
}

// Typing not confirmed with Enter is dropped when the user moves on, so the
// field never shows a word the table does not hold. A popup menu or another
// window keeps it.
void TFlagValueField::focusOutEvent(QFocusEvent *event)
{
    QLineEdit::focusOutEvent(event);
    if (event->reason() != Qt::PopupFocusReason && event->reason() != Qt::ActiveWindowFocusReason)
        ShowWord(m_word);
}

void TFlagValueField::enter()
{
    const std::optional<quint32> word = ReadTypedFlagValue(text());
    if (!word) {
        setMarked(true);
        QToolTip::showText(mapToGlobal(rect().bottomLeft()), rejectedHint, this);
        return;
    }
    if (OnEnter)
        OnEnter(*word);
}

void TFlagValueField::ShowUnheldBits(quint32 bits)
{
    if (bits == m_unheldBits)
        return;
    m_unheldBits = bits;
    showMark();
}

void TFlagValueField::setMarked(bool marked)
{
    if (marked == m_marked)
        return;
    m_marked = marked;
    showMark();
}

void TFlagValueField::showMark()
{
    // A palette that sets no role inherits every colour again.
    QPalette colours;
    if (Marked())
        colours.setColor(QPalette::Base, errorBackground(palette()));
    setPalette(colours);
    const QString hint = m_marked ? rejectedHint : m_unheldBits != 0 ? UnheldBitsHint(m_unheldBits) : acceptedForms;
    setToolTip(hint);
    // A screen reader says the hint the tool tip shows.
    setAccessibleDescription(hint);
}
