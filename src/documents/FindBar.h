#pragma once

#include "documents/TextSearch.h"

#include <QWidget>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;

// The find bar at the bottom of a document window: finds a text in the
// document's text area, forwards or backwards, going on from the other end
// where that end holds no more. It leaves the text itself unchanged.
class FindBar : public QWidget
{
    Q_OBJECT

public:
    // Finds in `text`; F3 and Shift+F3 search again anywhere in `window`.
    FindBar(QPlainTextEdit *text, QWidget *window);

    // Shows the bar with the text area's one-line selection as the text to
    // find, and puts the keyboard focus into its field.
    void open();
    void findNext() { find(SearchDirection::Forward); }
    void findPrevious() { find(SearchDirection::Backward); }
    // Hides the bar; the keyboard focus goes back to the text.
    void closeBar();

    QLineEdit *const EDT_Find;
    QCheckBox *const CHB_MatchCase;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void addSearchAgainKeys(QWidget *window);
    void find(SearchDirection direction);
    void select(qsizetype position, qsizetype length);
    void showNote(const QString &note);

    QPlainTextEdit *const m_text;
    QLabel *const m_note;
};
