#include "documents/TextAreaView.h"
#include "support/QStringPrinting.h"

#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <gtest/gtest.h>

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
        ReloadCase{"newParagraphSeparator", twoSections, {}, u"[A]\nk=a\u2029b\n\n[B]\nj=2\n\n"_s}),
    [](const ::testing::TestParamInfo<ReloadCase> &info) { return std::string(info.param.name); });

} // namespace
