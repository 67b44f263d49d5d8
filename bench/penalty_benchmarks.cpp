// ComputePenalty over the seed penalty rates, a million calls on varied installments per iteration.
#include "bench/benchmarks.h"

#include "app/rate_tables.h"
#include "bench/random.h"
#include "bench/rate_seeding.h"
#include "store/dates.h"

#include <benchmark/benchmark.h>
#include <vector>

namespace velmar::bench {

namespace {

constexpr int kCalls = 1'000'000;

struct PenaltyCall {
    double calcDate;
    double startDate;
    double stopDate;
};

// Penalties starting 1999-2026, computed on a later day up to the end of 2026 (one call in twenty on a
// day before the start, which owes nothing); one in ten stopped on a day between start and the end.
std::vector<PenaltyCall> penaltyCalls()
{
    Random random(7);
    const qint64 first = dayNumber(QDate(1999, 1, 1));
    const qint64 last = dayNumber(QDate(2026, 12, 31));
    std::vector<PenaltyCall> calls(kCalls);
    for (PenaltyCall& call : calls) {
        const qint64 start = random.between(first, last);
        const qint64 calc = random.percent(5) ? random.between(first, start) : random.between(start, last);
        const qint64 stop = random.percent(10) ? random.between(start, last) : kNoStopDay;
        call = {double(calc), double(start), double(stop)};
    }
    return calls;
}

}  // namespace

void registerPenaltyBenchmarks(BenchRegister& reg)
{
    // Milliseconds per iteration of a million calls read as nanoseconds per call; ns_per_call says it outright.
    benchmark::RegisterBenchmark("ComputePenalty", [&reg, calls = penaltyCalls()](benchmark::State& state) {
        seedRateTables(reg);
        RateTables rates;
        rates.LoadPenaltyRates(reg.velmar());
        for (auto _ : state) {
            double sum = 0;
            for (const PenaltyCall& c : calls)
                sum += rates.ComputePenalty(c.calcDate, c.startDate, c.stopDate);
            benchmark::DoNotOptimize(sum);
        }
        state.SetItemsProcessed(state.iterations() * kCalls);
        state.counters["ns_per_call"] =
            benchmark::Counter(kCalls, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
    })->Unit(benchmark::kMillisecond);
}

}  // namespace velmar::bench
