// Start-up maintenance of a local data folder: a new folder gets its seven tables and seed rows, an old
// folder is upgraded without losing a row, compaction runs once a week, the log is trimmed.
#include "app/app_context.h"
#include "debt/rate_seeds.h"
#include "session/local_maintenance.h"
#include "store/action_log.h"
#include "store/dates.h"
#include "store/dbf/dbf_table.h"
#include "store/id_counters.h"
#include "store/settings.h"
#include "store/sql/csv_format.h"
#include "store/sql/database.h"
#include "store/sql/transaction.h"
#include "store/table_schema.h"
#include "support/python_check.h"
#include "support/temp_folder.h"

#include <QDir>
#include <gtest/gtest.h>

namespace velmar {
namespace {

using test::TempFolder;

class LocalFolder : public ::testing::Test {
protected:
    void SetUp() override
    {
        qputenv("VELMAR_HOME", home_.path().toUtf8());
        qputenv("VELMAR_SYSTEM_DIR", home_.file("system").toUtf8());
        qputenv("VELMAR_TODAY", "10.12.2026");
    }
    void TearDown() override
    {
        qunsetenv("VELMAR_HOME");
        qunsetenv("VELMAR_SYSTEM_DIR");
        qunsetenv("VELMAR_TODAY");
    }
    QString data(const QString& name = {}) const { return QDir(home_.file("Data")).filePath(name); }

    TempFolder home_;
};

QString csv(Database& db, const QString& sql) { return toCsv(db.select(sql)); }

TEST_F(LocalFolder, AnEmptyFolderGetsTheSevenTablesTheSeedRowsAndTheCounters)
{
    auto app = AppContext::openLocal();
    const MaintenanceReport report = RunLocalMaintenance(*app, [] {});
    EXPECT_EQ(report.created, (QStringList{"Log", "Contract", "Rate", "Chitante", "PenalIst", "Inflatie", "UndoRate"}));

    // Every column as described, read by an independent reader.
    QString expected;
    for (const TableDef& def : permanentTables()) {
        expected += def.name + QLatin1Char(':');
        for (const DbfField& f : def.fields)
            expected += QStringLiteral(" %1 %2 %3 %4")
                            .arg(f.name.toUpper(), QChar::fromLatin1(f.type))
                            .arg(f.length)
                            .arg(f.decimals);
        expected += QLatin1Char('\n');
    }
    const auto run = test::runPython(QStringLiteral(R"(
import sys, os, dbfread
for name in sys.argv[2:]:
    t = dbfread.DBF(os.path.join(sys.argv[1], name + '.dbf'))
    print(name + ':' + ''.join(' %s %s %d %d' % (f.name, f.type, f.length, f.decimal_count) for f in t.fields))
)"),
                                     QStringList{data()} + report.created);
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, expected);

    Database& db = app->db();
    EXPECT_EQ(csv(db, "SELECT IDP, DATASTAB, PEZI, PELUNA FROM PenalIst ORDER BY IDP"),
              "IDP,DATASTAB,PEZI,PELUNA\n1,36287,0.3,0\n2,36739,0.15,0\n3,37193,0.1,0\n4,37500,0.07,0\n5,37622,0.06,0\n"
              "6,38596,0.05,0\n7,38718,0.1,2\n8,40360,0,2\n9,42005,0,1\n");
    const QueryResult inflation = db.select("SELECT IDINF, DATASTAB, VALOARE FROM Inflatie ORDER BY IDINF");
    ASSERT_EQ(inflation.rows.size(), 33u);
    EXPECT_EQ(inflation.rows.front(), (QVariantList{1LL, qint64(dayNumber(QDate(1989, 1, 1))), 2.2}));
    EXPECT_EQ(inflation.rows[27], (QVariantList{28LL, qint64(dayNumber(QDate(2016, 1, 1))), -0.6}));
    EXPECT_EQ(inflation.rows.back(), (QVariantList{33LL, qint64(dayNumber(QDate(2021, 1, 1))), 2.6}));
    for (const char* table : {"Contract", "Rate", "Chitante", "UndoRate", "Log"})
        EXPECT_EQ(db.rowCount(table), 0) << table;
    EXPECT_EQ(app->settings().ReadNumberSetting("INDEX", "IDP"), 10 * 10000);
    EXPECT_EQ(app->settings().ReadNumberSetting("INDEX", "IDINF"), 34 * 10000);

