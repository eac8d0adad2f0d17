#include "platform/Errors.h"
#include "platform/FileIo.h"
#include "support/FileSizeLimit.h"
#include "support/WriteProtection.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <fcntl.h>
#include <functional>
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

// A node in a temporary folder that is no regular file, and what its reader
// receives once the bytes are written into it.
struct SpecialTarget
{
    const char *what;
    std::function<std::function<QByteArray()>(const QString &path)> make; // gives the reader
};

void PrintTo(const SpecialTarget &c, std::ostream *out)
{
    *out << c.what;
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

class SpecialFiles : public ::testing::TestWithParam<SpecialTarget>
{
};

TEST_P(SpecialFiles, AreWrittenIntoNotReplaced)
{
    TestFolder folder;
    const QString target = folder.path(QStringLiteral("out.h"));
    const std::function<QByteArray()> received = GetParam().make(target);
    struct stat before {};
    ASSERT_EQ(::lstat(QFile::encodeName(target).constData(), &before), 0);

    writeFileAtomically(target, "#define bfRead 0x00000001u\r\n");
    EXPECT_EQ(received(), QByteArray("#define bfRead 0x00000001u\r\n"));
    struct stat after {};
    ASSERT_EQ(::lstat(QFile::encodeName(target).constData(), &after), 0);
    EXPECT_EQ(after.st_ino, before.st_ino);
    EXPECT_EQ(after.st_mode, before.st_mode);
}

INSTANTIATE_TEST_SUITE_P(
    Table, SpecialFiles,
    ::testing::Values(
        SpecialTarget{"a FIFO", [](const QString &path) {
                          EXPECT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
                          // Opened before the writer, without waiting for one:
                          // a FIFO that nobody opens reads as empty.
                          const int reader = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK);
                          return [reader] { return readAll(reader); };
                      }},
        // As /dev/stdout names the pipe a build reads from.
        SpecialTarget{"a pipe", [](const QString &path) {
                          int ends[2];
                          EXPECT_EQ(::pipe(ends), 0);
                          const QByteArray writeEnd = "/proc/self/fd/" + QByteArray::number(ends[1]);
                          EXPECT_EQ(::symlink(writeEnd.constData(), QFile::encodeName(path).constData()), 0);
                          return [ends] {
                              ::close(ends[1]);
                              return readAll(ends[0]);
                          };
                      }}));

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
