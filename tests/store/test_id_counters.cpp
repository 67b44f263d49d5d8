// Identifier counters: where they start, what a zero counter gives, and two processes drawing at once.
#include "store/id_counters.h"
#include "store/settings.h"
#include "store/sql/database.h"
#include "store/table_schema.h"
#include "support/temp_folder.h"

#include <QProcess>
#include <gtest/gtest.h>
#include <set>

namespace velmar {
namespace {

TEST(IdCounters, StartAtOneAndAdvanceByOne)
{
    test::TempFolder dir;
    Database db(dir.path());
    Settings settings(dir.path(), dir.path());
    IdCounters ids(settings, db);

    EXPECT_EQ(ids.PeekId("NRCHIT"), 1);
    EXPECT_FALSE(QFile::exists(settings.settingsFile())) << "peeking writes nothing";
    EXPECT_EQ(ids.NextId("IDCON"), 1);
    EXPECT_EQ(settings.ReadSetting("INDEX", "IDCON"), "2");
    EXPECT_EQ(ids.NextId("IDCON"), 2);

    for (const char* stored : {"0", "-4", "abc", ""}) {
        settings.WriteSetting("INDEX", "IDRATA", stored);
        EXPECT_EQ(ids.NextId("IDRATA"), 1) << stored;
        EXPECT_EQ(settings.ReadSetting("INDEX", "IDRATA"), "2") << stored;
    }
    ids.SetId("NRCHIT", 58);
    EXPECT_EQ(ids.PeekId("NRCHIT"), 58);
    ids.EnsureAbove("NRCHIT", 60);
    EXPECT_EQ(ids.NextId("NRCHIT"), 61);
    ids.EnsureAbove("NRCHIT", 10);
    EXPECT_EQ(ids.PeekId("NRCHIT"), 62);
}

// A folder whose VLMR.set lost its INDEX section (or kept an old one) beside tables full of identifiers.
class CountersBehindTables : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const char* table : {"Contract", "Chitante"})
            db_.createTable(table, permanentTable(QString::fromLatin1(table)).fields);
        for (int id : {1, 2, 5})
            db_.execute("INSERT INTO Contract (IDCON) VALUES (?)", {id});
        for (int id = 1; id <= 40; ++id)
            db_.execute("INSERT INTO Chitante (IDCHIT, IDCON) VALUES (?, 1)", {id});
    }
    test::TempFolder dir_;
    Database db_{dir_.path()};
    Settings settings_{dir_.path(), dir_.path()};
    IdCounters ids_{settings_, db_};
};

TEST_F(CountersBehindTables, NextIdNeverHandsOutAnIdentifierItsTableHolds)
{
    EXPECT_EQ(ids_.NextId("IDCHIT"), 41) << "a missing counter starts past the table's highest";
    EXPECT_EQ(ids_.NextId("IDCHIT"), 42);

    settings_.WriteSetting("INDEX", "IDCON", "2");
    std::set<qint64> drawn;
    for (int i = 0; i < 4; ++i)
        drawn.insert(ids_.NextId("IDCON"));
    for (const qint64 used : {1, 2, 5})
        EXPECT_EQ(drawn.count(used), 0u) << used;
    EXPECT_EQ(drawn.size(), 4u);

    EXPECT_EQ(ids_.NextId("IDRATA"), 1) << "a counter whose table is missing starts at 1";
    ids_.SetId("NRCHIT", 3);
    EXPECT_EQ(ids_.NextId("NRCHIT"), 3) << "the receipt number is the user's to move";
}

TEST_F(CountersBehindTables, CatchingUpRaisesOnlyTheCountersThatLag)
{
    settings_.WriteSetting("INDEX", "IDCON", "90");
    ids_.CatchUpWithTables();
    EXPECT_EQ(ids_.PeekId("IDCHIT"), 41);
    EXPECT_EQ(ids_.PeekId("IDCON"), 90);
    EXPECT_EQ(ids_.PeekId("IDLOG"), 1);
}

TEST(IdCounters, TwoProcessesDrawingAtOnceNeverGetTheSameIdentifier)
{
    test::TempFolder dir;
    QProcess a;
    QProcess b;
    for (QProcess* p : {&a, &b})
        p->start(test::testBinary("store_worker"), {"ids", dir.path(), "500"});
    std::set<QString> seen;
    for (QProcess* p : {&a, &b}) {
        ASSERT_TRUE(p->waitForFinished(120000));
        ASSERT_EQ(p->exitCode(), 0) << p->readAllStandardError().toStdString();
        for (const QByteArray& line : p->readAllStandardOutput().split('\n'))
            if (!line.isEmpty())
                EXPECT_TRUE(seen.insert(QString::fromLatin1(line)).second) << "drawn twice: " << line.toStdString();
    }
    EXPECT_EQ(seen.size(), 1000u);
    EXPECT_EQ(Settings(dir.path(), dir.path()).ReadSetting("INDEX", "IDCON"), "1001");
}

}  // namespace
}  // namespace velmar
