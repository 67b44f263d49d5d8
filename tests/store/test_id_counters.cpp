// Identifier counters: where they start, what a zero counter gives, and two processes drawing at once.
#include "store/id_counters.h"
#include "store/settings.h"
#include "store/sql/database.h"
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
    IdCounters ids(settings, db.lock());

    EXPECT_EQ(ids.PeekId("NRCHIT"), "1");
    EXPECT_FALSE(QFile::exists(settings.settingsFile())) << "peeking writes nothing";
    EXPECT_EQ(ids.NextId("IDCON"), "1");
    EXPECT_EQ(settings.ReadSetting("INDEX", "IDCON"), "2");
    EXPECT_EQ(ids.NextId("IDCON"), "2");

    for (const char* stored : {"0", "-4", "abc", ""}) {
        settings.WriteSetting("INDEX", "IDRATA", stored);
        EXPECT_EQ(ids.NextId("IDRATA"), "1") << stored;
        EXPECT_EQ(settings.ReadSetting("INDEX", "IDRATA"), "2") << stored;
    }
    ids.SetId("NRCHIT", "58");
    EXPECT_EQ(ids.PeekId("NRCHIT"), "58");
    ids.EnsureAbove("NRCHIT", 60);
    EXPECT_EQ(ids.NextId("NRCHIT"), "61");
    ids.EnsureAbove("NRCHIT", 10);
    EXPECT_EQ(ids.PeekId("NRCHIT"), "62");
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
