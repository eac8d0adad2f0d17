#include "DocumentWindowFixture.h"

#include "support/QStringPrinting.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QTextBlock>
#include <functional>

using namespace Qt::StringLiterals;

namespace {

// A file whose second entry holds a paragraph separator, shown by a stand-in.
const QByteArray fileWithBreaker = "[A]\r\nk=\r\np=a\xE2\x80\xA9" "b\r\n";

struct EditCase
{
    const char *name;
    // What the user does in the text area, the caret at the end of "k=".
    std::function<void(QPlainTextEdit *memo, const DocumentHost &host)> edit;
    QString saved; // the entries of [A] as Save writes them
};

void PrintTo(const EditCase &row, std::ostream *out)
{
    *out << row.name;
}

void typeText(QPlainTextEdit *memo, const QString &text)
{
    for (QChar ch : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(ch));
        QCoreApplication::sendEvent(memo, &press);
    }
}

// Selects the stand-in of "p=a\u2029b".
void selectStandIn(QPlainTextEdit *memo)
{
    QTextCursor cursor(memo->document()->findBlockByNumber(2));
    cursor.setPosition(cursor.position() + 3);
    cursor.setPosition(cursor.position() + 1, QTextCursor::KeepAnchor);
    memo->setTextCursor(cursor);
}

void caretAfterK(QPlainTextEdit *memo)
{
    QTextCursor cursor(memo->document()->findBlockByNumber(1));
    cursor.movePosition(QTextCursor::EndOfBlock);
    memo->setTextCursor(cursor);
}

class TypedCharacters : public DocumentWindow, public ::testing::WithParamInterface<EditCase>
{
};

// Only the stand-ins the program put there are saved as the characters
// they stand for; the file's own separator survives every edit.
TEST_P(TypedCharacters, AreSavedAsTyped)
{
    folder.write(QStringLiteral("a.ini"), fileWithBreaker);
    host.open(path(QStringLiteral("a.ini")));
    QPlainTextEdit *memo = host.document()->MemoIni;
    caretAfterK(memo);
    GetParam().edit(memo, host);
    host.choose(QStringLiteral("Save1"));
    EXPECT_EQ(QString::fromUtf8(folder.read(QStringLiteral("a.ini"))), u"[A]\r\n"_s + GetParam().saved + u"\r\n\r\n"_s);
}

INSTANTIATE_TEST_SUITE_P(
    TextArea, TypedCharacters,
    ::testing::Values(
        EditCase{"typedStandInCharacters", [](QPlainTextEdit *memo, const DocumentHost &) { typeText(memo, u"\uE000\uE001\uE002"_s); },
                 u"k=\uE000\uE001\uE002\r\np=a\u2029b"_s},
        EditCase{"typedRightAfterAStandIn",
                 [](QPlainTextEdit *memo, const DocumentHost &) {
                     selectStandIn(memo);
                     QTextCursor after = memo->textCursor();
                     after.setPosition(after.selectionEnd());
                     memo->setTextCursor(after);
                     typeText(memo, u"\uE000"_s);
                 },
                 u"k=\r\np=a\u2029\uE000b"_s},
        EditCase{"pastedStandInCharacter",
                 [](QPlainTextEdit *, const DocumentHost &host) {
                     QApplication::clipboard()->setText(u"\uE000"_s);
                     host.choose(QStringLiteral("Paste1"));
                 },
                 u"k=\uE000\r\np=a\u2029b"_s},
        EditCase{"copiedSeparatorPastedBack",
                 [](QPlainTextEdit *memo, const DocumentHost &host) {
                     selectStandIn(memo);
                     host.choose(QStringLiteral("Copy1"));
                     EXPECT_EQ(QApplication::clipboard()->text(), u"\u2029"_s);
                     caretAfterK(memo);
                     host.choose(QStringLiteral("Paste1"));
                 },
                 u"k=\u2029\r\np=a\u2029b"_s},
        EditCase{"deletedStandInBroughtBackByUndo",
                 [](QPlainTextEdit *memo, const DocumentHost &) {
                     selectStandIn(memo);
                     memo->textCursor().removeSelectedText();
                     memo->undo();
                 },
                 u"k=\r\np=a\u2029b"_s}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
