// Undoing the last payment: the installments come back from the snapshot, whatever happened to them
// since, and nothing else is touched; refusals change nothing.
#include "payment_fixture.h"

#include "app/interaction.h"
#include "contracts/contract_operations.h"
#include "contracts/contract_validation.h"
#include "contracts/schedule.h"
#include "payments/payment_list.h"
#include "payments/payment_texts.h"
#include "store/sql/csv_format.h"

#include <functional>
#include <gtest/gtest.h>

namespace velmar {
namespace {

namespace texts = payment_texts;
using Field = PaymentProblem::Field;
using test::dayOf;

const QString kAllButIndexed = QStringLiteral("IDRATA, NRRATA, DATARATA, DATAPEN, ULTIMA, RATAINI, ACHITAT, PENALREST");

TEST(UndoPayment, TwoPaymentsUndoneInTurnWalkTheContractBack)
{
    test::PaymentFixture f;
    const QString beforeFirst = f.rateRows();
    ASSERT_FALSE(f.pay(500, "15.04.2014", 1).problem);
    const QString beforeSecond = f.rateRows();
    ASSERT_FALSE(f.pay(3000, "15.06.2015", 2, "Ordin de plata").problem);
    ASSERT_NE(f.rateRows(), beforeSecond);

    ASSERT_FALSE(f.undoLast());
    EXPECT_EQ(f.rateRows(), beforeSecond);
    EXPECT_EQ(f.paymentRows("DISTINCT IDCHIT"), "IDCHIT\n1\n");
    EXPECT_EQ(f.logActions().back(), "Stergere Ordin de plata nr.2=3000 lei, NUME TITULAR Contr.12/15.03.2013.");

    ASSERT_FALSE(f.undoLast());
    EXPECT_EQ(f.rateRows(), beforeFirst);
    EXPECT_EQ(f.paymentRows("IDCHIT"), "IDCHIT\n");
    EXPECT_EQ(f.db().select("SELECT COUNT(*) FROM UndoRate").rows.front().front().toLongLong(), 0);
    EXPECT_EQ(f.logActions().back(), "Stergere Chitanta nr.1=500 lei, NUME TITULAR Contr.12/15.03.2013.");
}

struct ChangeCase {
    const char* name;
    std::function<void(test::PaymentFixture&)> change;
};

const ChangeCase kChangeCases[] = {
    // With payments a modification keeps the installment terms but indexes the installments again.
    {"contract_modified",
     [](test::PaymentFixture& f) {
         ContractInput input = test::sampleInput();
         input.nume = QStringLiteral("ALT TITULAR");
         input.rata = QStringLiteral("5000");
         const ContractCheck check = ValidateContract(f.db(), input, f.idcon);
         ASSERT_TRUE(check.accepted());
         ScriptedInteraction ui({MessageResult::Yes});
         ASSERT_TRUE(ModifyContract(f.app(), f.idcon, check.input, ui, f.counter));
     }},
    {"schedule_generated_again",
     [](test::PaymentFixture& f) {
         ContractInput input = test::sampleInput();
         input.nrRate = QStringLiteral("7");
         f.db().execute("DELETE FROM Rate WHERE IDCON = ?", {f.idcon});
         GenerateSchedule(f.db(), f.app().ids(), f.idcon, input);
     }},
};

class UndoAfterChange : public ::testing::TestWithParam<ChangeCase> {};

TEST_P(UndoAfterChange, BringsBackTheInstallmentsAsTheyWereBeforeThePayment)
{
    test::PaymentFixture f;
    const QString before = f.rateRows(kAllButIndexed);
    ASSERT_FALSE(f.pay(1500, "15.04.2014").problem);
    // 10 % published on 01.01.2015 reaches the installments due from 15.03.2015 on.
    f.db().execute("INSERT INTO Inflatie (IDINF, DATASTAB, VALOARE) VALUES (1, ?, 10)", {dayOf("01.01.2015")});
    GetParam().change(f);

    ASSERT_FALSE(f.undoLast());
    EXPECT_EQ(f.rateRows(kAllButIndexed), before);
    EXPECT_EQ(f.rateRows("RATACALC"), "RATACALC\n1000\n1000\n1100\n1100\n1100\n");
    EXPECT_EQ(f.paymentRows("IDCHIT"), "IDCHIT\n");
}

INSTANTIATE_TEST_SUITE_P(Cases, UndoAfterChange, ::testing::ValuesIn(kChangeCases), test::caseName);

struct RefusalCase {
    const char* name;
    std::function<void(test::PaymentFixture&)> setup;
    bool selectFirst;  // else the last listed payment, when there is one
    Field field;
    QString caption;
    QString text;
    bool beforeQuestion;  // refused already by the window's check before its question
};

void payTwice(test::PaymentFixture& f)
{
    ASSERT_FALSE(f.pay(500, "15.04.2014").problem);
    ASSERT_FALSE(f.pay(500, "16.04.2014").problem);
}

const RefusalCase kRefusalCases[] = {
    {"nothing_paid", [](test::PaymentFixture&) {}, false, Field::UndoButton, {}, texts::kNothingToUndo, true},
    {"an_older_payment_selected", payTwice, true, Field::None, texts::kUndoCaption, texts::kOnlyLast, true},
    // A newer payment without a document kind is not listed; undoing the listed one would restore a
    // snapshot taken before it and lose it.
    {"the_newest_payment_is_not_listed",
     [](test::PaymentFixture& f) {
         payTwice(f);
         f.db().execute("UPDATE Chitante SET DOCJUS = '' WHERE IDCHIT = 2");
     },
     false, Field::None, texts::kUndoCaption, texts::kOnlyLast, true},
    {"its_snapshot_is_missing",
     [](test::PaymentFixture& f) {
         payTwice(f);
         f.db().execute("DELETE FROM UndoRate WHERE IDCHIT = 2");
     },
     false, Field::None, texts::kUndoCaption, texts::kNoSnapshot, false},
};

class UndoRefusal : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(UndoRefusal, ChangesNothing)
{
    const RefusalCase& c = GetParam();
    test::PaymentFixture f;
    c.setup(f);
    const std::vector<PaymentLine> listed = LoadPaymentList(f.db(), f.idcon);
    std::optional<qint64> selected;
    if (!listed.empty())
        selected = c.selectFirst ? listed.front().idchit : listed.back().idchit;
    const QString before = f.allRows();

