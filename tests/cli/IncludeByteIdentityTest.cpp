#include "DocumentHost.h"
#include "IncludeProgram.h"

#include "documents/CHILDWINBit.h"
#include "documents/CHILDWINIni.h"
#include "flags/BitFrames.h"
#include "platform/ScriptedDesktop.h"
#include "support/QStringPrinting.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextBlock>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

struct IdentityCase
{
    const char *what;
    QByteArray ini;
    int shownLine; // the line double-clicked in the document
    QStringList sectionKey; // as given to tarvex-include
    QString pairName; // a table file on disk under this name, if any
    QString menuItem;
    QString form;
    bool withField = false; // the pair's bits 4 and 5 a field with named values
};

void PrintTo(const IdentityCase &c, std::ostream *out)
{
    *out << c.what;
}

class ByteIdentity : public ::testing::TestWithParam<IdentityCase>
{
protected:
    ByteIdentity() { QDir::setCurrent(folder.path(QString())); }

    QStringList files() const { return QDir(folder.path(QString())).entryList(QDir::Files, QDir::Name); }

    // "&Include create" in the bit editor opened by a double click; the file it wrote.
    QString createInEditor(const IdentityCase &c)
    {
        host.open(folder.path(u"myapp_v2.ini"_s));
        QPlainTextEdit *memo = host.document()->MemoIni;
        const QRect caret = memo->cursorRect(QTextCursor(memo->document()->findBlockByNumber(c.shownLine)));
        QTest::mouseDClick(memo->viewport(), Qt::LeftButton, {}, caret.center() + QPoint(4, 0));
        auto *editor = host.document()->findChild<TMDIChildBit *>();
        if (!editor)
            return {};
        const QStringList before = files();
        editor->findChild<QAction *>(c.menuItem)->trigger();
        for (const QString &file : files())
            if (!before.contains(file))
                return folder.path(file);
        return {};
    }

    CurrentDirectoryGuard guard;
    ScriptedDesktop desktop;
    TestFolder folder;
    DocumentHost host;
};

TEST_P(ByteIdentity, TheProgramWritesTheFileTheBitEditorWrites)
{
    const IdentityCase &c = GetParam();
    folder.write(u"myapp_v2.ini"_s, c.ini);
    if (!c.pairName.isEmpty())
        folder.write(c.pairName + u".bfx"_s, tableFile({{30, u"Write Enable;Write access"_s}, {31, u"Read;"_s}}));
    if (c.withField) {
        folder.write(c.pairName + u".bfx"_s, levelTableFile());
        folder.write(c.pairName + u".bfi"_s, "[Field 00000030]\r\n1=Errors\r\n2=Warnings;Warnings and errors\r\n");
    }

    const QString written = createInEditor(c);
    ASSERT_FALSE(written.isEmpty());
    const QByteArray bytes = folder.read(QFileInfo(written).fileName());
    ASSERT_TRUE(QFile::remove(written));

    const IncludeRun run =
        runTarvexInclude(QStringList{u"--form"_s, c.form, u"myapp_v2.ini"_s} + c.sectionKey, folder.path(QString()));
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(QString::fromUtf8(run.out), written + u'\n');
    EXPECT_EQ(folder.read(QFileInfo(written).fileName()), bytes);
}

const QByteArray accessIni = "; myapp\r\n[ACCESS]\r\n\r\nFLAGS = $0000A003,bf;Read and write\r\n";

INSTANTIATE_TEST_SUITE_P(
    Table, ByteIdentity,
    ::testing::Values(
        IdentityCase{"Pascal, no pair", accessIni, 1, {u"access"_s, u"flags"_s}, {},
                     u"MI_BF_Pascal"_s, u"pascal"_s},
        IdentityCase{"CPP, with a pair", accessIni, 1, {}, u"MyappAccessFlags"_s, u"MI_BF_CPP"_s,
                     u"cpp"_s},
        IdentityCase{"C header, with a pair", accessIni, 1, {u"ACCESS"_s, u"FLAGS"_s}, u"MyappAccessFlags"_s,
                     u"MI_BF_C"_s, u"c"_s},
        IdentityCase{"Network naming", "[Access]\r\nMode=3\r\n[NETWORK]\r\nFlags=$00000001,uc;net\r\n", 4,
                     {u"Network"_s, u"Flags"_s}, u"MyappNetworkFlags"_s, u"MI_BF_Pascal"_s, u"pascal"_s},
        IdentityCase{"a dotted section", "[App.Paths]\r\nFlags=$00000002,cf;\r\n", 1, {u"App.Paths"_s, u"Flags"_s},
                     {}, u"MI_BF_C"_s, u"c"_s},
        IdentityCase{"Pascal, with a field", accessIni, 1, {}, u"MyappAccessFlags"_s, u"MI_BF_Pascal"_s,
                     u"pascal"_s, true},
        IdentityCase{"C header, with a field", accessIni, 1, {}, u"MyappAccessFlags"_s, u"MI_BF_C"_s, u"c"_s,
                     true}));

} // namespace
