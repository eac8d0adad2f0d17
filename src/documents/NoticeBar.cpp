#include "documents/NoticeBar.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>

TNoticeBar::TNoticeBar(const QString &name, const QString &text, const QString &buttonName,
                       const QString &buttonCaption, QWidget *parent)
    : QFrame(parent)
    , Message(new QLabel(text, this))
    , ActButton(new QPushButton(buttonCaption, this))
    , CloseButton(new QToolButton(this))
{
    setObjectName(name);
    ActButton->setObjectName(buttonName);
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::ToolTipBase);
    Message->setWordWrap(true);
    CloseButton->setObjectName(QStringLiteral("BTN_CloseBar"));
    CloseButton->setIcon(style()->standardIcon(QStyle::SP_TitleBarCloseButton));
    CloseButton->setToolTip(QStringLiteral("Schließen"));
    CloseButton->setAutoRaise(true);

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(6, 3, 3, 3);
    layout->addWidget(Message, 1);
    layout->addWidget(ActButton);
    layout->addWidget(CloseButton);

    connect(ActButton, &QPushButton::clicked, this, &TNoticeBar::acted);
    connect(CloseButton, &QToolButton::clicked, this, &QWidget::hide);
    hide();
}
