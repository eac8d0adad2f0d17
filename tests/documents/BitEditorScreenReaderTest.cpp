#include "BitEditorFixture.h"

#include "flags/BitFrames.h"
#include "grid/CellGrid.h"
#include "support/QStringPrinting.h"
#include "support/VirtualDisplay.h"

#include <QDeadlineTimer>
#include <QProcess>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

namespace {

// A screen reader reaches the bit table through the desktop's
// accessibility bus (AT-SPI): the client finds the table, reads a named
// row and its tick, ticks it through the cell's toggle action and reads
// the new word from the footer, while this program answers it.
TEST_F(BitEditor, AScreenReaderTicksANamedBitThroughTheAccessibilityBus)
{
    if (!OnVirtualDisplay()) {
        QProcessEnvironment accessibility;
        accessibility.insert(u"QT_LINUX_ACCESSIBILITY_ALWAYS_ON"_s, u"1"_s);
        RunCurrentTestOnVirtualDisplay(accessibility, true);
        return;
    }

    openIni(accessFile);
    TMDIChildBit *editor = doubleClickLine(1);
    ASSERT_NE(editor, nullptr);
    editor->TBitFrame1->GridBits->SetCells(2, 30, u"bfWrite"_s);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(editor));

    QProcess client; // what it reads comes on stdout; warnings of its libraries on stderr
    client.start(QStandardPaths::findExecutable(u"python3"_s, {u"/usr/bin"_s}), // the system's, with pyatspi
                 {QStringLiteral(ATSPI_CLIENT), QString::number(QCoreApplication::applicationPid()), u"bfWrite"_s});
    // The client's calls are answered by this program's event loop.
    const QDeadlineTimer deadline(60'000);
    while (client.state() != QProcess::NotRunning && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    ASSERT_EQ(client.state(), QProcess::NotRunning) << "the client did not finish";
    const std::string warnings = client.readAllStandardError().toStdString();
    EXPECT_EQ(client.exitCode(), 0) << warnings;
    EXPECT_EQ(QString::fromLocal8Bit(client.readAllStandardOutput()),
              u"row 30 bfWrite: not ticked\n"
              u"row 30 bfWrite: ticked\n"
              u"footer: Hex Value 0000A003, Name (Mask) 40963, Used for Read and write\n"_s)
        << warnings;
    EXPECT_EQ(editor->TBitFrame1->FlagHexA(), u"$0000A003");
}

} // namespace
