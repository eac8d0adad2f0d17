#include "platform/Errors.h"
#include "platform/FileIo.h"
#include "support/FileSizeLimit.h"
#include "support/WriteProtection.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

TEST(FileIo, ReplacesTheWholeFile)
{
    TestFolder folder;
    folder.write(QStringLiteral("a.ini"), "old and longer content");
    writeFileAtomically(folder.path(QStringLiteral("a.ini")), "new");
    EXPECT_EQ(folder.read(QStringLiteral("a.ini")), QByteArray("new"));
}

TEST(FileIo, AFullDiskLeavesTheOldFileAndNoTemporaryFile)
{
    TestFolder folder;
    folder.write(QStringLiteral("a.ini"), "[A]\r\nk=1\r\n");
    QString report;
    {
        const FileSizeLimit fullDisk(8);
        try {
            writeFileAtomically(folder.path(QStringLiteral("a.ini")), "[A]\r\nk=a value longer than the disk takes\r\n");
        } catch (const FileCreateError &error) {
            report = error.message();
        }
    }
    EXPECT_EQ(report, u"Datei \"" + folder.path(QStringLiteral("a.ini")) +
                          u"\" kann nicht erstellt werden. Auf dem Datenträger ist nicht genügend Speicherplatz vorhanden");
    EXPECT_EQ(folder.read(QStringLiteral("a.ini")), QByteArray("[A]\r\nk=1\r\n"));
    EXPECT_EQ(QDir(folder.path(QString())).entryList(QDir::Files), QStringList{QStringLiteral("a.ini")});
}

// A shared configuration folder: its file may be written, but nothing new
// may be put beside it. Run as root, the folder is made immutable.
TEST(FileIo, AWritableFileInAFolderRefusingNewFilesIsWrittenInPlace)
{
    TestFolder folder;
    QDir().mkpath(folder.path(QStringLiteral("shared")));
    folder.write(QStringLiteral("shared/a.ini"), "old and longer content");
    const QString target = folder.path(QStringLiteral("shared/a.ini"));
    const WriteProtection shared(folder.path(QStringLiteral("shared")));
    if (!shared.holds())
        GTEST_SKIP() << "this system lets the test protect no folder";

    writeFileAtomically(target, "new");
    EXPECT_EQ(folder.read(QStringLiteral("shared/a.ini")), QByteArray("new"));
    EXPECT_THROW(writeFileAtomically(folder.path(QStringLiteral("shared/b.ini")), "x"), FileCreateError);
    QString report;
    {
        const FileSizeLimit fullDisk(8);
        try {
            writeFileAtomically(target, "a text longer than the disk takes");
        } catch (const FileCreateError &error) {
            report = error.message();
        }
    }
    EXPECT_EQ(report, u"Datei \"" + target +
                          u"\" kann nicht erstellt werden. Auf dem Datenträger ist nicht genügend Speicherplatz vorhanden");
    EXPECT_EQ(QDir(folder.path(QStringLiteral("shared"))).entryList(QDir::Files), QStringList{QStringLiteral("a.ini")});
}

TEST(FileIo, AMissingFolderGivesTheFileCreationErrorWithFullPath)
{
    TestFolder folder;
    const QString target = folder.path(QStringLiteral("missing/a.ini"));
    try {
        writeFileAtomically(target, "x");
        FAIL() << "no error";
    } catch (const FileCreateError &error) {
        EXPECT_TRUE(error.message().startsWith(QStringLiteral("Datei \"") + target + QStringLiteral("\" kann nicht erstellt werden. ")))
            << error.message().toStdString();
    }
}

TEST(FileIo, AFolderInThePlaceOfTheFileIsLeftAsItWas)
{
    TestFolder folder;
    QDir().mkpath(folder.path(QStringLiteral("a.ini")));
    EXPECT_THROW(writeFileAtomically(folder.path(QStringLiteral("a.ini")), "x"), FileCreateError);
    EXPECT_TRUE(QFileInfo(folder.path(QStringLiteral("a.ini"))).isDir());
}

QByteArray readAll(int fd)
{
    QByteArray bytes;
    char chunk[256];
    for (ssize_t got; (got = ::read(fd, chunk, sizeof chunk)) > 0;)
        bytes.append(chunk, got);
    ::close(fd);
    return bytes;
}

mode_t nodeType(const QByteArray &path)
{
    struct stat node {};
    return ::lstat(path.constData(), &node) == 0 ? node.st_mode & S_IFMT : 0;
}

// A FIFO, and a pipe named as /dev/stdout names one: the reader gets the
// bytes and the node stays what it was.
TEST(FileIo, AFifoAndAPipeAreWrittenIntoNotReplaced)
{
    TestFolder folder;
    const QByteArray fifo = QFile::encodeName(folder.path(QStringLiteral("fifo.h")));
    const QByteArray pipe = QFile::encodeName(folder.path(QStringLiteral("pipe.h")));
    ASSERT_EQ(::mkfifo(fifo.constData(), 0600), 0);
    // Opened before the writer without waiting for one; unwritten, it reads as empty.
    const int fifoReader = ::open(fifo.constData(), O_RDONLY | O_NONBLOCK);
    int pipeEnds[2];
    ASSERT_EQ(::pipe(pipeEnds), 0);
    const QByteArray writeEnd = "/proc/self/fd/" + QByteArray::number(pipeEnds[1]);
    ASSERT_EQ(::symlink(writeEnd.constData(), pipe.constData()), 0);

    for (const QByteArray &node : {fifo, pipe})
        writeFileAtomically(QFile::decodeName(node), "#define bfRead 0x00000001u\r\n");
    ::close(pipeEnds[1]);
    EXPECT_EQ(readAll(fifoReader), QByteArray("#define bfRead 0x00000001u\r\n"));
    EXPECT_EQ(readAll(pipeEnds[0]), QByteArray("#define bfRead 0x00000001u\r\n"));
    EXPECT_EQ(nodeType(fifo), mode_t(S_IFIFO));
    EXPECT_EQ(nodeType(pipe), mode_t(S_IFLNK));
}

TEST(FileIo, AFifoNobodyReadsFromIsAnErrorNotAWait)
{
    TestFolder folder;
    const QString fifo = folder.path(QStringLiteral("fifo.h"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    try {
        writeFileAtomically(fifo, "x");
        FAIL() << "no error";
    } catch (const FileCreateError &error) {
        EXPECT_TRUE(error.message().endsWith(QStringLiteral("Es ist kein Prozess am anderen Ende der Pipe vorhanden")))
            << error.message().toStdString();
    }
}

TEST(FileIo, ReadingAMissingFileGivesTheOpenError)
{
    TestFolder folder;
    EXPECT_THROW(readWholeFile(folder.path(QStringLiteral("none.ini"))), FileOpenError);
    folder.write(QStringLiteral("b.ini"), "bytes\r\n");
    EXPECT_EQ(readWholeFile(folder.path(QStringLiteral("b.ini"))), QByteArray("bytes\r\n"));
}

TEST(FileIo, AReadThatFailsHalfWayIsAnOpenErrorNotAShortText)
{
    // The kernel lets this file open but refuses to read its first page.
    EXPECT_THROW(readWholeFile(QStringLiteral("/proc/self/mem")), FileOpenError);
}

} // namespace
