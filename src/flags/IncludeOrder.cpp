#include "flags/IncludeOrder.h"

#include "flags/FlagWord.h"

#include <algorithm>
#include <bit>

namespace {

// The lowest bit a mask text names; 32 for a mask that names none.
int lowestBit(const QString &maskText)
{
    return std::countr_zero(MaskOfText(maskText).value_or(0));
}

} // namespace

TIncludeSource InBottomUpOrder(TIncludeSource source)
{
    std::stable_sort(source.rows.begin(), source.rows.end(), [](const TIncludeRow &a, const TIncludeRow &b) {
        return lowestBit(a.hexValue) < lowestBit(b.hexValue);
    });
    source.bottomUp = true;
    return source;
}
