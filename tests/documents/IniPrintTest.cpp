#include "DocumentWindowFixture.h"

#include "support/PdfReader.h"

#include <QDateTime>
#include <QFileInfo>
#include <QLocale>

using namespace Qt::StringLiterals;

namespace {

// Prints on 6 December 2026 at 14:05:09 with German date and time formats.
class DocumentPrint : public DocumentWindow
{
protected:
    DocumentPrint() { QLocale::setDefault(QLocale(QLocale::German)); }
    ~DocumentPrint() override { QLocale::setDefault(m_savedLocale); }

    void print(const QString &pdfName)
    {
        host.document()->SetPrintClock([] { return QDateTime(QDate(2026, 12, 6), QTime(14, 5, 9)); });
        desktop.printAnswers = {true};
        desktop.printFileName = pdfName.isEmpty() ? QString() : path(pdfName);
        host.choose(u"Print1"_s);
    }

    // The printed lines without the page layout's spacing.
    QStringList printedLines(const QString &pdfName) const
    {
        QStringList lines;
        for (const QString &line : pdfText(path(pdfName)).split(u'\n'))
            if (!line.simplified().isEmpty())
                lines << line.simplified();
        return lines;
    }

private:
    QLocale m_savedLocale;
};

TEST_F(DocumentPrint, PrintsHeadingAsterisksAndEveryLineAsShown)
{
    openExample();
    const QString wide = QString(15, u'x') + u"0123456789"_s.repeated(14);
    type(u"[ACCESS]\n; typed, not saved\n\n"_s + wide + u"\n"_s);

    print(u"text.pdf"_s);

    EXPECT_TRUE(desktop.messages().empty());
    EXPECT_EQ(pdfPageCount(path(u"text.pdf"_s)), 1);
    const QStringList lines = printedLines(u"text.pdf"_s);
    ASSERT_GE(lines.size(), 5);
    EXPECT_EQ(lines[0], u"06.12.2026 14:05:09 "_s + path(u"myapp_v2.ini"_s));
    EXPECT_EQ(lines[1], QString(94, u'*'));
    EXPECT_EQ(lines[2], u"[ACCESS]"_s);
    EXPECT_EQ(lines[3], u"; typed, not saved"_s);
    // The line wider than the page goes on in the lines below, whole.
    EXPECT_GT(lines.size(), 5);
    EXPECT_EQ(lines.mid(4).join(QString()), wide);
}

TEST_F(DocumentPrint, ManyLinesGoOnOnNewPages)
{
    openExample();
    QStringList text;
    for (int line = 1; line <= 200; ++line)
        text << u"Key%1=$%1"_s.arg(line);
    type(text.join(u'\n'));

    print(u"long.pdf"_s);

    EXPECT_EQ(pdfPageCount(path(u"long.pdf"_s)), 3); // 78 lines on an A4 page
    EXPECT_EQ(printedLines(u"long.pdf"_s).mid(2), text);
}

TEST_F(DocumentPrint, EmptyTextIsNotPrintedAndNoDialogIsShown)
{
    openExample();
    type(QString());

    print(u"empty.pdf"_s);

    ASSERT_EQ(desktop.calls().size(), 1u);
    EXPECT_EQ(desktop.calls()[0].kind, ScriptedDesktop::CallKind::Message);
    EXPECT_EQ(desktop.messages()[0].kind, MessageKind::Information);
    EXPECT_EQ(desktop.messageTexts(), QStringList{u"File empty, will not be printed!"_s});
    EXPECT_FALSE(QFileInfo::exists(path(u"empty.pdf"_s)));
}

TEST_F(DocumentPrint, PrinterFailuresAreReportedAndTheTextStays)
{
    struct Case
    {
        QString pdfName;
        QString message;
    };
    openExample();
    for (const Case &row : {Case{QString(), u"Zur Zeit ist kein Standard-Drucker gewählt."_s},
                            Case{u"missing/text.pdf"_s, u"Der Druckauftrag kann nicht gestartet werden."_s}}) {
        desktop.clear();

        print(row.pdfName);

        ASSERT_EQ(desktop.messages().size(), 1u) << row.message.toStdString();
        EXPECT_EQ(desktop.messages()[0].kind, MessageKind::Error);
        EXPECT_EQ(desktop.messageTexts(), QStringList{row.message});
        EXPECT_EQ(shownText(), QString::fromLatin1(exampleShown));
    }
}

TEST_F(DocumentPrint, PrinterSetupShowsItsDialogAndCancelledPrintingPrintsNothing)
{
    openExample();
    host.choose(u"Printersetup1"_s);
    ASSERT_EQ(desktop.calls().size(), 1u);
    EXPECT_EQ(desktop.calls()[0].kind, ScriptedDesktop::CallKind::PrinterSetupDialog);

    desktop.printAnswers = {false};
    desktop.printFileName = path(u"cancelled.pdf"_s);

    host.choose(u"Print1"_s);

    EXPECT_TRUE(desktop.messages().empty());
    EXPECT_FALSE(QFileInfo::exists(path(u"cancelled.pdf"_s)));
}

} // namespace
