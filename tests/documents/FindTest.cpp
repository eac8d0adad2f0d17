#include "DocumentWindowFixture.h"

#include "documents/FindBar.h"
#include "documents/IniModel.h"
#include "documents/ReEnabledEvent.h"
#include "support/QStringPrinting.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

namespace {

struct FindCase
{
    const char *name;
    const char16_t *text;
    int selectionStart;
    int selectionEnd;
    const char16_t *needle;
    bool matchCase;
    Qt::Key key; // pressed in the find field, F3 in the text
    Qt::KeyboardModifiers modifiers;
    int foundStart; // -1: the selection stays
    int foundEnd;
    const char16_t *note;
};

// Lines from position 0: "[A]" 0, "key=Alpha" 4, "alpha=2" 14, "[B]" 22, "KEY=alpha" 26.
constexpr char16_t text[] = u"[A]\nkey=Alpha\nalpha=2\n[B]\nKEY=alpha\n";

// In the document window as it opens, 337 pixels wide, every caption and
// note of the bar reads whole, a note moves no control, and typing clears it.
TEST_F(DocumentWindow, FindSelectsTheMatchAndNotesWhereItWentOn)
{
    const FindCase cases[] = {
        {"forward ignoring case", text, 0, 0, u"alpha", false, Qt::Key_Return, Qt::NoModifier, 8, 13, u""},
        {"forward matching case", text, 0, 0, u"alpha", true, Qt::Key_Return, Qt::NoModifier, 14, 19, u""},
        {"after the selection", text, 8, 13, u"alpha", false, Qt::Key_Enter, Qt::NoModifier, 14, 19, u""},
        {"backward", text, 26, 26, u"alpha", false, Qt::Key_Return, Qt::ShiftModifier, 14, 19, u""},
        {"F3 wraps", text, 30, 35, u"key", false, Qt::Key_F3, Qt::NoModifier, 4, 7,
         u"Ende erreicht, am Anfang fortgesetzt"},
        {"Shift+F3 wraps", text, 0, 0, u"KEY", true, Qt::Key_F3, Qt::ShiftModifier, 26, 29,
         u"Anfang erreicht, am Ende fortgesetzt"},
        {"not found", text, 4, 7, u"beta", false, Qt::Key_Return, Qt::NoModifier, -1, -1, u"nicht gefunden"},
        // The text area shows the paragraph separator by a stand-in; the typed one is found.
        {"stand-in", u"[A]\nk=a\u2029b\n", 0, 0, u"a\u2029b", false, Qt::Key_Return, Qt::NoModifier, 6, 9, u""},
    };
    QPlainTextEdit *memo = host.open(QStringLiteral("NONAME1"))->MemoIni;
    host.document()->parentWidget()->resize(337, 361);
    host.activate();
    auto *bar = host.document()->findChild<FindBar *>(QStringLiteral("FindBar"));
    const auto *note = bar->findChild<QLabel *>(QStringLiteral("LBL_FindNote"));
    host.choose(QStringLiteral("Find1"));
    const auto readsWhole = [](const QWidget *control) { return control->width() >= control->sizeHint().width(); };
    const auto places = [bar, note] {
        QList<QRect> controls;
        for (const QWidget *control : bar->findChildren<QWidget *>())
            controls << (control == note ? QRect() : control->geometry());
        return controls;
    };
    const QList<QRect> withoutNote = places();
    for (const QWidget *control : bar->findChildren<QWidget *>())
        EXPECT_TRUE(control == note || control == bar->EDT_Find || readsWhole(control))
            << control->objectName().toStdString();
    EXPECT_EQ(bar->CHB_MatchCase->toolTip(), u"Groß-/Kleinschreibung beachten");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(bar->CHB_MatchCase)->text(QAccessible::Name),
              u"Groß-/Kleinschreibung beachten");
    EXPECT_GE(bar->EDT_Find->width(), bar->EDT_Find->fontMetrics().horizontalAdvance(QString(12, u'x')));
    for (const FindCase &row : cases) {
        SCOPED_TRACE(row.name);
        SetTextAreaText(memo, QString::fromUtf16(row.text));
        host.choose(QStringLiteral("Find1"));
        bar->EDT_Find->setText(QString::fromUtf16(row.needle));
        bar->CHB_MatchCase->setChecked(row.matchCase);
        QTextCursor selection = memo->textCursor();
        selection.setPosition(row.selectionStart);
        selection.setPosition(row.selectionEnd, QTextCursor::KeepAnchor);
        memo->setTextCursor(selection);
        QTest::keyClick(row.key == Qt::Key_F3 ? static_cast<QWidget *>(memo) : bar->EDT_Find, row.key, row.modifiers);
        const bool found = row.foundStart >= 0;
        EXPECT_EQ(memo->textCursor().selectionStart(), found ? row.foundStart : row.selectionStart);
        EXPECT_EQ(memo->textCursor().selectionEnd(), found ? row.foundEnd : row.selectionEnd);
        EXPECT_EQ(note->text(), QString::fromUtf16(row.note));
        EXPECT_TRUE(readsWhole(note));
        EXPECT_EQ(places(), withoutNote);
        // A screen reader in the find field hears the note as the field's description.
        EXPECT_EQ(QAccessible::queryAccessibleInterface(bar->EDT_Find)->text(QAccessible::Description),
                  QString::fromUtf16(row.note));
        bar->EDT_Find->insert(QStringLiteral("x"));
        EXPECT_TRUE(note->text().isEmpty());
    }
}

