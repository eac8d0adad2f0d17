#include "MainWindowFixture.h"
#include "app/AboutExport.h"
#include "app/aboutBox.h"
#include "app/u_versioninfo.h"
#include "grid/CellGrid.h"
#include "grid/TextColumn.h"
#include "support/QStringPrinting.h"
#include "support/WriteProtection.h"
#include "util/MachineInfo.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QPushButton>
#include <QtTest/QTest>

namespace {

using Rows = QList<QPair<QString, QString>>;

Rows rowsOf(const TAboutBox &box)
{
    Rows rows;
    for (int row = 0; row < box.AGX_About->RowCount(); ++row)
        rows.append({box.AGX_About->Cells(0, row), box.AGX_About->Cells(1, row)});
    return rows;
}

QStringList keysOf(const Rows &rows)
{
    QStringList keys;
    for (const auto &row : rows)
        keys << row.first;
    return keys;
}

QByteArray utf16(const QString &text)
{
    return QByteArray(reinterpret_cast<const char *>(text.utf16()), text.size() * 2);
}

// An about box of a program file in a fresh folder, shown without a modal loop.
class AboutBox : public ::testing::Test
{
protected:
    AboutBox()
    {
        folder.write(QStringLiteral("tarvex"), "program");
        box.show();
    }
    ~AboutBox() override { box.close(); }

    ScriptedDesktop desktop;
    TestFolder folder;
    const QString programFile = folder.path(QStringLiteral("tarvex"));
    TAboutBox box{programFile};
};

} // namespace

