#pragma once

#include <QLineEdit>

// The one-line editor laid over a text cell while it is edited. It keeps
// every key to itself (Home, End and the arrows move the caret) and asks
// the grid to act on Enter, Esc and Tab.
class TInplaceEdit : public QLineEdit
{
    Q_OBJECT

public:
    explicit TInplaceEdit(QWidget *parent);

    // The cell's look: background and text colour, the column's font,
    // MaxLength (0: no limit) and PasswordChar (null: plain text).
    void adoptCell(const QColor &background, const QColor &textColor, const QFont &font, int maxLength,
                   QChar passwordChar);

signals:
    void applyRequested(); // Enter without Ctrl
    void cancelRequested(); // Esc
    void tabRequested(bool backwards, bool leaveGrid); // with Ctrl: out of the grid

protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QStyle *m_passwordStyle = nullptr; // owned; null while no PasswordChar
};