TEST_F(DocumentWindow, CtrlFOpensTheFindBarWithTheSelectionAndEscapeReturnsToTheText)
{
    QPlainTextEdit *memo = openExample()->MemoIni;
    host.activate();
    auto *bar = host.document()->findChild<FindBar *>(QStringLiteral("FindBar"));
    EXPECT_FALSE(bar->isVisible());
    QTextCursor selection(memo->document());
    selection.setPosition(9);
    selection.setPosition(14, QTextCursor::KeepAnchor);
    memo->setTextCursor(selection);
    QTest::keyClick(memo, Qt::Key_F, Qt::ControlModifier);
    EXPECT_TRUE(bar->isVisible());
    EXPECT_EQ(bar->EDT_Find->text(), u"FLAGS");
    EXPECT_EQ(QApplication::focusWidget(), bar->EDT_Find);
    QTest::keyClick(bar->EDT_Find, Qt::Key_Escape);
    EXPECT_FALSE(bar->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), memo);

    // A selection holding a character the area shows by a stand-in is taken as the file holds it.
    SetTextAreaText(memo, QString::fromUtf16(u"[A]\nk=a\u2029b\n"));
    selection = QTextCursor(memo->document());
    selection.setPosition(6);
    selection.setPosition(9, QTextCursor::KeepAnchor);
    memo->setTextCursor(selection);
    QTest::keyClick(memo, Qt::Key_F, Qt::ControlModifier);
    EXPECT_EQ(bar->EDT_Find->text(), u"a\u2029b");
}

// A bit editor's Save Init rebuilds the text; the bar stays and finds in the new text.
TEST_F(DocumentWindow, FindingAfterAReloadSearchesTheRebuiltText)
{
    TMDIChild *document = openExample();
    host.choose(QStringLiteral("Find1"));
    auto *bar = document->findChild<FindBar *>(QStringLiteral("FindBar"));
    bar->EDT_Find->setText(QStringLiteral("$0000B002"));
    document->IniFile()->write(QStringLiteral("ACCESS"), QStringLiteral("FLAGS"), QStringLiteral("$0000B002,bf;Read"));
    SendReEnabled(document);
    bar->findNext();
    EXPECT_TRUE(bar->isVisible());
    EXPECT_EQ(document->MemoIni->textCursor().selectionStart(), 15);
    EXPECT_EQ(document->MemoIni->textCursor().selectedText(), u"$0000B002");
    // Finding only selects: Save writes what it would have written.
    host.choose(QStringLiteral("Save1"));
    const QByteArray written = QByteArray(exampleRebuilt).replace("A001,bf;Read and write", "B002,bf;Read");
    EXPECT_EQ(folder.read(QStringLiteral("myapp_v2.ini")), written);
}

} // namespace