TEST_F(AboutBox, LooksAsDescribed)
{
    EXPECT_EQ(box.windowTitle(), u"About");
    EXPECT_EQ(box.size(), QSize(448, 573));
    EXPECT_EQ(box.minimumSize(), box.maximumSize());
    EXPECT_TRUE(box.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(box.LBL_ProductName->text(), u"Applcation");
    EXPECT_FALSE(box.ProgramIcon->pixmap().isNull());
    EXPECT_TRUE(box.Button1->isDefault());
    EXPECT_EQ(box.ColKey->Header().Caption(), u"Key Nmae");
    EXPECT_EQ(box.ColKey->Width(), 160);
    EXPECT_EQ(box.ColValue->Header().Caption(), u"Value ");
    EXPECT_EQ(box.ColValue->Width(), 260);
    EXPECT_EQ(box.Save1->text(), u"&Save");
}

TEST_F(AboutBox, ShowsTheFileTheMachineAndEveryVersionString)
{
    const Rows rows = rowsOf(box);
    ASSERT_EQ(rows.size(), 19);
    EXPECT_EQ(keysOf(rows).first(5), QStringList({QStringLiteral("FileName"), QStringLiteral("FileDate"),
                                                   QStringLiteral("Computer Name"), QStringLiteral("User Name"),
                                                   QStringLiteral("CompanyName")}));
    EXPECT_EQ(keysOf(rows).last(), u"V7.3.9");
    EXPECT_EQ(rows[0].second, programFile);
    EXPECT_TRUE(rows[1].second.contains(QString::number(QFileInfo(programFile).lastModified().date().year())));
    EXPECT_EQ(rows[2].second, ComputerName().trimmed());
    EXPECT_EQ(rows[3].second, UserName().trimmed());
    EXPECT_EQ(rows[12], qMakePair(QStringLiteral("ProductVersion"), QStringLiteral("02.2011")));
    EXPECT_EQ(AboutFileName(), programFile);
}

TEST_F(AboutBox, ExportsTheRowsAsAGridTextFileBesideTheProgram)
{
    box.AGX_About->SetRowCount(3);
    box.AGX_About->SetCells(1, 1, QStringLiteral("a;b"));
    box.AGX_About->SetCells(1, 2, QStringLiteral("one\r\ntwo"));
    const QByteArray expected = "\xFF\xFE"
        + utf16(u"FileName;" + programFile + u"\r\nFileDate;\"a;b\"\r\nComputer Name;one|two\r\n");
    for (int save = 0; save < 2; ++save) {
        box.Save1->trigger();
        EXPECT_EQ(folder.read(QStringLiteral("tarvex.txt")), expected);
    }
    EXPECT_TRUE(desktop.messages().empty());
}

TEST_F(AboutBox, ReportsAnExportThatCannotBeWrittenAndStaysOpen)
{
    // A folder in the export file's place cannot be replaced, not even by root.
    ASSERT_TRUE(QDir(folder.path(QString())).mkdir(QStringLiteral("tarvex.txt")));
    box.Save1->trigger();
    ASSERT_EQ(desktop.messages().size(), 1u);
    EXPECT_EQ(desktop.messages()[0].kind, MessageKind::Error);
    EXPECT_EQ(desktop.messages()[0].text, u"Dateizugriff verweigert.");
    EXPECT_TRUE(box.isVisible());
}

TEST_F(AboutBox, OffersTheExportInTheGridsPopupMenu)
{
    const QPoint inside(40, 30);
    QContextMenuEvent click(QContextMenuEvent::Mouse, inside, box.AGX_About->viewport()->mapToGlobal(inside));
    QCoreApplication::sendEvent(box.AGX_About->viewport(), &click);
    EXPECT_TRUE(box.PopupMenu1->isVisible());
    EXPECT_EQ(box.PopupMenu1->actions(), QList<QAction *>{box.Save1});
    box.PopupMenu1->hide();
}

TEST_F(AboutBox, OpensTheMakersPageBesideTheProgramFromThePicture)
{
    EXPECT_EQ(box.LBL_Company->text(), u"Tarvex");
    QDir::setCurrent(QDir::tempPath());
    QTest::mouseClick(box.ProgramIcon, Qt::LeftButton);
    ASSERT_EQ(desktop.calls().size(), 1u);
    EXPECT_EQ(desktop.calls()[0].kind, ScriptedDesktop::CallKind::ShellOpen);
    EXPECT_EQ(desktop.calls()[0].target, folder.path(QStringLiteral("tarvexAbout.htm")));
}

// The page installed beside the program names the project's version and licence.
TEST(MakersPage, CarriesTheProjectsVersionAndLicence)
{
    QFile page(QStringLiteral(TARVEX_MAKER_PAGE));
    ASSERT_TRUE(page.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(page.readAll());
    EXPECT_TRUE(text.contains(QStringLiteral("<dd>" TARVEX_VERSION "</dd>")));
    EXPECT_TRUE(text.contains(QStringLiteral("MIT licence")));
    EXPECT_TRUE(text.contains(QStringLiteral("tarvexInit.htm")));
}

// Four-digit years on screen and in the export, also for day 0.
TEST(AboutBoxDate, ShowsFourDigitYears)
{
    const struct
    {
        std::optional<QDate> modified; // none: no program file
        const char *shown;
    } cases[] = {{QDate(2011, 2, 14), "14.02.2011"}, {std::nullopt, "30.12.1899"}};
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    for (const auto &test : cases) {
        ScriptedDesktop desktop;
        TestFolder folder;
        const QString programFile = folder.path(QStringLiteral("tarvex"));
        if (test.modified) {
            folder.write(QStringLiteral("tarvex"), "program");
            QFile file(programFile);
            ASSERT_TRUE(file.open(QIODevice::ReadWrite));
            ASSERT_TRUE(file.setFileTime(QDateTime(*test.modified, QTime(12, 0)), QFileDevice::FileModificationTime));
        }
        TAboutBox box(programFile);
        box.show();
        EXPECT_EQ(box.AGX_About->Cells(1, 1), QString::fromLatin1(test.shown));
        box.Save1->trigger();
        EXPECT_TRUE(folder.read(QStringLiteral("tarvex.txt")).contains(utf16(u"\r\nFileDate;" + QString::fromLatin1(test.shown) + u"\r\n")))
            << test.shown;
    }
    QLocale::setDefault(saved);
}

// An installed program's folder cannot be written: the export asks where to go.
TEST_F(AboutBox, ExportFromAFolderThatCannotBeWrittenAsksWhereToGo)
{
    const struct
    {
        bool answered, exists;
        MessageButton replace; // the answer to the overwrite question
        bool written;
    } cases[] = {{false, false, MessageButton::Yes, false}, {true, false, MessageButton::Yes, true},
                 {true, true, MessageButton::No, false}, {true, true, MessageButton::Yes, true}};
    CurrentDirectoryGuard guard;
    const WriteProtection protection(folder.path(QString()));
    if (!protection.holds())
        GTEST_SKIP() << "the system lets this test protect no folder";
    for (const auto &test : cases) {
        TestFolder home;
        const QString chosen = home.path(QStringLiteral("about.txt"));
        if (test.exists)
            home.write(QStringLiteral("about.txt"), "old");
        desktop.clear();
        desktop.fileAnswers = {test.answered ? std::optional<QString>(chosen) : std::nullopt};
        desktop.messageAnswers = {test.replace};
        box.Save1->trigger();

        ASSERT_EQ(desktop.calls().at(0).kind, ScriptedDesktop::CallKind::SaveDialog);
        const FileDialogRequest &dialog = desktop.calls()[0].dialog;
        EXPECT_EQ(dialog.filter + u'|' + dialog.initialDir + u'|' + dialog.fileName,
                  u"Text files (*.txt)|*.txt|" + QDir::homePath() + u"|tarvex.txt");
        EXPECT_EQ(desktop.messageTexts(), test.exists ? QStringList{QStringLiteral("File exists! Overwrite?")} : QStringList());
        const QByteArray onDisk = QFileInfo::exists(chosen) ? home.read(QStringLiteral("about.txt")) : QByteArray();
        EXPECT_EQ(onDisk.startsWith(QByteArray("\xFF\xFE" + utf16(u"FileName;" + programFile))), test.written);
    }
}

TEST(AboutExportFileName, ReplacesTheFileNamesExtension)
{
    const struct
    {
        const char *program;
        const char *exported;
    } cases[] = {
        {"C:\\Tools\\Flags\\app.exe", "C:\\Tools\\Flags\\app.txt"},
        {"/usr/lib/tarvex/tarvex", "/usr/lib/tarvex/tarvex.txt"},
        {"/opt/my.tools/tarvex", "/opt/my.tools/tarvex.txt"},
        {"/opt/tools/tarvex.old.bin", "/opt/tools/tarvex.old.txt"},
    };
    for (const auto &test : cases)
        EXPECT_EQ(AboutExportFileName(QString::fromUtf8(test.program)), QString::fromUtf8(test.exported));
}

// "&Info..." opens a new modal box each time; the test closes it from a
// call posted before the box's own event loop starts.
TEST_F(MainWindow, InfoShowsANewModalAboutBoxEachTime)
{
    QList<Rows> shown;
    QList<TAboutBox *> boxes;
    QList<const TVersionInfo *> readers;
    for (int opening = 0; opening < 2; ++opening) {
        QMetaObject::invokeMethod(
            &form,
            [&] {
                TAboutBox *box = form.CurrentAboutBox();
                EXPECT_TRUE(box->isModal());
                EXPECT_EQ(box->focusWidget(), box->Button1);
                boxes.append(box);
                shown.append(rowsOf(*box));
                readers.append(AboutVersionInfo());
                box->reject();
            },
            Qt::QueuedConnection);
        run("HelpAbout1");
    }
    ASSERT_EQ(boxes.size(), 2);
    EXPECT_NE(boxes[0], boxes[1]);
    EXPECT_EQ(boxes[1]->parent(), &form);
    EXPECT_EQ(shown[0].size(), 19);
    EXPECT_EQ(shown[0], shown[1]);
    // One shared reader, which parsed the program's block once, for the first box.
    ASSERT_NE(AboutVersionInfo(), nullptr);
    EXPECT_EQ(readers, QList<const TVersionInfo *>({AboutVersionInfo(), AboutVersionInfo()}));
    EXPECT_EQ(AboutVersionInfo()->ParseCount(), 1);
}
