// Editing the rate tables: identifiers from the counters, rates as typed, re-indexation with every
// inflation change, and refusals that change nothing.
#include "debt/indexation.h"
#include "debt/rate_edits.h"
#include "debt_fixture.h"
#include "store/dates.h"
#include "store/sql/csv_format.h"
#include "store/store_error.h"

#include <QDir>
#include <gtest/gtest.h>

namespace velmar {
namespace {

using test::DebtFixture;

QDate date(const char* text) { return *parseDate(QString::fromLatin1(text)); }

TEST(RateText, KeepsWhatTheColumnsHoldAndRefusesTheRest)
{
    struct Case {
        const char* typed;
        bool negativeAllowed;
        const char* stored;  // nullptr: refused
    };
    const std::vector<Case> cases{
        {"0.15", false, "0.15"},   {"", false, "0"},       {" 2 ", false, "2"},
        {"5.", false, "5"},        {".5", false, "0.5"},   {"999.99", false, "999.99"},
        {"-1.5", true, "-1.5"},    {"-0", true, "0"},      {"1234", false, nullptr},
        {"1.234", false, nullptr}, {"-1", false, nullptr}, {"abc", false, nullptr},
        {"1,5", false, nullptr},   {".", false, nullptr},  {"-", true, nullptr},
        {"1e2", false, nullptr},   {"-99.99", true, "-99.99"}, {"-100", true, nullptr},
        {"-123.45", true, nullptr},
    };
    for (const Case& c : cases) {
        if (c.stored) {
            EXPECT_EQ(RateText(QString::fromLatin1(c.typed), c.negativeAllowed), QString::fromLatin1(c.stored))
                << c.typed;
        } else {
            EXPECT_THROW(RateText(QString::fromLatin1(c.typed), c.negativeAllowed), StoreError) << c.typed;
        }
    }
}

TEST(PenaltyRateEdits, AddChangeAndDeleteByIdentifier)
{
    DebtFixture f;
    Database& db = f.db();
    const qint64 id = AddPenaltyRate(db, f.app().ids(), {date("01.01.2026"), "0.15", ""});
    EXPECT_EQ(id, 10);  // the seeds took 1..9
    EXPECT_EQ(toCsv(db.select("SELECT DATASTAB, PEZI, PELUNA FROM PenalIst WHERE IDP = 10")),
              QStringLiteral("DATASTAB,PEZI,PELUNA\n%1,0.15,0\n").arg(dayNumber(date("01.01.2026"))));
    ChangePenaltyRate(db, id, {date("02.01.2026"), "0", "1.5"});
    EXPECT_EQ(toCsv(db.select("SELECT DATASTAB, PEZI, PELUNA FROM PenalIst WHERE IDP = 10")),
              QStringLiteral("DATASTAB,PEZI,PELUNA\n%1,0,1.5\n").arg(dayNumber(date("02.01.2026"))));

    f.app().rates().LoadPenaltyRates(db);
    EXPECT_EQ(f.app().rates().penaltyRates().size(), 11u);  // row 0 and ten dated rows
    DeletePenaltyRate(db, id);
    EXPECT_EQ(db.rowCount("PenalIst"), 9);
}

TEST(PenaltyRateEdits, BadInputIsRefusedAndChangesNothing)
{
    DebtFixture f;
    const QByteArray before = test::readBytes(f.db().tablePath("PenalIst"));
    const QString counters = QString::fromUtf8(test::readBytes(QDir(f.home()).filePath("Data/VLMR.set")));
    auto refused = [&](const std::function<void()>& edit, const QString& message) {
        try {
            edit();
            ADD_FAILURE() << "accepted: " << message.toStdString();
        } catch (const StoreError& e) {
            EXPECT_EQ(e.message(), message);
        }
    };
    Database& db = f.db();
    IdCounters& ids = f.app().ids();
    refused([&] { AddPenaltyRate(db, ids, {QDate(), "1", "1"}); }, "Data incorecta: \"\" (zz.ll.aaaa)");
    refused(
        [&] {
            AddPenaltyRate(db, ids, {date("01.01.2026"), "-0.1", "1"});
        },
        "Penalitatile nu pot fi negative: -0.1");
    refused(
        [&] {
            AddPenaltyRate(db, ids, {date("01.01.2026"), "1", "1000"});
        },
        "Valoare incorecta: \"1000\" (cel mult 3 cifre inainte de punct si 2 dupa)");
    refused([&] { ChangePenaltyRate(db, 77, {date("01.01.2026"), "1", "1"}); }, "Nu exista penalitatea cu IDP 77");
    refused([&] { DeletePenaltyRate(db, 77); }, "Nu exista penalitatea cu IDP 77");
    EXPECT_EQ(test::readBytes(f.db().tablePath("PenalIst")), before);
    EXPECT_EQ(QString::fromUtf8(test::readBytes(QDir(f.home()).filePath("Data/VLMR.set"))), counters)
        << "a refused add must not use up an identifier";
}

TEST(InflationRateEdits, EveryChangeReindexesEveryContract)
{
    DebtFixture f;
    f.addInstallments(1, {{"15.03.2021", 1000}, {"15.03.2022", 1000}});
    f.addInstallments(2, {{"15.03.2020", 2000}, {"15.03.2021", 2000}});
    InflationRateEditor editor(f.db(), f.app().ids(), f.app().rates(), f.counter);

    const qint64 id = editor.add({date("01.01.2022"), "5"});
    EXPECT_EQ(id, 34);
    EXPECT_EQ(f.indexedAmounts(1), (std::vector<qint64>{1000, 1050}));
    EXPECT_EQ(f.indexedAmounts(2), (std::vector<qint64>{2000, 2052}));  // 2000 * 1.026, indexed by the same run

    editor.change(id, {date("01.01.2022"), "-2.5"});
    EXPECT_EQ(f.indexedAmounts(1), (std::vector<qint64>{1000, 975}));
    editor.remove(id);
    EXPECT_EQ(f.indexedAmounts(1), (std::vector<qint64>{1000, 1000}));

    const QByteArray before = test::readBytes(f.db().tablePath("Inflatie"));
    EXPECT_THROW(editor.change(99, {date("01.01.2022"), "1"}), StoreError);
    EXPECT_THROW(editor.add({date("01.01.2022"), "1000"}), StoreError);
    EXPECT_EQ(test::readBytes(f.db().tablePath("Inflatie")), before);
}

}  // namespace
}  // namespace velmar
