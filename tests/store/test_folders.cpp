// Folders and the shared file operations: numbered temporary names, the private working folder,
// carried files.
#include "store/clock.h"
#include "store/folders.h"
#include "store/store_error.h"
#include "store/temp_file_name.h"
#include "support/temp_folder.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace velmar {
namespace {

class SystemFolder : public ::testing::Test {
protected:
    void SetUp() override
    {
        qputenv("VELMAR_HOME", home_.path().toUtf8());
        qputenv("VELMAR_SYSTEM_DIR", home_.file("sys").toUtf8());
    }
    void TearDown() override
    {
        qunsetenv("VELMAR_HOME");
        qunsetenv("VELMAR_SYSTEM_DIR");
        qunsetenv("VELMAR_TODAY");
    }
    test::TempFolder home_;
};

TEST_F(SystemFolder, FoldersFollowTheEnvironment)
{
    EXPECT_EQ(programFolder(), home_.path());
    EXPECT_EQ(localDataFolder(), home_.file("Data"));
    EXPECT_EQ(tempFolder(), home_.file("sys/TEMP"));
    qputenv("VELMAR_TODAY", "29.02.2028");
    EXPECT_EQ(today(), QDate(2028, 2, 29));
    qputenv("VELMAR_TODAY", "31.02.2028");  // not a date: the system's date stands
    EXPECT_EQ(today(), QDate::currentDate());
}

TEST_F(SystemFolder, TempFileNameSkipsNamesThatCannotBeFreed)
{
    QDir temp(tempFolder());
    ASSERT_TRUE(temp.mkpath("Datorii0.dbf"));  // a folder of that name cannot be removed as a file
    test::writeBytes(temp.filePath("Datorii1.dbf"), "old");
    EXPECT_EQ(TempFileName("Datorii", ".dbf").path(), temp.filePath("Datorii1.dbf"));
    EXPECT_FALSE(QFile::exists(temp.filePath("Datorii1.dbf")));
    EXPECT_EQ(TempFileName("Rap", ".xls").path(), temp.filePath("Rap0.xls"));
}

TEST_F(SystemFolder, TempFileNameNeverTakesAFileAnotherUserHolds)
{
    QDir temp(tempFolder());
    TempFile first = TempFileName("FisCal", ".dbf");
    ASSERT_EQ(first.path(), temp.filePath("FisCal0.dbf"));
    test::writeBytes(first.path(), "the first run's work table");

    // Deleting the first run's file would succeed on this system: the hold is what keeps it.
    const TempFile second = TempFileName("FisCal", ".dbf");
    EXPECT_EQ(second.path(), temp.filePath("FisCal1.dbf"));
    EXPECT_EQ(test::readBytes(first.path()), QByteArray("the first run's work table"));

    first = TempFile();
    EXPECT_EQ(TempFileName("FisCal", ".dbf").path(), temp.filePath("FisCal0.dbf")) << "a released name is free again";
    EXPECT_FALSE(QFile::exists(temp.filePath("FisCal0.dbf")));
}

TEST_F(SystemFolder, PrivateTempDirTakesTheFirstFolderItCanEmpty)
{
    QDir temp(tempFolder());
    ASSERT_TRUE(temp.mkpath("GMT0/inner"));
    test::writeBytes(temp.filePath("GMT0/inner/file"), "x");
    EXPECT_EQ(PrivateTempDir(), temp.filePath("GMT0"));
    EXPECT_TRUE(QDir(temp.filePath("GMT0")).isEmpty());
    EXPECT_TRUE(DelDir(temp.filePath("GMT0")));
    EXPECT_FALSE(temp.exists("GMT0"));
    EXPECT_TRUE(DelDir(temp.filePath("never-there")));
}

TEST_F(SystemFolder, CarriedFilesAreWrittenByteForByte)
{
    const QString target = home_.file("carried.txt");
    test::writeBytes(target, "an older, longer file that must be replaced entirely");
    ResourceToFile(":/test/carried_sample.txt", target);
    EXPECT_EQ(test::readBytes(target), QByteArray("Model de test \xc8\x98\n"));
    EXPECT_THROW(ResourceToFile(":/test/none.txt", target), StoreError);
}

}  // namespace
}  // namespace velmar
