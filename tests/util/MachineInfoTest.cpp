#include "util/MachineInfo.h"

#include "support/TestFiles.h"

#include <QDateTime>
#include <QFile>
#include <QProcess>
#include <QSysInfo>
#include <gtest/gtest.h>
#include <ostream>

using namespace Qt::StringLiterals;

namespace {

TEST(ComputerName, IsTheHostNameCutTo15Characters)
{
    const QString name = ComputerName();
    EXPECT_LE(name.size(), 15);
    EXPECT_FALSE(name.isEmpty());
    EXPECT_TRUE(QSysInfo::machineHostName().startsWith(name));
}

TEST(UserName, IsTheLoginNameOfTheUserRunningTheProgram)
{
    QProcess id;
    id.start(u"id"_s, {u"-un"_s});
    ASSERT_TRUE(id.waitForFinished());
    EXPECT_EQ(UserName(), QString::fromLocal8Bit(id.readAllStandardOutput()).trimmed());
}

// Sets the file's modification time to the given local time and reads it back.
double fileDateTimeAt(const TestFolder &folder, const QDateTime &localTime)
{
    const QString path = folder.path(u"stamp.txt"_s);
    folder.write(u"stamp.txt"_s, "x");
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadWrite));
    EXPECT_TRUE(file.setFileTime(localTime, QFileDevice::FileModificationTime));
    file.close();
    return FileDateTime(path);
}

struct StampCase
{
    QDateTime localTime;
    double days;
};

void PrintTo(const StampCase &row, std::ostream *out)
{
    *out << row.localTime.toString(Qt::ISODate).toStdString() << " -> " << QString::number(row.days, 'g', 12).toStdString();
}

class FileDateTimeOf : public ::testing::TestWithParam<StampCase>
{
};

TEST_P(FileDateTimeOf, CountsDaysSince30December1899)
{
    TestFolder folder;
    EXPECT_DOUBLE_EQ(fileDateTimeAt(folder, GetParam().localTime), GetParam().days);
}

const StampCase stampRows[] = {
    {QDateTime(QDate(2020, 5, 17), QTime(12, 0)), 43968.5},
    {QDateTime(QDate(2000, 1, 1), QTime(6, 0)), 36526.25},
    {QDateTime(QDate(1980, 1, 1), QTime(0, 0, 2)), 29221 + 2.0 / 86400},
    {QDateTime(QDate(2043, 12, 31), QTime(18, 0)), 52596.75},
    // Outside the years of the packed file date form.
    {QDateTime(QDate(1979, 12, 31), QTime(23, 59, 58)), 0},
    {QDateTime(QDate(2044, 1, 1), QTime(0, 0)), 0},
};

INSTANTIATE_TEST_SUITE_P(MachineInfo, FileDateTimeOf, ::testing::ValuesIn(stampRows));

TEST(FileDateTime, IsZeroForAFolderAndForAMissingFile)
{
    TestFolder folder;
    EXPECT_EQ(FileDateTime(folder.path(QString())), 0);
    EXPECT_EQ(FileDateTime(folder.path(u"missing.txt"_s)), 0);
    EXPECT_EQ(FileDateTime(QString()), 0);
}

} // namespace