    // The seed dates are the days they stand for.
    EXPECT_EQ(DayToText(penaltyRateSeeds().front().day), QStringLiteral("07.05.1999"));
    EXPECT_EQ(DayToText(penaltyRateSeeds().back().day), QStringLiteral("01.01.2015"));

    // A second start creates nothing and seeds nothing again.
    const MaintenanceReport again = RunLocalMaintenance(*app, [] {});
    EXPECT_TRUE(again.created.isEmpty());
    EXPECT_EQ(db.rowCount("PenalIst"), 9);
}

TEST_F(LocalFolder, OnlyMissingTablesAreCreatedAndExistingRateTablesAreNotReseeded)
{
    {
        auto app = AppContext::openLocal();
        RunLocalMaintenance(*app, [] {});
        app->db().execute("DELETE FROM PenalIst WHERE IDP > 2");
    }
    QFile::remove(data("Log.dbf"));
    auto app = AppContext::openLocal();
    EXPECT_EQ(RunLocalMaintenance(*app, [] {}).created, QStringList{"Log"});
    EXPECT_EQ(app->db().rowCount("PenalIst"), 2);
}

// An old Windows folder: upper-case names, a Contract without StopPen, the older 32-row inflation
// list with a row the user added, and a counter that lags behind the rows.
void makeOldFolder(const QString& folder)
{
    QDir().mkpath(folder);
    auto create = [&folder](const QString& file, std::vector<DbfField> fields) {
        return DbfTable::create(QDir(folder).filePath(file), std::move(fields), 0xC8);
    };
    std::vector<DbfField> oldContract = permanentTable(u"Contract").fields;
    std::erase_if(oldContract, [](const DbfField& f) { return f.name == u"StopPen"; });
    DbfTable contract = create("CONTRACT.DBF", oldContract);
    for (int id : {1, 2, 3}) {
        const size_t row = contract.appendRow();
        contract.set(row, 0, std::int64_t(id));
        contract.set(row, contract.header().fieldIndex(u"NUME"), std::string("Şerban ") + std::to_string(id));
    }
    contract.save(QDate(2010, 1, 1));
    for (const char* name : {"Rate", "Chitante", "UndoRate", "Log"})
        create(QString::fromLatin1(name).toUpper() + ".DBF", permanentTable(QString::fromLatin1(name)).fields)
            .save(QDate(2010, 1, 1));

    DbfTable inflation = create("INFLATIE.DBF", permanentTable(u"Inflatie").fields);
    const auto& seeds = inflationRateSeeds();
    for (size_t i = 0; i + 2 < seeds.size(); ++i) {  // 1988..2018: 31 seed rows
        const size_t row = inflation.appendRow();
        inflation.set(row, 0, std::int64_t(i + 1));
        inflation.set(row, 1, seeds[i].day);
        inflation.set(row, 2, seeds[i].value);
    }
    const size_t mine = inflation.appendRow();  // the user's own, dated mid-year
    inflation.set(mine, 0, std::int64_t(40));
    inflation.set(mine, 1, std::int64_t(dayNumber(QDate(2019, 7, 1))));
    inflation.set(mine, 2, 1.25);
    inflation.save(QDate(2010, 1, 1));

    DbfTable penalties = create("PENALIST.DBF", permanentTable(u"PenalIst").fields);
    const size_t p = penalties.appendRow();
    penalties.set(p, 0, std::int64_t(1));
    penalties.set(p, 1, std::int64_t(penaltyRateSeeds().front().day));
    penalties.set(p, 2, 0.5);  // the user changed the seed's rate: it stays
    penalties.save(QDate(2010, 1, 1));

    Settings(folder, folder).WriteNumberSetting("INDEX", "IDINF", 33);
}

TEST_F(LocalFolder, AnOldFolderIsUpgradedWithoutLosingAContractOrAUserRow)
{
    makeOldFolder(data());
    auto app = AppContext::openLocal();
    const MaintenanceReport report = RunLocalMaintenance(*app, [] {});
    Database& db = app->db();

    EXPECT_TRUE(report.created.isEmpty());
    EXPECT_TRUE(report.upgrade.stopPenAdded);
    EXPECT_EQ(report.upgrade.stopPenFilled, 3);
    EXPECT_EQ(csv(db, "SELECT IDCON, NUME, StopPen FROM Contract ORDER BY IDCON"),
              "IDCON,NUME,STOPPEN\n1,Şerban 1,99999\n2,Şerban 2,99999\n3,Şerban 3,99999\n");
    EXPECT_TRUE(QFile::exists(data("CONTRACT.DBF")));

    // 31 seed rows + the user's row + the two missing seed years; the user's row keeps its identifier,
    // and the new rows get identifiers above every one in the table.
    EXPECT_EQ(db.rowCount("Inflatie"), 34);
    EXPECT_EQ(csv(db, "SELECT IDINF, VALOARE FROM Inflatie WHERE IDINF >= 40 ORDER BY IDINF"),
              "IDINF,VALOARE\n40,1.25\n41,3.8\n42,2.6\n");
    EXPECT_EQ(db.rowCount("PenalIst"), 9);
    EXPECT_EQ(csv(db, "SELECT PEZI FROM PenalIst WHERE DATASTAB = 36287"), "PEZI\n0.5\n");
    EXPECT_EQ(report.upgrade.rateRowsAdded, 2 + 8);

    // Upgraded once: the next start finds nothing to do.
    const MaintenanceReport again = RunLocalMaintenance(*app, [] {});
    EXPECT_FALSE(again.upgrade.stopPenAdded);
    EXPECT_EQ(again.upgrade.rateRowsAdded, 0);
    EXPECT_EQ(again.upgrade.stopPenFilled, 0);
}

TEST_F(LocalFolder, RatesTheUpgradeAddsReindexEveryContract)
{
    makeOldFolder(data());
    {
        Database old(data());
        std::vector<QVariantList> installments;
        for (int year : {2020, 2021, 2022})
            installments.push_back({year - 2019, qint64(dayNumber(QDate(year, 6, 1)))});
        old.executeBatch("INSERT INTO Rate (IDCON, IDRATA, DATARATA, RATAINI, RATACALC) VALUES (1, ?, ?, 1000, 1000)",
                         installments);
    }
    auto app = AppContext::openLocal();
    RunLocalMaintenance(*app, [] {});
    // The 2021 rate (2.6) lies between the first two due dates; the 2020 one before them all.
    EXPECT_EQ(csv(app->db(), "SELECT RATACALC FROM Rate ORDER BY DATARATA"), "RATACALC\n1000\n1026\n1026\n");
}

TEST_F(LocalFolder, ASeedInflationRateIsAddedOnlyForAYearTheTableHoldsNoRateOf)
{
    makeOldFolder(data());
    {
        Database old(data());
        old.execute("DELETE FROM Inflatie WHERE IDINF = 40");  // 31 seed rows are left
        old.execute("INSERT INTO Inflatie (IDINF, DATASTAB, VALOARE) VALUES (41, ?, 3.9)",
                    {qint64(dayNumber(QDate(2020, 2, 1)))});  // 2020's rate, keyed in February
    }
    auto app = AppContext::openLocal();
    EXPECT_EQ(RunLocalMaintenance(*app, [] {}).upgrade.rateRowsAdded, 1 + 8);
    EXPECT_EQ(csv(app->db(), "SELECT VALOARE FROM Inflatie WHERE DATASTAB >= 43831 ORDER BY DATASTAB"),
              "VALOARE\n3.9\n2.6\n");  // from 01.01.2020: the office's 2020 rate and the 2021 seed
}

TEST_F(LocalFolder, CompactionRunsOncePerWeekStartingOnSaturdays)
{
    auto app = AppContext::openLocal();
    RunLocalMaintenance(*app, [] {});
    Database& db = app->db();
    db.execute("INSERT INTO Rate (IDCON, IDRATA) VALUES (1, 1)");
    db.execute("INSERT INTO Rate (IDCON, IDRATA) VALUES (1, 2)");
    db.execute("DELETE FROM Rate WHERE IDRATA = 1");

    struct Case {
        QDate day;
        bool compacts;
    };
    // 10.12.2026 is a Thursday; that week was compacted by the first start above.
    const std::vector<Case> cases{{QDate(2026, 12, 10), false},
                                  {QDate(2026, 12, 11), false},
                                  {QDate(2026, 12, 12), true},
                                  {QDate(2026, 12, 18), false},
                                  {QDate(2026, 12, 19), true}};
    for (const Case& c : cases) {
        int steps = 0;
        EXPECT_EQ(CompactTables(db, app->settings(), c.day, [&steps] { ++steps; }), c.compacts)
            << c.day.toString().toStdString();
        EXPECT_EQ(steps, c.compacts ? 4 : 0);
        if (c.compacts) {
            EXPECT_EQ(DbfTable::load(data("Rate.dbf")).rowCount(), 1u);
            EXPECT_EQ(app->settings().ReadNumberSetting("CONST", "LASTPACK"), dayNumber(c.day) / 7 * 10000);
        }
    }
}

TEST_F(LocalFolder, TheLogKeepsItsNewestThousandEntries)
{
    auto app = AppContext::openLocal();
    RunLocalMaintenance(*app, [] {});
    Database& db = app->db();
    struct Case {
        int rows;
        qint64 lastId;
        qint64 removed;
    };
    for (const Case c : {Case{999, 2500, 0}, Case{1000, 1000, 0}, Case{2500, 2500, 1499}}) {
        db.execute("DELETE FROM Log");
        {
            Transaction t(db);
            for (int i = c.rows; i >= 1; --i)  // newest last in the file, as the log is written
                db.execute("INSERT INTO Log (IDLOG, ACTIUNE) VALUES (?, 'x')", {c.lastId - i + 1});
            t.commit();
        }
        EXPECT_EQ(TrimLog(db), c.removed) << c.rows;
        EXPECT_EQ(db.rowCount("Log"), c.rows - c.removed) << c.rows;
    }
    EXPECT_EQ(csv(db, "SELECT MIN(IDLOG) AS A FROM Log"), "A\n1500\n");
    EXPECT_EQ(DbfTable::load(data("Log.dbf")).rowCount(), 1001u) << "trimmed entries leave the file";
}

TEST_F(LocalFolder, LogEntriesCarryDateTimeActionAndTheUserTextCutToItsColumn)
{
    auto app = AppContext::openLocal();
    RunLocalMaintenance(*app, [] {});
    WriteLog(app->db(), app->ids(), "STATIA-CONTABIL7 - maria.popescu", "Pornire Contracte Dorvan");
    WriteLog(app->db(), app->ids(), "PC - ion", "Inchidere Contracte Dorvan");
    const auto entries = ReadLog(app->db());
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].id, 1);
    EXPECT_EQ(entries[0].date, QDate(2026, 12, 10));
    EXPECT_EQ(entries[0].time.size(), 8);
    EXPECT_EQ(entries[0].action, "Pornire Contracte Dorvan");
    EXPECT_EQ(entries[0].user, "STATIA-CONTABIL7");
    EXPECT_EQ(entries[1].id, 2);
    EXPECT_TRUE(logUserText().contains(" - "));
}

}  // namespace
}  // namespace velmar
