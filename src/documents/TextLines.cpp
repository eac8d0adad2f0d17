#include "documents/TextLines.h"

#include <QtAlgorithms>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

qsizetype NextLineEnd(QStringView text, qsizetype from)
{
    const char16_t *const chars = text.utf16();
    const qsizetype size = text.size();
    qsizetype pos = from;
#if defined(__SSE2__)
    // Eight characters at a time are passed over while none is at or below
    // CR; in the first eight that hold one (a tab, say), the characters from
    // there on are looked at singly.
    const __m128i cr = _mm_set1_epi16(u'\r');
    while (pos + 8 <= size) {
        const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i *>(chars + pos));
        const int low = _mm_movemask_epi8(_mm_cmpeq_epi16(_mm_subs_epu16(block, cr), _mm_setzero_si128()));
        if (low == 0) {
            pos += 8;
            continue;
        }
        const qsizetype end = pos + 8;
        for (pos += qCountTrailingZeroBits(unsigned(low)) / 2; pos < end; ++pos) {
            if (chars[pos] == u'\r' || chars[pos] == u'\n')
                return pos;
        }
    }
#endif
    for (; pos < size; ++pos) {
        if (chars[pos] == u'\r' || chars[pos] == u'\n')
            return pos;
    }
    return size;
}
