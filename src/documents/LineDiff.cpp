#include "documents/LineDiff.h"

#include <algorithm>
#include <cstring>
#include <optional>

namespace {

// Texts are compared in blocks first: a large text usually differs in few lines.
constexpr qsizetype comparedBlock = 1024;

// Beyond this many inserted and removed lines, or this many line
// comparisons per line, the lines between changes are not worth the
// search: one change replaces them.
constexpr int mostEdits = 1000;
constexpr qsizetype comparisonsPerLine = 8;

bool sameChars(const QChar *a, const QChar *b, qsizetype count)
{
    return std::memcmp(a, b, std::size_t(count) * sizeof(QChar)) == 0;
}

qsizetype commonBeginning(QStringView a, QStringView b)
{
    const qsizetype shorter = std::min(a.size(), b.size());
    qsizetype same = 0;
    while (same + comparedBlock <= shorter && sameChars(a.data() + same, b.data() + same, comparedBlock))
        same += comparedBlock;
    while (same < shorter && a[same] == b[same])
        ++same;
    return same;
}

qsizetype commonEnd(QStringView a, QStringView b)
{
    const qsizetype shorter = std::min(a.size(), b.size());
    qsizetype same = 0;
    while (same + comparedBlock <= shorter &&
           sameChars(a.data() + a.size() - same - comparedBlock, b.data() + b.size() - same - comparedBlock, comparedBlock))
        same += comparedBlock;
    while (same < shorter && a[a.size() - 1 - same] == b[b.size() - 1 - same])
        ++same;
    return same;
}

// The lines of text[start, end) with their "\n", as the positions where
// each begins, followed by `end`.
std::vector<qsizetype> lineStarts(QStringView text, qsizetype start, qsizetype end)
{
    std::vector<qsizetype> starts;
    for (qsizetype pos = start; pos < end;) {
        starts.push_back(pos);
        const qsizetype newLine = text.sliced(pos, end - pos).indexOf(u'\n');
        pos = newLine < 0 ? end : pos + newLine + 1;
    }
    starts.push_back(end);
    return starts;
}

// The lines of one text between the common beginning and end.
struct Lines
{
    QStringView text;
    std::vector<qsizetype> starts;

    int count() const { return int(starts.size()) - 1; }
    QStringView line(int n) const { return text.sliced(starts[std::size_t(n)], starts[std::size_t(n) + 1] - starts[std::size_t(n)]); }
};

// A run of equal lines: from line x of the one and line y of the other.
struct Run
{
    int x;
    int y;
    int length;
};

// The runs of equal lines that led to (x, y), from the state before each
// round: each round's edit, then the run of equal lines after it.
std::vector<Run> runsBack(const std::vector<std::vector<int>> &trace, int x, int y)
{
    std::vector<Run> runs;
    for (int e = int(trace.size()) - 1; e > 0; --e) {
        const std::vector<int> &before = trace[std::size_t(e)]; // diagonals -e to e
        auto previous = [&before, e](int diagonal) { return before[std::size_t(diagonal + e)]; };
        const int k = x - y;
        const bool cameDown = k == -e || (k != e && previous(k - 1) < previous(k + 1));
        const int startX = cameDown ? previous(k + 1) : previous(k - 1) + 1;
        const int startY = startX - k;
        runs.push_back({startX, startY, x - startX});
        x = cameDown ? startX : startX - 1;
        y = cameDown ? startY - 1 : startY;
    }
    runs.push_back({0, 0, x});
    std::reverse(runs.begin(), runs.end());
    return runs;
}

// The equal runs of a shortest edit script (Myers' greedy algorithm over
// lines), in order; none when it needs more edits or comparisons than
// are worth it.
std::optional<std::vector<Run>> equalRuns(const Lines &a, const Lines &b)
{
    const int n = a.count();
    const int m = b.count();
    const int maxEdits = std::min(n + m, mostEdits);
    // furthest[at(k)]: the furthest x reached on diagonal k (= x - y).
    std::vector<int> furthest(std::size_t(2 * maxEdits + 3), 0);
    std::vector<std::vector<int>> trace; // `furthest` before each round
    auto at = [maxEdits](int k) { return std::size_t(k + maxEdits + 1); };
    qsizetype comparisonsLeft = comparisonsPerLine * (n + m) + 4 * mostEdits * mostEdits;
    for (int d = 0; d <= maxEdits; ++d) {
        trace.emplace_back(furthest.begin() + std::ptrdiff_t(at(-d)), furthest.begin() + std::ptrdiff_t(at(d)) + 1);
        for (int k = -d; k <= d; k += 2) {
            const bool down = k == -d || (k != d && furthest[at(k - 1)] < furthest[at(k + 1)]);
            const int start = down ? furthest[at(k + 1)] : furthest[at(k - 1)] + 1;
            int x = start;
            int y = x - k;
            while (x < n && y < m && a.line(x) == b.line(y)) {
                ++x;
                ++y;
            }
            comparisonsLeft -= x - start + 1;
            if (comparisonsLeft < 0)
                return std::nullopt;
            furthest[at(k)] = x;
            if (x < n || y < m)
                continue;
            return runsBack(trace, x, y);
        }
    }
    return std::nullopt;
}

} // namespace

std::vector<TextChange> ChangedLines(QStringView from, QStringView to)
{
    if (from == to)
        return {};
    // The common beginning and end, cut back to whole lines.
    const qsizetype same = commonBeginning(from, to);
    const qsizetype head = from.first(same).lastIndexOf(u'\n') + 1;
    const qsizetype tail = commonEnd(from.sliced(head), to.sliced(head));
    const qsizetype tailLineEnd = from.sliced(from.size() - tail).indexOf(u'\n');
    // After a line end inside the common end, both texts start a line.
    const qsizetype cut = tailLineEnd < 0 ? 0 : tail - tailLineEnd - 1;
    const qsizetype fromEnd = from.size() - cut;
    const qsizetype toEnd = to.size() - cut;

    const Lines a{from, lineStarts(from, head, fromEnd)};
    const Lines b{to, lineStarts(to, head, toEnd)};
    const std::optional<std::vector<Run>> runs = equalRuns(a, b);
    if (!runs)
        return {{head, fromEnd, head, toEnd}};
    std::vector<TextChange> changes;
    int x = 0;
    int y = 0;
    auto changeUpTo = [&](int nextX, int nextY) {
        if (nextX != x || nextY != y)
            changes.push_back({a.starts[std::size_t(x)], a.starts[std::size_t(nextX)], b.starts[std::size_t(y)],
                               b.starts[std::size_t(nextY)]});
    };
    for (const Run &run : *runs) {
        changeUpTo(run.x, run.y);
        x = run.x + run.length;
        y = run.y + run.length;
    }
    changeUpTo(a.count(), b.count());
    return changes;
}
