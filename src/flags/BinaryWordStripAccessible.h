#pragma once

#include "grid/AccessibleChildren.h"

#include <QAccessibleWidget>

class TBinaryWordStrip;

// The binary strip for assistive technology: 32 check boxes, bit 31 first
// as drawn, each named by its bit number ("Bit 5"), checked while the bit
// is set, and toggled as a click on its digit toggles it.
class TBinaryWordStripAccessible : public QAccessibleWidget
{
public:
    explicit TBinaryWordStripAccessible(TBinaryWordStrip *strip);

    // Installs the factory that gives every TBinaryWordStrip this interface; once.
    static void installFactory();
    // Tells assistive technology, while some listens, which bits changed.
    static void bitsChanged(TBinaryWordStrip *strip, quint32 changedBits);

    TBinaryWordStrip *strip() const;
    QAccessibleInterface *bitInterface(int bit) const;

    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QAccessibleInterface *childAt(int x, int y) const override;

private:
    mutable TAccessibleChildren m_bits; // by bit number
};
