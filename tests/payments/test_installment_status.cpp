// The installment status at a calculation date and the grouped payment list.
#include "payment_fixture.h"

#include "payments/payment_list.h"

#include <gtest/gtest.h>

namespace velmar {
namespace {

using test::dayOf;

struct InstallmentCase {
    const char* name;
    qint64 achitat;
    qint64 penalrest;
    const char* ultima;
    const char* stopPen;  // nullptr: penalties never stopped
    qint64 restanta, penalcur, penaltot, deachitat;
};

// Installment 1 (RATACALC 1000) at 15.04.2014, changed as each case says.
const InstallmentCase kInstallmentCases[] = {
    // 14.04.2013 .. 15.04.2014 is 366 days.
    {"untouched", 0, 0, "15.04.2013", nullptr, 1000, 366, 366, 1366},
    {"ultima_on_the_date_is_still_charged", 0, 0, "15.04.2014", nullptr, 1000, 1, 1, 1001},
    {"carried_penalty_adds_up", 400, 25, "15.10.2013", nullptr, 600, 110, 135, 735},
    {"fully_paid_owes_its_carried_penalty", 1000, 40, "15.04.2013", nullptr, 0, 0, 40, 40},
    // 100 days on 25 lei: 2.5 rounds up to 3.
    {"half_lei_rounds_up", 975, 0, "06.01.2014", nullptr, 25, 3, 3, 28},
    // 100 days on -27 lei: -2.7 + 0.5 cut towards zero is -2.
    {"overpaid_rounds_towards_zero", 1027, 0, "06.01.2014", nullptr, -27, -2, -2, -29},
    {"stopped_penalties_end_at_the_stop_date", 0, 0, "15.04.2013", "24.04.2013", 1000, 10, 10, 1010},
};

class InstallmentColumns : public ::testing::TestWithParam<InstallmentCase> {};

TEST_P(InstallmentColumns, FollowTheStoredValues)
{
    const InstallmentCase& c = GetParam();
    test::PaymentFixture f;
    f.db().execute("UPDATE Rate SET ACHITAT = ?, PENALREST = ?, ULTIMA = ? WHERE IDCON = ? AND NRRATA = 1",
                   {c.achitat, c.penalrest, dayOf(c.ultima), f.idcon});
    f.app().rates().LoadPenaltyRates(f.db());
    const ContractStatus status = LoadContractStatus(f.db(), f.app().rates(), f.idcon,
                                                     c.stopPen ? dayOf(c.stopPen) : kNoStopDay, dayOf("15.04.2014"));

    ASSERT_EQ(status.installments.size(), 2u);
    const InstallmentStatus& s = status.installments.front();
    EXPECT_EQ(s.nrrata, 1);
    EXPECT_EQ(s.ultima, dayOf(c.ultima));
    EXPECT_EQ(s.restanta, c.restanta);
    EXPECT_EQ(s.penalcur, c.penalcur);
    EXPECT_EQ(s.penaltot, c.penaltot);
    EXPECT_EQ(s.deachitat, c.deachitat);
}

INSTANTIATE_TEST_SUITE_P(Cases, InstallmentColumns, ::testing::ValuesIn(kInstallmentCases), test::caseName);

TEST(ContractStatus, ListsWhatIsImposedByTheDateAndAddsItUp)
{
    test::PaymentFixture f;
    struct Case {
        const char* date;
        InstallmentScope scope;
        std::vector<qint64> nrrata;
        qint64 restanta, penalitati;
    };
    // At 15.04.2014 installment 1 owes 1000 + 366 and installment 2 (due 15.03.2014) 1000 + 1; the three
    // later ones owe 1000 each and no penalty yet.
    const Case cases[] = {
        {"14.03.2013", InstallmentScope::DueByDate, {}, 0, 0},
        {"15.03.2013", InstallmentScope::DueByDate, {1}, 1000, 0},
        {"15.04.2014", InstallmentScope::DueByDate, {1, 2}, 2000, 367},
        {"15.04.2014", InstallmentScope::All, {1, 2, 3, 4, 5}, 5000, 367},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.date);
        const ContractStatus status = f.status(c.date, c.scope);
        std::vector<qint64> numbers;
        for (const InstallmentStatus& s : status.installments)
            numbers.push_back(s.nrrata);
        EXPECT_EQ(numbers, c.nrrata);
        EXPECT_EQ(status.totals.restanta, c.restanta);
        EXPECT_EQ(status.totals.penalitati, c.penalitati);
        EXPECT_EQ(status.totals.dePlata(), c.restanta + c.penalitati);
    }
    EXPECT_EQ(MaximumCollectable(f.db(), f.app().rates(), f.idcon, kNoStopDay, dayOf("15.04.2014")), 5367);
}

TEST(PaymentList, OneLinePerPaymentInOrderLeavingOutThoseWithoutADocumentKind)
{
    test::PaymentFixture f;
    f.app().ids().SetId("IDCHIT", 9);  // 9 before 10: the order is by number, not by text
    ASSERT_EQ(f.pay(1500, "15.04.2014", 57, "Ordin de plata").idchit, 9);  // installments 1 and 2
    // A payment of an old folder stored without a document kind: not listed, yet in ACHITAT.
    f.db().execute("INSERT INTO Chitante (IDCHIT, IDCON, IDRATA, DOCJUS, DATACHIT, NRCHIT, SUMA, PENAL) "
                   "VALUES (10, ?, 2, '', ?, 3, 200, 0)",
                   {f.idcon, dayOf("20.04.2014")});
    f.db().execute("UPDATE Rate SET ACHITAT = ACHITAT + 200 WHERE IDCON = ? AND NRRATA = 2", {f.idcon});
    f.app().ids().SetId("IDCHIT", 11);
    ASSERT_EQ(f.pay(100, "20.04.2014", 58).idchit, 11);

    const std::vector<PaymentLine> lines = LoadPaymentList(f.db(), f.idcon);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].idchit, 9);
    EXPECT_EQ(lines[0].docjus, "Ordin de plata");
    EXPECT_EQ(lines[0].nrchit, 57);
    EXPECT_EQ(lines[0].datachit, dayOf("15.04.2014"));
    EXPECT_EQ(lines[0].suma, 1133);
    EXPECT_EQ(lines[0].penal, 367);
    EXPECT_EQ(lines[0].total(), 1500);
    EXPECT_EQ(lines[1].idchit, 11);
    // Installment 2: 133 listed, 200 not listed, then 96 of the last payment after its 4 lei of penalty
    // (6 days on 1000 - 333).
    EXPECT_EQ(f.status("20.04.2014").installments[1].achitat, 429);
}

}  // namespace
}  // namespace velmar
