#pragma once

#include <QtGlobal>
#include <initializer_list>

// A small typed set over one of the grid's option enums; each enumerator
// is a bit number in the set's word.
template<typename Enum>
class TOptionSet
{
public:
    constexpr TOptionSet() = default;
    constexpr TOptionSet(std::initializer_list<Enum> options)
    {
        for (Enum option : options)
            m_bits |= bitOf(option);
    }

    constexpr bool Contains(Enum option) const { return (m_bits & bitOf(option)) != 0; }
    constexpr TOptionSet &Include(Enum option)
    {
        m_bits |= bitOf(option);
        return *this;
    }
    constexpr TOptionSet &Exclude(Enum option)
    {
        m_bits &= ~bitOf(option);
        return *this;
    }

    constexpr bool operator==(const TOptionSet &) const = default;

private:
    static constexpr quint32 bitOf(Enum option) { return quint32(1) << static_cast<int>(option); }

    quint32 m_bits = 0;
};
