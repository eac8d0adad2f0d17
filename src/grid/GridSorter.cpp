#include "grid/GridSorter.h"

#include "grid/CustomCellGrid.h"
#include "platform/Errors.h"

#include <QStringList>
#include <algorithm>
#include <limits>
#include <numeric>

namespace {

// Values that are not of the sort type sort before all others.
constexpr double unreadable = -std::numeric_limits<double>::infinity();

double ipAddressKey(const QString &text)
{
    const QStringList parts = text.trimmed().split(u'.');
    if (parts.size() != 4)
        return unreadable;
    double key = 0;
    for (const QString &part : parts) {
        bool ok = false;
        const uint octet = part.toUInt(&ok);
        if (!ok || octet > 255)
            return unreadable;
        key = key * 256 + octet;
    }
    return key;
}

double numericKey(const TCell &cell, TSortType type)
{
    try {
        switch (type) {
        case stBoolean: return cell.AsBoolean() ? 1 : 0;
        case stNumeric: return cell.AsFloat();
        case stDate: return cell.AsDateTime();
        case stIP: return ipAddressKey(cell.AsString());
        default: return 0;
        }
    } catch (const ConversionError &) {
        return unreadable;
    }
}

bool sortsByText(TSortType type)
{
    return type == stAlphabetic || type == stCaseInsensitive || type == stCustom;
}

template<typename Key, typename Less>
std::vector<int> stableOrder(const std::vector<Key> &keys, bool ascending, Less less)
{
    std::vector<int> order(keys.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        return ascending ? less(keys[size_t(a)], keys[size_t(b)]) : less(keys[size_t(b)], keys[size_t(a)]);
    });
    return order;
}

} // namespace

namespace GridSorter {

std::vector<int> sortedOrder(const TCustomCellGrid &Grid, int ACol)
{
    const TCustomGridColumn *column = Grid.Columns[ACol];
    const TSortType type = column->SortType();
    const bool ascending = column->SortKind() == skAscending;
    const size_t rows = size_t(Grid.RowCount());
    if (sortsByText(type)) {
        const Qt::CaseSensitivity sensitivity = type == stCaseInsensitive ? Qt::CaseInsensitive : Qt::CaseSensitive;
        std::vector<QString> keys;
        keys.reserve(rows);
        for (int row = 0; row < int(rows); ++row)
            keys.push_back(Grid.Cell(ACol, row).AsString());
        return stableOrder(keys, ascending,
                           [sensitivity](const QString &a, const QString &b) { return a.compare(b, sensitivity) < 0; });
    }
    std::vector<double> keys;
    keys.reserve(rows);
    for (int row = 0; row < int(rows); ++row)
        keys.push_back(numericKey(Grid.Cell(ACol, row), type));
    return stableOrder(keys, ascending, std::less<double>());
}

} // namespace GridSorter
