#include "flags/BinaryWordStrip.h"

#include "flags/BinaryWordStripAccessible.h"
#include "grid/ReadableColors.h"

#include <QEvent>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <bit>
#include <utility>

namespace {

constexpr int bitsPerWord = 32;
constexpr int bitsPerGroup = 4;
constexpr int margin = 2; // pixels around the digits
// The bit numbers are drawn this much smaller than the digits, so that two
// of their digits fit above one binary digit.
constexpr qreal numberScale = 0.8;

// Position 0 is the leftmost digit, bit 31.
int positionOf(int bit)
{
    return bitsPerWord - 1 - bit;
}

} // namespace

QString BinaryGroups(quint32 word)
{
    QString text;
    for (int bit = bitsPerWord - 1; bit >= 0; --bit) {
        text += (word >> bit) & 1u ? u'1' : u'0';
        if (bit > 0 && bit % bitsPerGroup == 0)
            text += u' ';
    }
    return text;
}

TBinaryWordStrip::TBinaryWordStrip(QWidget *parent)
    : QWidget(parent)
{
    TBinaryWordStripAccessible::installFactory();
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setCursor(Qt::PointingHandCursor);
}

void TBinaryWordStrip::SetWord(quint32 word)
{
    if (word == m_word)
        return;
    const quint32 changed = word ^ m_word;
    m_word = word;
    update();
    TBinaryWordStripAccessible::bitsChanged(this, changed);
}

QFont TBinaryWordStrip::numberFont() const
{
    QFont small = font();
    if (small.pixelSize() > 0)
        small.setPixelSize(qMax(6, qRound(small.pixelSize() * numberScale)));
    else
        small.setPointSizeF(small.pointSizeF() * numberScale);
    return small;
}

int TBinaryWordStrip::cellWidth() const
{
    const int digit = QFontMetrics(font()).horizontalAdvance(u'0');
    const int number = QFontMetrics(numberFont()).horizontalAdvance(QStringLiteral("31"));
    return qMax(digit, number) + 2;
}

int TBinaryWordStrip::groupGap() const
{
    return qMax(4, cellWidth() / 2);
}

int TBinaryWordStrip::numberHeight() const
{
    return QFontMetrics(numberFont()).height();
}

int TBinaryWordStrip::digitHeight() const
{
    return QFontMetrics(font()).height();
}

QSize TBinaryWordStrip::sizeHint() const
{
    const int groups = bitsPerWord / bitsPerGroup;
    return {2 * margin + bitsPerWord * cellWidth() + (groups - 1) * groupGap(),
            2 * margin + numberHeight() + digitHeight()};
}

QRect TBinaryWordStrip::BitRect(int bit) const
{
    const int position = positionOf(bit);
    const int left = margin + position * cellWidth() + position / bitsPerGroup * groupGap();
    return {left, margin, cellWidth(), numberHeight() + digitHeight()};
}

std::optional<int> TBinaryWordStrip::BitAt(const QPoint &pos) const
{
    for (int bit = 0; bit < bitsPerWord; ++bit) {
        if (BitRect(bit).contains(pos))
            return bit;
    }
    return std::nullopt;
}

// The numbers are quieter than the digits, yet readable on the window.
QColor TBinaryWordStrip::NumberColor() const
{
    return ReadableColors::readableText(palette().color(QPalette::PlaceholderText), palette().color(QPalette::Window));
}

QColor TBinaryWordStrip::DigitColor() const
{
    return ReadableColors::readableText(palette().color(QPalette::WindowText), palette().color(QPalette::Window));
}

void TBinaryWordStrip::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QColor numberColor = NumberColor();
    const QColor digitColor = DigitColor();
    QFont setDigitFont = font();
    setDigitFont.setBold(true);
    for (int bit = 0; bit < bitsPerWord; ++bit) {
        const QRect cell = BitRect(bit);
        const QRect number(cell.left(), cell.top(), cell.width(), numberHeight());
        const QRect digit(cell.left(), number.bottom() + 1, cell.width(), digitHeight());
        painter.setFont(numberFont());
        painter.setPen(numberColor);
        painter.drawText(number, Qt::AlignCenter, QString::number(bit));
        const bool set = (m_word >> bit) & 1u;
        painter.setFont(set ? setDigitFont : font());
        painter.setPen(digitColor);
        painter.drawText(digit, Qt::AlignCenter, set ? QStringLiteral("1") : QStringLiteral("0"));
    }
    painter.setPen(palette().color(QPalette::Highlight));
    for (const quint32 mask : m_fieldMasks) {
        const int lowest = std::countr_zero(mask);
        const int highest = bitsPerWord - 1 - std::countl_zero(mask);
        painter.drawRoundedRect(BitRect(highest).united(BitRect(lowest)).adjusted(0, 0, -1, -1), 3, 3);
    }
}

void TBinaryWordStrip::SetFieldMasks(const QList<quint32> &masks)
{
    if (masks == m_fieldMasks)
        return;
    m_fieldMasks = masks;
    update();
}

void TBinaryWordStrip::mousePressEvent(QMouseEvent *event)
{
    m_pressedBit.reset();
    if (event->button() == Qt::LeftButton)
        m_pressedBit = BitAt(event->position().toPoint());
}

void TBinaryWordStrip::mouseReleaseEvent(QMouseEvent *event)
{
    const std::optional<int> pressed = std::exchange(m_pressedBit, std::nullopt);
    if (event->button() != Qt::LeftButton || !pressed || BitAt(event->position().toPoint()) != pressed)
        return;
    if (OnBitClick)
        OnBitClick(*pressed);
}

void TBinaryWordStrip::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        updateGeometry();
}
