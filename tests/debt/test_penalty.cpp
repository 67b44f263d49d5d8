// The penalty computation and month steps, on the seed penalty rates: every worked example and the
// edge cases that matter, as rows of one table.
#include "app/rate_tables.h"
#include "debt/rate_seeds.h"
#include "store/dates.h"

#include <gtest/gtest.h>

namespace velmar {
namespace {

double day(const char* text) { return double(dayNumber(*parseDate(QString::fromLatin1(text)))); }

RateTables seedRates()
{
    RateTables rates;
    rates.setPenaltyRates(penaltyRateSeeds());
    return rates;
}

TEST(ComputePenalty, WorkedExamplesAndEdgeCasesOnTheSeedRates)
{
    struct Case {
        const char* start;
        const char* calc;
        const char* stop;  // nullptr: 99999
        double expected;
    };
    const std::vector<Case> cases{
        {"14.03.2012", "20.06.2013", nullptr, 0.30},
        {"30.11.2014", "31.12.2014", nullptr, 0.02},
        {"30.11.2014", "01.01.2015", nullptr, 0.04},  // ends on a rate date: the new rate is not used
        {"30.11.2014", "02.01.2015", nullptr, 0.04},
        {"14.11.2014", "20.03.2015", nullptr, 0.06},
        {"15.08.2005", "10.01.2006", nullptr, 0.0808},
        {"01.05.1999", "10.05.1999", nullptr, 0.009},  // charged only from the earliest rate on
        {"01.05.1999", "06.05.1999", nullptr, 0},      // ends before the earliest rate
        {"31.01.2014", "01.01.2020", "01.03.2014", 0.04},
        {"31.01.2014", "01.03.2014", "01.01.2020", 0.04},
        {"15.08.2005", "31.08.2005", nullptr, 0.0096},
        {"15.08.2005", "01.09.2005", nullptr, 0.0102},
        {"15.08.2005", "02.09.2005", nullptr, 0.0113},
        {"20.06.2013", "20.06.2013", nullptr, 0},          // start on the end date
        {"21.06.2013", "20.06.2013", nullptr, 0},          // start after it
        {"01.02.2014", "01.01.2020", "01.01.2014", 0},     // stopped before the start
        {"14.03.2012", "20.06.2013", "20.06.2013", 0.30},  // stop on the calculation date: no effect
    };
    const RateTables rates = seedRates();
    for (const Case& c : cases) {
        const double stop = c.stop ? day(c.stop) : double(kNoStopDay);
        EXPECT_NEAR(rates.ComputePenalty(day(c.calc), day(c.start), stop), c.expected, 1e-12)
            << c.start << " -> " << c.calc << (c.stop ? " stop " : "") << (c.stop ? c.stop : "");
    }
}

TEST(ComputePenalty, FractionsOfDaysAreDropped)
{
    const RateTables rates = seedRates();
    const double start = day("15.08.2005");
    const double calc = day("02.09.2005");
    EXPECT_EQ(rates.ComputePenalty(calc + 0.7, start + 0.9, kNoStopDay), rates.ComputePenalty(calc, start, kNoStopDay));
    EXPECT_EQ(rates.ComputePenalty(calc + 3.5, start, calc + 0.2), rates.ComputePenalty(calc, start, kNoStopDay));
}

TEST(ComputePenalty, NoRatesMeanNoPenaltyAndRowsSharingADateLetTheLastOneApply)
{
    RateTables none;
    EXPECT_EQ(none.ComputePenalty(day("01.01.2020"), day("01.01.2010"), kNoStopDay), 0);

    RateTables shared;
    shared.setPenaltyRates({{day("01.01.2010"), 1, 0}, {day("01.01.2011"), 5, 0}, {day("01.01.2011"), 2, 0}});
    // 01.12.2010 -> 11.01.2011: 31 days + 1 at 1 %, then the empty period between the twin rows, then 10 at 2 %.
    EXPECT_NEAR(shared.ComputePenalty(day("11.01.2011"), day("01.12.2010"), kNoStopDay), 0.32 + 0.20, 1e-12);
}

TEST(ComputePenalty, MonthsAreCountedFromTheRateDatesThemselves)
{
    RateTables rates;
    rates.setPenaltyRates({{day("01.01.2010"), 0, 1}, {day("01.03.2010"), 0, 10}});
    // Single period from the 1st of a month: 1 month step; with a change inside, the first period counts
    // from the day before the start, one month more.
    EXPECT_NEAR(rates.ComputePenalty(day("10.02.2010"), day("01.01.2010"), kNoStopDay), 0.01, 1e-12);
    EXPECT_NEAR(rates.ComputePenalty(day("10.03.2010"), day("01.02.2010"), kNoStopDay), 0.02 + 0.0, 1e-12);
    EXPECT_NEAR(rates.ComputePenalty(day("10.04.2010"), day("01.02.2010"), kNoStopDay), 0.02 + 0.10, 1e-12);
}

TEST(MonthsBetween, CountsCalendarMonthStepsIgnoringDays)
{
    struct Case {
        const char* a;
        const char* b;
        int months;
    };
    for (const Case& c : {Case{"31.01.2015", "01.01.2015", 0}, Case{"01.02.2015", "31.01.2015", 1},
                          Case{"01.01.2015", "29.11.2014", 2}, Case{"15.03.2014", "20.06.2014", -3}})
        EXPECT_EQ(MonthsBetween(qint64(day(c.a)), qint64(day(c.b))), c.months) << c.a << " " << c.b;
}

}  // namespace
}  // namespace velmar
