#pragma once

#include <QLineEdit>
#include <functional>

// What the value field says of bits of the word that no row holds.
QString UnheldBitsHint(quint32 bits);

// The flag word as a number to type: it shows "$" and 8 digits; Enter
// reads any form ReadTypedFlagValue knows and reports the word, Escape or
// leaving the field shows the word again. A text that is no flag word
// changes nothing: the field is marked in the error colour, with a hint
// naming the accepted forms, until the text is edited. Bits of the word
// that no row of the table holds mark it too, with a hint saying so.
class TFlagValueField : public QLineEdit
{
    Q_OBJECT

public:
    explicit TFlagValueField(QWidget *parent = nullptr);

    void ShowWord(quint32 word);
    bool Marked() const { return m_marked || m_unheldBits != 0; }
    // The bits of the word last given that no row holds; 0 for none.
    void ShowUnheldBits(quint32 bits);

    std::function<void(quint32 word)> OnEnter;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void enter();
    void setMarked(bool marked);
    void showMark();

    quint32 m_word = 0;
    bool m_marked = false;
    quint32 m_unheldBits = 0;
};
