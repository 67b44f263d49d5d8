// Inflation indexation: the factor between two dates, the worked example, the edge cases, a comparison
// with the statement-by-statement procedure on random contracts, and the progress counter's nesting.
#include "debt/indexation.h"
#include "debt/rate_seeds.h"
#include "debt_fixture.h"
#include "store/dates.h"
#include "store/dbf/dbf_table.h"
#include "store/store_error.h"

#include <QRandomGenerator>
#include <gtest/gtest.h>

namespace velmar {
namespace {

using test::DebtFixture;

qint64 day(const char* text) { return dayNumber(*parseDate(QString::fromLatin1(text))); }

TEST(InflationFactor, MultipliesTheRowsDatedFromTheFirstDateUpToButExcludingTheSecond)
{
    RateTables rates;
    rates.setInflationRates(inflationRateSeeds());
    EXPECT_NEAR(rates.InflationFactor(day("15.03.2014"), day("15.03.2017")), 1.011 * 0.994 * 0.985, 1e-15);
    EXPECT_NEAR(rates.InflationFactor(day("15.03.2005"), day("15.03.2006")), 1.09, 1e-15);
    EXPECT_NEAR(rates.InflationFactor(day("01.01.2006"), day("01.01.2007")), 1.09,
                1e-15);  // from-date counts, to-date not
    EXPECT_EQ(rates.InflationFactor(day("15.03.2006"), day("15.03.2005")), 1);
    EXPECT_EQ(rates.InflationFactor(day("15.03.2005"), day("20.06.2005")), 1);
    EXPECT_EQ(rates.InflationFactor(day("01.01.1980"), day("31.12.1988")), 1);  // before the first row
    EXPECT_EQ(rates.InflationFactor(day("02.01.2021"), day("01.01.2030")), 1);  // after the last one
    EXPECT_EQ(RateTables().InflationFactor(day("15.03.2005"), day("15.03.2008")), 1);

    rates.setInflationRates({{day("01.01.2010"), 10}, {day("01.01.2010"), 20}});
    EXPECT_NEAR(rates.InflationFactor(day("01.06.2009"), day("01.06.2010")), 1.1 * 1.2, 1e-15);  // twins both count
}

TEST(ReindexInstallments, FourInstallmentsOfOneThousandDueInMarch2005To2008)
{
    DebtFixture f;
    f.addInstallments(1, {{"15.03.2005", 1000}, {"15.03.2006", 1000}, {"15.03.2007", 1000}, {"15.03.2008", 1000}});
    EXPECT_EQ(ReindexInstallments(f.db(), f.app().rates(), 1, f.counter), 3);
    // 1090 * 1.0656 = 1161.504 -> 1162; 1162 * 1.0484 = 1218.2408 -> 1218.
    EXPECT_EQ(f.indexedAmounts(1), (std::vector<qint64>{1000, 1090, 1162, 1218}));
}

TEST(ReindexInstallments, EdgeCasesOfDueDates)
{
    DebtFixture f;
    struct Case {
        std::vector<std::pair<const char*, qint64>> installments;
        std::vector<qint64> expected;
    };
    const std::vector<Case> cases{
        {{{"15.03.2005", 1000}}, {1000}},                                                        // a single installment
        {{{"15.03.2005", 1000}, {"15.03.2005", 500}, {"15.03.2006", 1000}}, {1000, 500, 1090}},  // same due date
        {{{"15.03.2005", 1000}, {"20.06.2005", 1000}}, {1000, 1000}},                            // no rate in between
        {{{"01.01.2006", 1000}, {"01.01.2007", 1000}, {"01.01.2008", 1000}}, {1000, 1090, 1162}},  // due on rate dates
        {{{"15.03.2016", 1000}, {"15.03.2017", 1000}}, {1000, 985}},                               // negative inflation
        {{{"15.03.2005", 7}, {"15.03.2006", 7}}, {7, 8}},                                          // 7.63 -> 8
    };
    for (size_t i = 0; i < cases.size(); ++i)
        f.addInstallments(qint64(i + 1), cases[i].installments);
    ReindexInstallments(f.db(), f.app().rates(), kAllContracts, f.counter);
    for (size_t i = 0; i < cases.size(); ++i)
        EXPECT_EQ(f.indexedAmounts(qint64(i + 1)), cases[i].expected) << "contract " << i + 1;

    // Twice in a row changes nothing more; an empty inflation table brings everything back to RATAINI.
    EXPECT_EQ(ReindexInstallments(f.db(), f.app().rates(), kAllContracts, f.counter), 0);
    f.db().execute("DELETE FROM Inflatie");
    ReindexInstallments(f.db(), f.app().rates(), kAllContracts, f.counter);
    EXPECT_EQ(f.indexedAmounts(4), (std::vector<qint64>{1000, 1000, 1000}));
}

TEST(ReindexInstallments, OneContractLeavesTheOthersAlone)
{
    DebtFixture f;
    f.addInstallments(1, {{"15.03.2005", 1000}, {"15.03.2006", 1000}});
    f.addInstallments(2, {{"15.03.2005", 1000}, {"15.03.2006", 1000}});
    ReindexInstallments(f.db(), f.app().rates(), 2, f.counter);
    EXPECT_EQ(f.indexedAmounts(1), (std::vector<qint64>{1000, 1000}));
    EXPECT_EQ(f.indexedAmounts(2), (std::vector<qint64>{1000, 1090}));
}

// The procedure statement by statement: reset, then per installment one UPDATE of the contract's later
// installments by the factor written as text.
void reindexStatementByStatement(Database& db, RateTables& rates)
{
    db.execute("UPDATE Rate SET RATACALC = RATAINI");
    rates.LoadInflationRates(db);
    QString lastId;
    qint64 prev = 0;
    for (const QVariantList& row : db.select("SELECT IDCON, DATARATA FROM Rate ORDER BY IDCON, DATARATA").rows) {
        const QString id = row[0].toString();
        const qint64 due = row[1].toLongLong();
        if (id != lastId) {
            lastId = id;
            prev = due;
            continue;
        }
        const QString factor = QString::number(rates.InflationFactor(prev, due), 'g', 15);
        db.execute(
            QStringLiteral("UPDATE Rate SET RATACALC = RATACALC * %1 WHERE IDCON = ? AND DATARATA > ?").arg(factor),
            {id.toLongLong(), prev});
        prev = due;
    }
}

TEST(ReindexInstallments, EqualsTheStatementByStatementProcedureOnRandomContracts)
{
    DebtFixture f;
    QRandomGenerator random(20261210);
    // A random inflation table besides the seeds: negative values, twin dates, rows on due dates.
    for (int i = 0; i < 25; ++i) {
        const qint64 d = day("01.01.2000") + random.bounded(9000);
        const double value = (random.bounded(4000) - 800) / 100.0;
        for (int twin = 0; twin < (i % 7 == 0 ? 2 : 1); ++twin)
            f.db().execute("INSERT INTO Inflatie (IDINF, DATASTAB, VALOARE) VALUES (?, ?, ?)",
                           {100 + 2 * i + twin, d, value});
    }
    for (qint64 contract = 1; contract <= 150; ++contract) {
        std::vector<QVariantList> rows;
        qint64 due = day("01.01.1998") + random.bounded(8000);
        const qint64 amount = 1 + random.bounded(200000);
        const int count = 1 + random.bounded(12);
        for (int n = 0; n < count; ++n) {
            rows.push_back({contract, contract * 100 + n, n + 1, due, due + 30, due + 30, amount, amount + 17});
            due += random.bounded(3) == 0 ? 0 : 300 + random.bounded(130);  // sometimes the same due date
        }
        f.db().executeBatch("INSERT INTO Rate (IDCON, IDRATA, NRRATA, DATARATA, DATAPEN, ULTIMA, RATAINI, RATACALC, "
                            "ACHITAT, PENALREST) VALUES (?, ?, ?, ?, ?, ?, ?, ?, 0, 0)",
                            rows);
    }
    reindexStatementByStatement(f.db(), f.app().rates());
    const QueryResult expected = f.db().select("SELECT IDRATA, RATACALC FROM Rate ORDER BY IDRATA");

    f.db().execute("UPDATE Rate SET RATACALC = RATACALC + 3");
    ReindexInstallments(f.db(), f.app().rates(), kAllContracts, f.counter);
    const QueryResult actual = f.db().select("SELECT IDRATA, RATACALC FROM Rate ORDER BY IDRATA");
    ASSERT_EQ(actual.rows.size(), expected.rows.size());
    for (size_t i = 0; i < actual.rows.size(); ++i)
        EXPECT_EQ(actual.rows[i], expected.rows[i]) << "IDRATA " << actual.rows[i][0].toLongLong();
}

TEST(ReindexInstallments, AnAmountTooLargeToStoreChangesNothing)
{
    DebtFixture f;
    f.addInstallments(1, {{"15.03.2005", 1000}, {"15.03.2006", 1000}});
    f.addInstallments(2, {{"15.03.2005", 9999999999}, {"15.03.2006", 9999999999}});
    const QByteArray before = test::readBytes(f.db().tablePath("Rate"));
    EXPECT_THROW(ReindexInstallments(f.db(), f.app().rates(), kAllContracts, f.counter), StoreError);
    EXPECT_EQ(test::readBytes(f.db().tablePath("Rate")), before);
    EXPECT_FALSE(f.counter.isShown()) << "the counter must not stay shown after a failure";
}

// A counter that remembers every caption it was given.
class RecordingCounter : public SilentProgressCounter {
public:
    void setCaption(const QString& caption) override
    {
        captions << caption;
        SilentProgressCounter::setCaption(caption);
    }
    QStringList captions;
};

TEST(ReindexInstallments, UsesTheCounterAloneOrInsideAnotherOperation)
{
    DebtFixture f;
    f.addInstallments(1, {{"15.03.2005", 1000}, {"15.03.2006", 1000}, {"15.03.2007", 1000}});

    RecordingCounter alone;
    ReindexInstallments(f.db(), f.app().rates(), kAllContracts, alone);
    EXPECT_EQ(alone.captions, QStringList{"Actualizez ratele..."});
    EXPECT_FALSE(alone.isShown());
    EXPECT_EQ(alone.maximum(), 3);
    EXPECT_EQ(alone.position(), 3);

    RecordingCounter inside;
    inside.setCaption("Salvez datele...");
    inside.CounterStart();
    inside.setPosition(7);
    ReindexInstallments(f.db(), f.app().rates(), kAllContracts, inside);
    EXPECT_TRUE(inside.isShown());
    EXPECT_EQ(inside.caption(), "Salvez datele...");
    EXPECT_EQ(inside.position(), 7);
    EXPECT_EQ(inside.captions, (QStringList{"Salvez datele...", "Actualizez ratele...", "Salvez datele..."}));
}

}  // namespace
}  // namespace velmar