    const std::optional<PaymentProblem> checked = CheckUndo(f.db(), f.idcon, selected);
    EXPECT_EQ(checked.has_value(), c.beforeQuestion);
    const std::optional<PaymentProblem> problem = UndoPayment(f.app(), f.idcon, selected, f.counter);
    ASSERT_TRUE(problem);
    EXPECT_EQ(problem->field, c.field);
    EXPECT_EQ(problem->caption, c.caption);
    EXPECT_EQ(problem->text, c.text);
    EXPECT_EQ(f.allRows(), before);
}

INSTANTIATE_TEST_SUITE_P(Cases, UndoRefusal, ::testing::ValuesIn(kRefusalCases), test::caseName);

TEST(UndoPayment, LeavesOtherContractsAloneEvenWhenTheyShareThePaymentNumber)
{
    test::PaymentFixture f;
    ContractInput other = test::sampleInput();
    other.nrCon = QStringLiteral("13");
    const qint64 second = f.add(other);
    ASSERT_FALSE(f.pay(500, "15.04.2014").problem);
    // A folder put together from two others can repeat an IDCHIT (the counters never hand one out twice).
    ASSERT_EQ(RecordPayment(f.app(), second, {test::kKind, QStringLiteral("9"), 700, test::day("15.04.2014")}).idchit,
              2);
    for (const char* table : {"Chitante", "UndoRate"})
        f.db().execute(QStringLiteral("UPDATE %1 SET IDCHIT = 1 WHERE IDCON = ?").arg(QLatin1String(table)), {second});
    const auto rowsOf = [&](qint64 idcon) {
        QString rows;
        for (const char* table : {"Rate", "Chitante", "UndoRate"})
            rows += toCsv(
                f.db().select(QStringLiteral("SELECT * FROM %1 WHERE IDCON = ?").arg(QLatin1String(table)), {idcon}));
        return rows;
    };
    const QString secondBefore = rowsOf(second);

    ASSERT_FALSE(f.undoLast());
    EXPECT_EQ(rowsOf(second), secondBefore);
    EXPECT_EQ(f.paymentRows("IDCHIT"), "IDCHIT\n");
}

}  // namespace
}  // namespace velmar
