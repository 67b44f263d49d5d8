// Recording a payment: the dialog's checks, the spreading over the installments, the snapshot, the
// document number counter, the log entry and the receipt hand-off.
#include "payment_fixture.h"

#include "payments/payment_texts.h"
#include "store/sql/csv_format.h"
#include "store/table_schema.h"

#include <gtest/gtest.h>

namespace velmar {
namespace {

namespace texts = payment_texts;
using Field = PaymentProblem::Field;
using test::dayOf;

const QString kRateColumns = permanentTable(u"Rate").columnList();

struct SpreadCase {
    const char* name;
    const char* setup;  // a change of installment 2 before paying, its ULTIMA bound from "20.03.2014"
    const char* date;
    qint64 amount;
    const char* payments;    // IDRATA,SUMA,PENAL of the payment's rows
    const char* settlement;  // NRRATA,ULTIMA,ACHITAT,PENALREST afterwards
};

// At 15.04.2014 installment 1 owes 1000 + 366 of penalty, installment 2 1000 + 1, installments 3..5
// (not yet due) 1000 each: 5367 in all.
const SpreadCase kSpreadCases[] = {
    {"part_of_the_first_penalty", nullptr, "15.04.2014", 100, "1,0,100\n",
     "1,15.04.2014,0,266\n2,15.04.2014,0,0\n3,15.04.2015,0,0\n4,15.04.2016,0,0\n5,15.04.2017,0,0\n"},
    {"exactly_the_first_penalty", nullptr, "15.04.2014", 366, "1,0,366\n",
     "1,15.04.2014,0,0\n2,15.04.2014,0,0\n3,15.04.2015,0,0\n4,15.04.2016,0,0\n5,15.04.2017,0,0\n"},
    {"oldest_first_penalty_before_principal", nullptr, "15.04.2014", 1500, "1,1000,366\n2,133,1\n",
     "1,15.04.2014,1000,0\n2,15.04.2014,133,0\n3,15.04.2015,0,0\n4,15.04.2016,0,0\n5,15.04.2017,0,0\n"},
    {"in_advance_of_a_future_installment", nullptr, "15.04.2014", 2767, "1,1000,366\n2,1000,1\n3,400,0\n",
     "1,15.04.2014,1000,0\n2,15.04.2014,1000,0\n3,15.04.2014,400,0\n4,15.04.2016,0,0\n5,15.04.2017,0,0\n"},
    {"the_maximum_settles_everything", nullptr, "15.04.2014", 5367,
     "1,1000,366\n2,1000,1\n3,1000,0\n4,1000,0\n5,1000,0\n",
     "1,15.04.2014,1000,0\n2,15.04.2014,1000,0\n3,15.04.2014,1000,0\n4,15.04.2014,1000,0\n5,15.04.2014,1000,0\n"},
    {"a_settled_installment_is_passed_over", "UPDATE Rate SET ACHITAT = 1000, ULTIMA = ? WHERE NRRATA = 2",
     "15.04.2014", 1866, "1,1000,366\n3,500,0\n",
     "1,15.04.2014,1000,0\n2,20.03.2014,1000,0\n3,15.04.2014,500,0\n4,15.04.2016,0,0\n5,15.04.2017,0,0\n"},
    // The payment is dated at the calculation date, with penalties to it: 184 days by 15.10.2013.
    {"at_an_earlier_calculation_date", nullptr, "15.10.2013", 184, "1,0,184\n",
     "1,15.10.2013,0,0\n2,15.04.2014,0,0\n3,15.04.2015,0,0\n4,15.04.2016,0,0\n5,15.04.2017,0,0\n"},
};

class Spreading : public ::testing::TestWithParam<SpreadCase> {};

TEST_P(Spreading, SettlesInstallmentsInOrder)
{
    const SpreadCase& c = GetParam();
    test::PaymentFixture f;
    if (c.setup)
        f.db().execute(QString::fromLatin1(c.setup), {dayOf("20.03.2014")});
    const QString before =
        toCsv(f.db().select(QStringLiteral("SELECT %1 FROM Rate ORDER BY NRRATA").arg(kRateColumns)));

    const PaymentOutcome outcome = f.pay(c.amount, c.date);
    ASSERT_FALSE(outcome.problem) << outcome.problem->text.toStdString();
    EXPECT_EQ(f.paymentRows("IDRATA, SUMA, PENAL"), QStringLiteral("IDRATA,SUMA,PENAL\n") + c.payments);
    EXPECT_EQ(f.settlement(), QString::fromLatin1(c.settlement));
    EXPECT_EQ(toCsv(f.db().select(
                  QStringLiteral("SELECT %1 FROM UndoRate WHERE IDCHIT = ? ORDER BY NRRATA").arg(kRateColumns),
                  {outcome.idchit})),
              before)
        << "the snapshot is every installment as it stood before the payment";
}

INSTANTIATE_TEST_SUITE_P(Cases, Spreading, ::testing::ValuesIn(kSpreadCases), test::caseName);

struct CheckCase {
    const char* name;
    const char* kind;
    qint64 amount;
    Field field;  // Field::None: accepted
    QString text;
};

const CheckCase kCheckCases[] = {
    {"one_is_odd", "Chitanta", 1, Field::Total, texts::kOddAmount},
    {"zero_is_odd", "Chitanta", 0, Field::Total, texts::kOddAmount},
    {"two_is_accepted", "Chitanta", 2, Field::None, {}},
    {"the_maximum_is_accepted", "Nota contabila", 5367, Field::None, {}},
    {"above_the_maximum", "Ordin de plata", 5368, Field::Total, "Suma incasata nu poate fi mai mare de 5367!"},
    {"unknown_document_kind", "Factura", 500, Field::DocJus, texts::unknownDocumentKind("Factura")},
};

class DialogChecks : public ::testing::TestWithParam<CheckCase> {};

TEST_P(DialogChecks, RefuseWithTheirMessageAndStoreNothing)
{
    const CheckCase& c = GetParam();
    test::PaymentFixture f;
    const QString before = f.allRows();

    const PaymentInput input{QString::fromLatin1(c.kind), QStringLiteral("7"), c.amount, test::day("15.04.2014")};
    const std::optional<PaymentProblem> checked = CheckPaymentInput(input, 5367);
    int receipts = 0;
    const PaymentOutcome outcome = RecordPayment(f.app(), f.idcon, input, [&](qint64) { ++receipts; });
    if (c.field == Field::None) {
        EXPECT_FALSE(checked);
        ASSERT_FALSE(outcome.problem) << outcome.problem->text.toStdString();
        EXPECT_EQ(outcome.idchit, 1);
        EXPECT_EQ(receipts, 1);
        return;
    }
    for (const std::optional<PaymentProblem>& problem : {checked, outcome.problem}) {
        ASSERT_TRUE(problem);
        EXPECT_EQ(problem->field, c.field);
        EXPECT_EQ(problem->text, c.text);
    }
    EXPECT_EQ(receipts, 0);
    EXPECT_EQ(f.allRows(), before);
    EXPECT_EQ(f.app().ids().PeekId("IDCHIT"), 1);
    EXPECT_EQ(f.app().ids().PeekId("NRCHIT"), 1);
}

INSTANTIATE_TEST_SUITE_P(Cases, DialogChecks, ::testing::ValuesIn(kCheckCases), test::caseName);

TEST(RecordPayment, NothingLeftToCollectIsFinished)
{
    test::PaymentFixture f;
    ASSERT_FALSE(f.pay(5367, "15.04.2014").problem);
    const auto finished = [&](const char* when) {
        SCOPED_TRACE(when);
        const qint64 maximum = MaximumCollectable(f.db(), f.app().rates(), f.idcon, kNoStopDay, dayOf("15.04.2014"));
        const std::optional<PaymentProblem> problem = f.pay(2, "15.04.2014").problem;
        ASSERT_TRUE(problem);
        EXPECT_EQ(problem->field, Field::None);
        EXPECT_EQ(problem->caption, "Incasare");
        EXPECT_EQ(problem->text, "Acest contract este finalizat!");
        const std::optional<PaymentProblem> beforeDialog = CheckCollectable(maximum);
        ASSERT_TRUE(beforeDialog);
        EXPECT_EQ(beforeDialog->text, texts::kFinished);
    };
    finished("everything paid");
    // Overpaid: the total is negative, and no amount could pass the dialog.
    f.db().execute("UPDATE Rate SET ACHITAT = 1100 WHERE NRRATA = 5");
    finished("overpaid");
    EXPECT_EQ(f.paymentRows("IDCHIT").count('\n'), 6) << "header and the first payment's five rows";
}

TEST(RecordPayment, ChecksAgainWhatAnotherWorkstationPaidMeanwhile)
{
    test::PaymentFixture f;
    f.app().rates().LoadPenaltyRates(f.db());
    const qint64 shown = MaximumCollectable(f.db(), f.app().rates(), f.idcon, kNoStopDay, dayOf("15.04.2014"));
    ASSERT_EQ(shown, 5367);
    ASSERT_FALSE(f.pay(5000, "15.04.2014").problem);  // the other workstation's payment

    const PaymentInput typed{texts::kDocumentKinds.front(), QStringLiteral("2"), 1000, test::day("15.04.2014")};
    ASSERT_FALSE(CheckPaymentInput(typed, shown));
    const std::optional<PaymentProblem> problem = RecordPayment(f.app(), f.idcon, typed).problem;
    ASSERT_TRUE(problem);
    EXPECT_EQ(problem->text, texts::tooMuch("367"));
}

TEST(RecordPayment, StoresTheDocumentLogsItAndHandsItToTheReceiptOnceLanded)
{
    test::PaymentFixture f;
    IdCounters& ids = f.app().ids();
    ids.SetId("NRCHIT", 10);
    ASSERT_EQ(ids.PeekId("NRCHIT"), 10);

    qint64 printed = 0;
    const PaymentOutcome outcome =
        RecordPayment(f.app(), f.idcon, {"Ordin de plata", "57", 1500, test::day("15.04.2014")}, [&](qint64 idchit) {
            EXPECT_FALSE(f.db().inTransaction());
            printed = idchit;
        });
    ASSERT_FALSE(outcome.problem);
    EXPECT_EQ(printed, outcome.idchit);
    EXPECT_EQ(f.paymentRows("IDCHIT, IDCON, DOCJUS, DATACHIT, NRCHIT"),
              QStringLiteral("IDCHIT,IDCON,DOCJUS,DATACHIT,NRCHIT\n"
                             "1,%1,Ordin de plata,%2,57\n1,%1,Ordin de plata,%2,57\n")
                  .arg(f.idcon)
                  .arg(dayOf("15.04.2014")));
    EXPECT_EQ(f.logActions().back(), "Incasare NUME TITULAR : Ordin de plata nr.57/15.04.2014 = 1500 lei.");

    // The next proposal follows the number used, not the one proposed; an undo leaves it there.
    EXPECT_EQ(ids.PeekId("NRCHIT"), 58);
    ASSERT_FALSE(f.undoLast());
    EXPECT_EQ(ids.PeekId("NRCHIT"), 58);
}

TEST(RecordPayment, TheLogKeepsTheDocumentNumberAsTypedWhileTheTableKeepsItsValue)
{
    struct Case {
        const char* typed;
        const char* logged;
        qint64 stored;
        const char* proposedNext;
    };
    for (const Case& c :
         {Case{"0057", "nr.0057/", 57, "58"}, Case{"057", "nr.057/", 57, "58"}, Case{"", "nr./", 0, "1"}}) {
        test::PaymentFixture f;
        ASSERT_FALSE(RecordPayment(f.app(), f.idcon, {"Chitanta", c.typed, 500, test::day("15.04.2014")}).problem)
            << c.typed;
        const QString logged = f.logActions().back();
        EXPECT_TRUE(logged.contains(QString::fromLatin1(c.logged))) << logged.toStdString();
        const QVariantList stored = f.db().select("SELECT MIN(NRCHIT), MAX(NRCHIT) FROM Chitante").rows.front();
        EXPECT_EQ(stored, (QVariantList{c.stored, c.stored})) << c.typed;
        EXPECT_EQ(QString::number(f.app().ids().PeekId("NRCHIT")), c.proposedNext) << c.typed;
    }
}

}  // namespace
}  // namespace velmar
