// Installment schedules: one row per year, every date stepped from the first one.
#include "contract_fixture.h"

#include "contracts/schedule.h"
#include "store/dates.h"
#include "store/id_counters.h"

#include <gtest/gtest.h>

namespace velmar {
namespace {

using test::day;

class Schedule : public ::testing::Test {
protected:
    std::vector<test::Installment> generate(const char* years, const char* firstDue, const char* firstPenalty,
                                            const char* amount = "1000")
    {
        ContractInput input = test::sampleInput();
        input.nrRate = QString::fromLatin1(years);
        input.dataRata1 = day(firstDue);
        input.dataPen1 = day(firstPenalty);
        input.rata = QString::fromLatin1(amount);
        GenerateSchedule(f.db(), f.app().ids(), 7, input);
        return f.installments(7);
    }
    test::ContractFixture f;
};

TEST_F(Schedule, OneYearIsTheFirstInstallmentUnpaid)
{
    const auto rows = generate("1", "15.03.2013", "15.04.2013", "1500.5");
    ASSERT_EQ(rows.size(), 1u);
    const test::Installment& r = rows[0];
    EXPECT_EQ(r.nrrata, 1);
    EXPECT_EQ(r.due, "15.03.2013");
    EXPECT_EQ(r.penaltyFrom, "15.04.2013");
    EXPECT_EQ(DayToText(double(r.ultima)), "15.04.2013");
    EXPECT_EQ(r.initial, 1501) << "whole lei, as the column rounds it";
    EXPECT_EQ(r.indexed, 1501);
    EXPECT_EQ(r.paid, 0);
    EXPECT_EQ(r.penaltyLeft, 0);
}

TEST_F(Schedule, TwelveYearsOneCalendarYearApartFromTheFirstDates)
{
    const auto rows = generate("12", "31.01.2013", "28.02.2013");
    ASSERT_EQ(rows.size(), 12u);
    for (int k = 0; k < 12; ++k) {
        const QString year = QString::number(2013 + k);
        EXPECT_EQ(rows[k].nrrata, k + 1);
        EXPECT_EQ(rows[k].due, "31.01." + year);
        EXPECT_EQ(rows[k].penaltyFrom, "28.02." + year);
    }
}

TEST_F(Schedule, LeapDayComesBackInLeapYears)
{
    const auto rows = generate("5", "29.02.2012", "31.03.2012");
    std::vector<QString> due;
    for (const test::Installment& r : rows)
        due.push_back(r.due);
    EXPECT_EQ(due, (std::vector<QString>{"29.02.2012", "28.02.2013", "28.02.2014", "28.02.2015", "29.02.2016"}));
}

TEST_F(Schedule, EachInstallmentDrawsItsOwnIdentifier)
{
    f.app().ids().SetId("IDRATA", 40);
    const auto rows = generate("3", "15.03.2013", "15.04.2013");
    EXPECT_EQ((std::vector<qint64>{rows[0].idrata, rows[1].idrata, rows[2].idrata}), (std::vector<qint64>{40, 41, 42}));
    EXPECT_EQ(f.app().ids().PeekId("IDRATA"), 43);
}

}  // namespace
}  // namespace velmar
