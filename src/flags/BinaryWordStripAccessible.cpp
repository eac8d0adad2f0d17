#include "flags/BinaryWordStripAccessible.h"

#include "flags/BinaryWordStrip.h"
#include "grid/AccessibleFactory.h"
#include "grid/AccessibleLeaf.h"

namespace {

constexpr int bitsPerWord = 32;

// Index 0 is the leftmost digit, bit 31.
int bitOfIndex(int index)
{
    return bitsPerWord - 1 - index;
}

class TBinaryDigitAccessible : public TAccessibleLeaf, public QAccessibleActionInterface
{
public:
    TBinaryDigitAccessible(TBinaryWordStrip *strip, int bit)
        : TAccessibleLeaf(strip)
        , m_bit(bit)
    {
    }

    QString text(QAccessible::Text type) const override
    {
        return type == QAccessible::Name ? QStringLiteral("Bit %1").arg(m_bit) : QString();
    }
    QRect rect() const override
    {
        if (!strip())
            return {};
        const QRect digit = strip()->BitRect(m_bit);
        return QRect(strip()->mapToGlobal(digit.topLeft()), digit.size());
    }
    QAccessible::Role role() const override { return QAccessible::CheckBox; }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.invalid = !strip();
        state.checkable = true;
        state.checked = strip() && (strip()->Word() >> m_bit) & 1u;
        state.disabled = strip() && !strip()->isEnabled();
        return state;
    }
    void *interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface *>(this) : nullptr;
    }

    QStringList actionNames() const override { return {toggleAction()}; }
    void doAction(const QString &actionName) override
    {
        if (actionName == toggleAction() && strip() && strip()->OnBitClick)
            strip()->OnBitClick(m_bit);
    }
    QStringList keyBindingsForAction(const QString &) const override { return {}; }

private:
    TBinaryWordStrip *strip() const { return static_cast<TBinaryWordStrip *>(owner()); }

    int m_bit;
};

} // namespace

TBinaryWordStripAccessible::TBinaryWordStripAccessible(TBinaryWordStrip *strip)
    : QAccessibleWidget(strip, QAccessible::Grouping)
{
}

void TBinaryWordStripAccessible::installFactory()
{
    installAccessibleFactory<TBinaryWordStrip, TBinaryWordStripAccessible>();
}

void TBinaryWordStripAccessible::bitsChanged(TBinaryWordStrip *strip, quint32 changedBits)
{
    if (!QAccessible::isActive())
        return;
    auto *shown = dynamic_cast<TBinaryWordStripAccessible *>(QAccessible::queryAccessibleInterface(strip));
    if (!shown)
        return;
    QAccessible::State checked;
    checked.checked = true;
    for (int bit = 0; bit < bitsPerWord; ++bit) {
        if ((changedBits >> bit) & 1u) {
            QAccessibleStateChangeEvent change(shown->bitInterface(bit), checked);
            QAccessible::updateAccessibility(&change);
        }
    }
}

TBinaryWordStrip *TBinaryWordStripAccessible::strip() const
{
    return static_cast<TBinaryWordStrip *>(widget());
}

QAccessibleInterface *TBinaryWordStripAccessible::bitInterface(int bit) const
{
    if (bit < 0 || bit >= bitsPerWord)
        return nullptr;
    return m_bits.get(quint64(bit), [&] { return new TBinaryDigitAccessible(strip(), bit); });
}

int TBinaryWordStripAccessible::childCount() const
{
    return bitsPerWord;
}

QAccessibleInterface *TBinaryWordStripAccessible::child(int index) const
{
    return index >= 0 && index < bitsPerWord ? bitInterface(bitOfIndex(index)) : nullptr;
}

int TBinaryWordStripAccessible::indexOfChild(const QAccessibleInterface *child) const
{
    for (int index = 0; index < bitsPerWord; ++index) {
        if (this->child(index) == child)
            return index;
    }
    return -1;
}

QAccessibleInterface *TBinaryWordStripAccessible::childAt(int x, int y) const
{
    const std::optional<int> bit = strip()->BitAt(strip()->mapFromGlobal(QPoint(x, y)));
    return bit ? bitInterface(*bit) : nullptr;
}
