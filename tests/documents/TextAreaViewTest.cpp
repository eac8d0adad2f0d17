#include "documents/TextAreaView.h"
#include "support/QStringPrinting.h"

#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <gtest/gtest.h>
#include <algorithm>
#include <random>

using namespace Qt::StringLiterals;

namespace {

struct ReloadCase
{
    const char *name;
    QString shown;
    QString typed; // typed at the end of the first line before the reload
    QString rebuilt;
};

void PrintTo(const ReloadCase &row, std::ostream *out)
{
    *out << row.name;
}

class Reload : public ::testing::TestWithParam<ReloadCase>
{
};

// A reload that changes only what differs ends with the text a full
// replacement gives, character for character and line for line.
TEST_P(Reload, GivesTheSameTextAsAFullReplacement)
{
    const ReloadCase &c = GetParam();
    QPlainTextEdit edit;
    SetTextAreaText(&edit, c.shown);
    QTextCursor typing(edit.document()->firstBlock());
    typing.movePosition(QTextCursor::EndOfBlock);
    typing.insertText(c.typed);

    ReplaceTextKeepingView(&edit, c.rebuilt);

    QPlainTextEdit full;
    SetTextAreaText(&full, c.rebuilt);
    EXPECT_EQ(TextAreaText(&edit), c.rebuilt);
    EXPECT_FALSE(edit.document()->isUndoAvailable());
    EXPECT_EQ(edit.document()->blockCount(), full.document()->blockCount());
    for (int line = 0; line < full.document()->blockCount(); ++line)
        EXPECT_EQ(TextAreaLine(&edit, line), TextAreaLine(&full, line)) << "line " << line;
}

const QString twoSections = u"[A]\nk=1\n\n[B]\nj=2\n\n"_s;

// A text of many blocks of comparison: one section of 300 keys, where key
// `changed` has another value and key `removed` is left out.
QString manyKeys(int changed = -1, int removed = -1)
{
    QString text = u"[Many]\n"_s;
    for (int key = 0; key < 300; ++key) {
        if (key != removed)
            text += u"key%1=%2\n"_s.arg(key).arg(key == changed ? u"new"_s : u"value"_s);
    }
    return text + u"\n"_s;
}

QString reversedLines(const QString &text)
{
    QStringList lines = text.split(u'\n');
    std::reverse(lines.begin(), lines.end());
    return lines.join(u'\n');
}

INSTANTIATE_TEST_SUITE_P(
    TextArea, Reload,
    ::testing::Values(
        ReloadCase{"oneChangedLine", twoSections, {}, u"[A]\nk=3\n\n[B]\nj=2\n\n"_s},
        ReloadCase{"appendedKey", twoSections, {}, u"[A]\nk=1\nnew=x\n\n[B]\nj=2\n\n"_s},
        ReloadCase{"appendedSection", twoSections, {}, u"[A]\nk=1\n\n[B]\nj=2\n\n[C]\nc=1\n\n"_s},
        ReloadCase{"typedInto", twoSections, u" typed\nmore lines\n[Z]"_s, u"[A]\nk=2\n\n[B]\nj=2\n\n"_s},
        ReloadCase{"sectionsReorderedBySaving", u"[B]\nj=2\n\n[A]\nk=1\n\n"_s, {}, twoSections},
        ReloadCase{"unchanged", twoSections, {}, twoSections},
        ReloadCase{"keptParagraphSeparator", u"[A]\nk=a\u2029b\n\n"_s, {}, u"[A]\nk=a\u2029b\nn=1\n\n"_s},
        ReloadCase{"newParagraphSeparator", twoSections, {}, u"[A]\nk=a\u2029b\n\n[B]\nj=2\n\n"_s},
        ReloadCase{"longTextChangedAtItsStart", manyKeys(), {}, manyKeys(0)},
        ReloadCase{"longTextChangedInTheMiddle", manyKeys(), {}, manyKeys(150)},
        ReloadCase{"longTextChangedAtItsEnd", manyKeys(), {}, manyKeys(299)},
        ReloadCase{"longTextLineRemoved", manyKeys(), {}, manyKeys(-1, 150)},
        ReloadCase{"longTextTypedAtItsStartChangedAtItsEnd", manyKeys(), u"x"_s, manyKeys(299)},
        ReloadCase{"longTextReversed", manyKeys(), {}, reversedLines(manyKeys())},
        ReloadCase{"linesAddedAtBothEnds", twoSections, {}, u"[Z]\n"_s + twoSections + u"[Y]\n"_s},
        ReloadCase{"lastLineWithoutLineEnd", u"[A]\nk=1\nj=2"_s, {}, u"[A]\nk=3\nj=2"_s},
        ReloadCase{"emptied", twoSections, u"x"_s, QString()},
        ReloadCase{"filled", QString(), {}, twoSections}),
    [](const ::testing::TestParamInfo<ReloadCase> &info) { return std::string(info.param.name); });

// Typing at one end and a reload that changes the other end replace those
// two lines, not everything between them.
TEST(TextArea, AReloadReplacesOnlyTheLinesThatDiffer)
{
    QPlainTextEdit edit;
    SetTextAreaText(&edit, manyKeys());
    QTextCursor(edit.document()).insertText(u"x"_s);
    int replaced = 0;
    QObject::connect(edit.document(), &QTextDocument::contentsChange, &edit,
                     [&replaced](int, int removed, int) { replaced += removed; });

    ReplaceTextKeepingView(&edit, manyKeys(299));

    EXPECT_EQ(TextAreaText(&edit), manyKeys(299));
    EXPECT_LE(replaced, int(u"x[Many]\nkey299=value\n"_s.size()));
}

// The text read back after any edits, wherever they are, is what the area
// holds, though only the edited part is read from it.
TEST(TextArea, GivesBackItsTextAfterEditsAnywhere)
{
    QPlainTextEdit edit;
    std::mt19937 random(2029);
    for (int round = 0; round < 300; ++round) {
        if (round % 10 == 0)
            SetTextAreaText(&edit, manyKeys(round % 300));
        const int size = edit.document()->characterCount() - 1;
        QTextCursor cursor(edit.document());
        cursor.setPosition(std::uniform_int_distribution<int>(0, size)(random));
        cursor.setPosition(std::min(size, cursor.position() + std::uniform_int_distribution<int>(0, 20)(random)),
                           QTextCursor::KeepAnchor);
        if (round % 7 == 3)
            edit.undo();
        else
            cursor.insertText(round % 3 == 0 ? u"a\nb"_s : QString());
        EXPECT_EQ(TextAreaText(&edit), edit.document()->toRawText().replace(QChar::ParagraphSeparator, u'\n'))
            << "round " << round;
    }
}

// What the area was given is remembered only while it is what the area holds.
TEST(TextArea, GivesBackWhatItHoldsAfterEveryChange)
{
    QPlainTextEdit edit;
    SetTextAreaText(&edit, u"a\rb"_s);
    EXPECT_EQ(TextAreaText(&edit), u"a\nb"_s) << "a carriage return is a line break there";
    QString everyPrivateUse;
    for (char16_t ch = 0xE000; ch <= 0xF8FF; ++ch)
        everyPrivateUse += QChar(ch);
    SetTextAreaText(&edit, everyPrivateUse + u"\u2029"_s);
    EXPECT_EQ(TextAreaText(&edit), everyPrivateUse + u"\u2029"_s) << "U+2029 kept beside every private-use character";

    SetTextAreaText(&edit, twoSections);
    QTextCursor(edit.document()).insertText(u"x"_s);
    EXPECT_EQ(TextAreaText(&edit), u"x"_s + twoSections);
    edit.undo();
    EXPECT_EQ(TextAreaText(&edit), twoSections);

    const QString changed = u"[A]\nk=3\n\n[B]\nj=2\n\n"_s;
    const QString appended = u"[A]\nk=3\n\n[B]\nj=2\nn=4\n\n"_s;
    for (const QString &rebuilt : {changed, appended, twoSections}) {
        ReplaceTextKeepingView(&edit, rebuilt);
        EXPECT_EQ(edit.toPlainText(), rebuilt);
        EXPECT_EQ(TextAreaText(&edit), rebuilt);
    }
}

} // namespace
