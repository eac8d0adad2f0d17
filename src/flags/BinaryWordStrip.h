#pragma once

#include <QWidget>
#include <functional>
#include <optional>

// The digits of a flag word in binary, bit 31 first, in groups of four:
// 0x0000A003 -> "0000 0000 0000 0000 1010 0000 0000 0011".
QString BinaryGroups(quint32 word);

// The flag word in binary: 32 digits in groups of four, bit 31 first, each
// under its bit number, in the widget's (fixed-pitch) font. A click on a
// digit reports its bit.
class TBinaryWordStrip : public QWidget
{
    Q_OBJECT

public:
    explicit TBinaryWordStrip(QWidget *parent = nullptr);

    void SetWord(quint32 word);
    // The bits of each field of the table, framed as one group.
    void SetFieldMasks(const QList<quint32> &masks);
    const QList<quint32> &FieldMasks() const { return m_fieldMasks; }
    quint32 Word() const { return m_word; }
    QString Text() const { return BinaryGroups(m_word); }

    // Where bit 0 to 31 is drawn, number and digit; the bit at a point.
    QRect BitRect(int bit) const;
    std::optional<int> BitAt(const QPoint &pos) const;

    // Raised when the left button is pressed and released on one digit.
    std::function<void(int bit)> OnBitClick;

    // The colours of the bit numbers and of the digits, drawn on the window colour.
    QColor NumberColor() const;
    QColor DigitColor() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    QFont numberFont() const;
    int cellWidth() const;   // pixels per digit
    int groupGap() const;    // pixels between two groups of four
    int numberHeight() const;
    int digitHeight() const;

    quint32 m_word = 0;
    QList<quint32> m_fieldMasks;
    std::optional<int> m_pressedBit;
};
