#pragma once

#include <QAccessibleInterface>
#include <QPointer>
#include <QWidget>

// A part of a widget that assistive technology sees as an object of its
// own but that has no QObject and no children: a cell, a header, a digit.
// Its parent is the widget's interface; it stays valid while the widget
// lives and as long as the subclass says.
class TAccessibleLeaf : public QAccessibleInterface
{
public:
    explicit TAccessibleLeaf(QWidget *owner);

    bool isValid() const override;
    QObject *object() const override;
    QAccessibleInterface *childAt(int x, int y) const override;
    QAccessibleInterface *parent() const override;
    QAccessibleInterface *child(int index) const override;
    int childCount() const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    void setText(QAccessible::Text type, const QString &text) override;

protected:
    QWidget *owner() const { return m_owner; }

private:
    QPointer<QWidget> m_owner;
};
