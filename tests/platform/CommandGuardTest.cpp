#include "platform/CommandGuard.h"
#include "platform/Errors.h"
#include "platform/QtDesktop.h"
#include "platform/ScriptedDesktop.h"

#include "support/QStringPrinting.h"

#include <QApplication>
#include <QMessageBox>
#include <gtest/gtest.h>
#include <new>
#include <stdexcept>

namespace {

TEST(ErrorReport, AddsAFullStopOnlyAfterCharactersSortingAfterIt)
{
    EXPECT_EQ(errorReportText(QStringLiteral("Dateizugriff verweigert")), QStringLiteral("Dateizugriff verweigert."));
    EXPECT_EQ(errorReportText(QStringLiteral("Fertig.")), QStringLiteral("Fertig."));
    EXPECT_EQ(errorReportText(QStringLiteral("Pfad -")), QStringLiteral("Pfad -"));
    EXPECT_EQ(errorReportText(QStringLiteral("Wert 0")), QStringLiteral("Wert 0."));
    EXPECT_EQ(errorReportText(QString()), QString());
}

TEST(CommandGuard, ShowsTheFailureAsErrorReportTitledWithTheApplication)
{
    ScriptedDesktop desktop;
    bool after = false;
    runCommand(nullptr, [] { throw ConversionError::invalidInteger(QStringLiteral("$XYZ")); });
    after = true;
    ASSERT_EQ(desktop.messages().size(), 1u);
    const MessageRequest report = desktop.messages().front();
    EXPECT_EQ(report.kind, MessageKind::Error);
    EXPECT_EQ(report.title, QStringLiteral("tarvex"));
    EXPECT_EQ(report.text, QStringLiteral("'$XYZ' ist kein gültiger Integerwert."));
    EXPECT_EQ(report.buttons, QList<MessageButton>{MessageButton::Ok});
    EXPECT_TRUE(after);
}

// Only the system's own German texts reach the report, never a library's.
TEST(CommandGuard, ReportsFailuresFromOutsideInGerman)
{
    ScriptedDesktop desktop;
    runCommand(nullptr, [] { throw std::bad_alloc(); });
    runCommand(nullptr, [] { throw std::length_error("basic_string::_M_create"); });
    runCommand(nullptr, [] { throw std::logic_error("vector::_M_range_check"); });
    runCommand(nullptr, [] { throw 42; });
    EXPECT_EQ(desktop.messageTexts(), (QStringList{QStringLiteral("Zu wenig Arbeitsspeicher."), QStringLiteral("Zu wenig Arbeitsspeicher."),
                                                   QStringLiteral("Interner Fehler."), QStringLiteral("Interner Fehler.")}));
}

TEST(CommandGuard, ASucceedingCommandShowsNothing)
{
    ScriptedDesktop desktop;
    int runs = 0;
    runCommand(nullptr, [&] { ++runs; });
    EXPECT_EQ(runs, 1);
    EXPECT_TRUE(desktop.calls().empty());
}

// The override cursor the user sees now; the normal one when there is none.
Qt::CursorShape shownCursor()
{
    const QCursor *cursor = QGuiApplication::overrideCursor();
    return cursor ? cursor->shape() : Qt::ArrowCursor;
}

TEST(CommandGuard, ShowsTheWaitCursorUntilTheCommandReturnsHoweverItEnds)
{
    ScriptedDesktop desktop;
    for (const bool fails : {false, true}) {
        Qt::CursorShape during = Qt::ArrowCursor;
        runCommand(nullptr, [&] {
            during = shownCursor();
            if (fails)
                throw std::bad_alloc();
        });
        EXPECT_EQ(during, Qt::WaitCursor);
        EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    }
}

// A box shown by a busy command gets the normal cursor, and the command
// its wait cursor back afterwards.
TEST(QtDesktop, ShowsItsBoxesWithTheNormalCursor)
{
    QtDesktop qt;
    Qt::CursorShape whileShown = Qt::WaitCursor;
    Qt::CursorShape afterwards = Qt::ArrowCursor;
    runCommand(nullptr, [&] {
        QMetaObject::invokeMethod(
            qApp,
            [&] {
                whileShown = shownCursor();
                if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget()))
                    box->done(0);
            },
            Qt::QueuedConnection);
        qt.message(nullptr, {MessageKind::Information, QStringLiteral("busy"), {MessageButton::Ok}, {}});
        afterwards = shownCursor();
    });
    EXPECT_EQ(whileShown, Qt::ArrowCursor);
    EXPECT_EQ(afterwards, Qt::WaitCursor);
}

TEST(Errors, CarryTheGermanMessages)
{
    EXPECT_EQ(FileCreateError(QStringLiteral("/x/a.ini"), QStringLiteral("Zugriff verweigert")).message(),
              QStringLiteral("Datei \"/x/a.ini\" kann nicht erstellt werden. Zugriff verweigert"));
    EXPECT_EQ(FileOpenError(QStringLiteral("/x/a.ini"), QStringLiteral("Grund")).message(),
              QStringLiteral("Datei /x/a.ini kann nicht geöffnet werden. Grund"));
    EXPECT_EQ(ProfileWriteError(QStringLiteral("/x/a.bfi")).message(),
              QStringLiteral("In /x/a.bfi kann nicht geschrieben werden"));
    EXPECT_EQ(ListIndexError(5).message(), QStringLiteral("Listenindex überschreitet das Maximum (5)"));
}

} // namespace
