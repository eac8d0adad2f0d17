#pragma once

#include <QFrame>

class QLabel;
class QPushButton;
class QToolButton;

// A bar above the document's text that tells of something the user may
// want to act on: its text, one button that acts, and a button that only
// hides the bar. Hidden until shown.
class TNoticeBar : public QFrame
{
    Q_OBJECT

public:
    // The bar and its acting button carry the object names given.
    TNoticeBar(const QString &name, const QString &text, const QString &buttonName, const QString &buttonCaption,
               QWidget *parent);

    QLabel *const Message;
    QPushButton *const ActButton;
    QToolButton *const CloseButton;

signals:
    void acted();
};
