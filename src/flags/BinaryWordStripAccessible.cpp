#include "flags/BinaryWordStripAccessible.h"

#include "flags/BinaryWordStrip.h"
#include "platform/CommandGuard.h"

#include <QPointer>

namespace {

constexpr int bitsPerWord = 32;

// Index 0 is the leftmost digit, bit 31.
int bitOfIndex(int index)
{
    return bitsPerWord - 1 - index;
}

class TBinaryDigitAccessible : public QAccessibleInterface, public QAccessibleActionInterface
{
public:
    TBinaryDigitAccessible(TBinaryWordStrip *strip, int bit)
        : m_strip(strip)
        , m_bit(bit)
    {
    }

    bool isValid() const override { return m_strip; }
    QObject *object() const override { return nullptr; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QAccessibleInterface *parent() const override
    {
        return m_strip ? QAccessible::queryAccessibleInterface(m_strip.data()) : nullptr;
    }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QString text(QAccessible::Text type) const override
    {
        return type == QAccessible::Name ? QStringLiteral("Bit %1").arg(m_bit) : QString();
    }
    void setText(QAccessible::Text, const QString &) override {}
    QRect rect() const override
    {
        if (!m_strip)
            return {};
        const QRect digit = m_strip->BitRect(m_bit);
        return QRect(m_strip->mapToGlobal(digit.topLeft()), digit.size());
    }
    QAccessible::Role role() const override { return QAccessible::CheckBox; }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.invalid = !m_strip;
        state.checkable = true;
        state.checked = m_strip && (m_strip->Word() >> m_bit) & 1u;
        state.disabled = m_strip && !m_strip->isEnabled();
        return state;
    }
    void *interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface *>(this) : nullptr;
    }

    QStringList actionNames() const override { return {toggleAction()}; }
    void doAction(const QString &actionName) override
    {
        if (actionName != toggleAction() || !m_strip || !m_strip->OnBitClick)
            return;
        TBinaryWordStrip *strip = m_strip;
        const int bit = m_bit;
        runCommand(strip, [strip, bit] { strip->OnBitClick(bit); });
    }
    QStringList keyBindingsForAction(const QString &) const override { return {}; }

private:
    QPointer<TBinaryWordStrip> m_strip;
    int m_bit;
};

QAccessibleInterface *stripFactory(const QString &className, QObject *object)
{
    if (className == QLatin1String("TBinaryWordStrip") && object && object->isWidgetType())
        return new TBinaryWordStripAccessible(static_cast<TBinaryWordStrip *>(object));
    return nullptr;
}

} // namespace

TBinaryWordStripAccessible::TBinaryWordStripAccessible(TBinaryWordStrip *strip)
    : QAccessibleWidget(strip, QAccessible::Grouping)
{
}

TBinaryWordStripAccessible::~TBinaryWordStripAccessible()
{
    for (const QAccessible::Id id : m_bits) {
        if (id)
            QAccessible::deleteAccessibleInterface(id);
    }
}

void TBinaryWordStripAccessible::installFactory()
{
    static const bool installed = [] {
        QAccessible::installFactory(stripFactory);
        return true;
    }();
    Q_UNUSED(installed);
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
    QAccessible::Id &id = m_bits[size_t(bit)];
    if (!id)
        id = QAccessible::registerAccessibleInterface(new TBinaryDigitAccessible(strip(), bit));
    return QAccessible::accessibleInterface(id);
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
