// The settings files: number text and its four-decimal reading (ties judged on the decimal text),
// which file and folder each kind of setting lands in, case-blind file names, and no caching.
#include "store/settings.h"
#include "store/settings_number.h"
#include "store/store_error.h"
#include "support/temp_folder.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace velmar {
namespace {

using test::readBytes;
using test::TempFolder;
using test::writeBytes;

QStringList filesIn(const QString& folder) { return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot); }

TEST(SettingsNumber, TextIsShortestWithPoint)
{
    const struct {
        double value;
        const char* text;
    } cases[] = {
        {5, "5"},
        {1.0006, "1.0006"},
        {6623, "6623"},
        {0, "0"},
        {-2.5, "-2.5"},
        {0.1 + 0.2, "0.30000000000000004"},
        {1e20, "100000000000000000000"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(numberText(c.value).toStdString(), c.text) << c.value;
}

TEST(SettingsNumber, ValueIsTenThousandTimesRoundedHalfToEven)
{
    constexpr qint64 kMax = std::numeric_limits<qint64>::max();
    const struct {
        const char* text;
        qint64 expected;
    } cases[] = {
        {"1.0006", 10006},
        {"5", 50000},
        {" 5 ", 50000},
        {"\t-1.5 ", -15000},
        {"+2", 20000},
        {".5", 5000},
        {"5.", 50000},
        {"6623", 66230000},
        {"0000000000000000000000001", 10000},
        {"1e3", 10000000},
        {"1E-4", 1},
        {"2.5e+1", 250000},
        // Ties go to the even neighbour, both ways; binary doubles would misjudge some of these.
        {"0.00005", 0},
        {"0.00015", 2},
        {"0.00025", 2},
        {"1.00015", 10002},
        {"1.00025", 10002},
        {"-0.00015", -2},
        {"-0.00005", 0},
        {"2.5e-4", 2},
        {"3.5E-4", 4},
        // Only an exact tie goes to even; anything past it rounds up, anything short of it down.
        {"1.000250001", 10003},
        {"0.000049999", 0},
        {"0.00006", 1},
        {"0.0000500000000000000000001", 1},
        {"922337203685477.5807", kMax},
        {"922337203685477.58069", kMax},
        // Not a number, or a number four decimals cannot hold: 0.
        {"", 0},
        {"   ", 0},
        {"abc", 0},
        {"12abc", 0},
        {"1,5", 0},
        {"1.2.3", 0},
        {".", 0},
        {"-", 0},
        {"+-1", 0},
        {"1e", 0},
        {"e5", 0},
        {"nan", 0},
        {"inf", 0},
        {"1 000", 0},
        {"922337203685477.5808", 0},
        {"922337203685477.58075", 0},
        {"1e30", 0},
        {"1e99999999999999999999", 0},
        {"1e-99999999999999999999", 0},
        {"0e99999999999999999999", 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(numberValue(QString::fromLatin1(c.text)), c.expected) << '"' << c.text << '"';
}

class SettingsTest : public ::testing::Test {
protected:
    TempFolder data;
    TempFolder system;
    Settings settings{data.path(), system.path()};
};

TEST_F(SettingsTest, NumbersRoundTripThroughTheFile)
{
    const struct {
        double value;
        const char* text;
        qint64 read;
    } cases[] = {
        {5, "5", 50000},
        {1.0006, "1.0006", 10006},
        {6623, "6623", 66230000},
        {-7.25, "-7.25", -72500},
        {0.1 + 0.2, "0.30000000000000004", 3000},
        {0.00005, "0.00005", 0},
        {0.00015, "0.00015", 2},
    };
    for (const auto& c : cases) {
        settings.WriteNumberSetting(QStringLiteral("CONST"), QStringLiteral("X"), c.value);
        EXPECT_EQ(readBytes(data.file(QStringLiteral("VLMR.set"))).toStdString(),
                  std::string("[CONST]\r\nX=") + c.text + "\r\n");
        EXPECT_EQ(settings.ReadNumberSetting(QStringLiteral("const"), QStringLiteral("x")), c.read) << c.text;
    }
}

TEST_F(SettingsTest, EachKindOfSettingInItsOwnFileAndFolder)
{
    settings.WriteSetting(QStringLiteral("INIT"), QStringLiteral("WIN"), QStringLiteral(" a b "));
    settings.WriteMachineSetting(QStringLiteral("SERVER"), QStringLiteral("/srv/date"));
    settings.WriteMachineSetting(QStringLiteral("telefon_fax"), QStringLiteral("0722"));

    EXPECT_EQ(settings.settingsFile(), data.file(QStringLiteral("VLMR.set")));
    EXPECT_EQ(settings.machineFile(), system.file(QStringLiteral("GMT.dII")));
    EXPECT_EQ(filesIn(data.path()), QStringList{QStringLiteral("VLMR.set")});
    EXPECT_EQ(filesIn(system.path()), QStringList{QStringLiteral("GMT.dII")});
    EXPECT_EQ(readBytes(settings.settingsFile()).toStdString(), "[INIT]\r\nWIN= a b \r\n");
    EXPECT_EQ(readBytes(settings.machineFile()).toStdString(), "[56]\r\nSERVER=/srv/date\r\ntelefon_fax=0722\r\n");

    EXPECT_EQ(settings.ReadSetting(QStringLiteral("INIT"), QStringLiteral("WIN")), QStringLiteral(" a b "));
    EXPECT_EQ(settings.ReadMachineSetting(QStringLiteral("server")), QStringLiteral("/srv/date"));
    EXPECT_EQ(settings.ReadMachineSetting(QStringLiteral("Telefon_fax")), QStringLiteral("0722"));
    EXPECT_EQ(settings.ReadSetting(QStringLiteral("56"), QStringLiteral("SERVER")), QString());
}

TEST_F(SettingsTest, FilesFromWindowsFoldersAreFoundInAnyLetterCase)
{
    writeBytes(data.file(QStringLiteral("vlmr.SET")), "[const]\ncomuna=X\n");
    writeBytes(system.file(QStringLiteral("gmt.DII")), "[57]\r\nSERVER=other section\r\n[56]\r\nserver=S\r\n");

    EXPECT_EQ(settings.ReadSetting(QStringLiteral("CONST"), QStringLiteral("COMUNA")), QStringLiteral("X"));
    EXPECT_EQ(settings.ReadMachineSetting(QStringLiteral("SERVER")), QStringLiteral("S"));
    settings.WriteSetting(QStringLiteral("CONST"), QStringLiteral("COMUNA"), QStringLiteral("Y"));
    settings.WriteMachineSetting(QStringLiteral("SERVER"), QString());

    EXPECT_EQ(filesIn(data.path()), QStringList{QStringLiteral("vlmr.SET")});
    EXPECT_EQ(filesIn(system.path()), QStringList{QStringLiteral("gmt.DII")});
    EXPECT_EQ(readBytes(data.file(QStringLiteral("vlmr.SET"))).toStdString(), "[const]\ncomuna=Y\n");
    EXPECT_EQ(readBytes(system.file(QStringLiteral("gmt.DII"))).toStdString(),
              "[57]\r\nSERVER=other section\r\n[56]\r\nserver=\r\n");
}

TEST(SettingsFolders, ReadingMissingFilesGivesEmptyAndCreatesNothing)
{
    TempFolder root;
    const QString data = root.file(QStringLiteral("data"));
    const QString system = root.file(QStringLiteral("system"));
    QDir().mkpath(data);
    const Settings settings(data, system);

    EXPECT_EQ(settings.ReadSetting(QStringLiteral("CONST"), QStringLiteral("COMUNA")), QString());
    EXPECT_EQ(settings.ReadNumberSetting(QStringLiteral("CONST"), QStringLiteral("JUDET")), 0);
    EXPECT_EQ(settings.ReadMachineSetting(QStringLiteral("SERVER")), QString());
    EXPECT_TRUE(filesIn(data).isEmpty());
    EXPECT_FALSE(QFileInfo::exists(system));
}

TEST(SettingsFolders, SystemFolderIsCreatedButDataFolderIsNot)
{
    TempFolder root;
    const QString data = root.file(QStringLiteral("absent"));
    const QString system = root.file(QStringLiteral("a/b/system"));
    Settings settings(data, system);

    settings.WriteMachineSetting(QStringLiteral("CALE"), QStringLiteral("/opt/velmar"));
    EXPECT_EQ(readBytes(QDir(system).filePath(QStringLiteral("GMT.dII"))).toStdString(),
              "[56]\r\nCALE=/opt/velmar\r\n");

    try {
        settings.WriteSetting(QStringLiteral("CONST"), QStringLiteral("COMUNA"), QStringLiteral("X"));
        ADD_FAILURE() << "no error";
    } catch (const StoreError& e) {
        EXPECT_TRUE(e.message().contains(QDir::toNativeSeparators(data))) << e.message().toStdString();
    }
    EXPECT_FALSE(QFileInfo::exists(data));
}

TEST_F(SettingsTest, WritesByOthersAreSeenAtTheNextRead)
{
    Settings other(data.path(), system.path());
    settings.WriteNumberSetting(QStringLiteral("INDEX"), QStringLiteral("IDCON"), 5);
    settings.WriteMachineSetting(QStringLiteral("SERVER"), QStringLiteral("A"));
    EXPECT_EQ(other.ReadNumberSetting(QStringLiteral("INDEX"), QStringLiteral("IDCON")), 50000);
    EXPECT_EQ(other.ReadMachineSetting(QStringLiteral("SERVER")), QStringLiteral("A"));

    other.WriteNumberSetting(QStringLiteral("INDEX"), QStringLiteral("IDCON"), 6);
    writeBytes(system.file(QStringLiteral("GMT.dII")), "[56]\r\nSERVER=B\r\n");
    EXPECT_EQ(settings.ReadNumberSetting(QStringLiteral("INDEX"), QStringLiteral("IDCON")), 60000);
    EXPECT_EQ(settings.ReadMachineSetting(QStringLiteral("SERVER")), QStringLiteral("B"));
}

}  // namespace
}  // namespace velmar
