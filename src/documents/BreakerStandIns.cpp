#include "documents/BreakerStandIns.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>
#include <array>
#include <optional>

namespace {

constexpr std::array<char16_t, 3> blockBreakers = {0x2029, 0xFDD0, 0xFDD1};
constexpr std::array<char16_t, 3> standIns = {0xE000, 0xE001, 0xE002};

// The mark of the stand-in for blockBreakers[i] is the object type
// UserObject + 1 + i: a format property that typing does not carry on.
constexpr int firstMark = QTextFormat::UserObject + 1;

// Set on a document once a stand-in was put into it, so that texts of
// documents without one are not searched for stand-ins.
constexpr char mayHoldStandInsProperty[] = "mayHoldBreakerStandIns";

std::optional<std::size_t> indexIn(const std::array<char16_t, 3> &chars, QChar ch)
{
    const auto found = std::find(chars.begin(), chars.end(), ch.unicode());
    return found == chars.end() ? std::nullopt : std::optional<std::size_t>(std::size_t(found - chars.begin()));
}

} // namespace

bool HoldsBlockBreaker(QStringView text)
{
    // One vectorised search per breaker, as whole files are searched.
    return std::any_of(blockBreakers.begin(), blockBreakers.end(), [text](char16_t breaker) { return text.contains(QChar(breaker)); });
}

void InsertShowingBreakers(QTextCursor &cursor, QStringView text)
{
    qsizetype runStart = 0;
    for (qsizetype pos = 0; pos <= text.size(); ++pos) {
        const std::optional<std::size_t> breaker = pos < text.size() ? indexIn(blockBreakers, text[pos]) : std::nullopt;
        if (pos < text.size() && !breaker)
            continue;
        if (pos > runStart)
            cursor.insertText(text.sliced(runStart, pos - runStart).toString()); // without a mark
        if (breaker) {
            QTextCharFormat mark = cursor.charFormat();
            mark.setObjectType(firstMark + int(*breaker));
            cursor.insertText(QString(QChar(standIns[*breaker])), mark);
            cursor.document()->setProperty(mayHoldStandInsProperty, true);
        }
        runStart = pos + 1;
    }
}

QString WithBreakersBack(const QTextDocument *document, int from, QString shown)
{
    if (!document->property(mayHoldStandInsProperty).toBool())
        return shown;
    // Positions only grow, so the fragments of a block are walked once,
    // however many stand-ins a line holds.
    QTextBlock block;
    QTextBlock::iterator fragments;
    for (qsizetype i = 0; i < shown.size(); ++i) {
        if (shown[i].unicode() < standIns.front() || shown[i].unicode() > standIns.back())
            continue; // the usual case, decided at once
        const std::optional<std::size_t> standIn = indexIn(standIns, shown[i]);
        if (!standIn)
            continue;
        const int position = from + int(i);
        if (!block.isValid() || !block.contains(position)) {
            block = document->findBlock(position);
            fragments = block.begin();
        }
        while (!fragments.atEnd() && !fragments.fragment().contains(position))
            ++fragments;
        if (!fragments.atEnd() && fragments.fragment().charFormat().objectType() == firstMark + int(*standIn))
            shown[i] = QChar(blockBreakers[*standIn]);
    }
    return shown;
}
