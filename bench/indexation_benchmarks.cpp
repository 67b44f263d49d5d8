// Re-indexing every installment, and what one read and one rewrite of the installment file cost beside it.
#include "bench/benchmarks.h"

#include "app/progress_counter.h"
#include "app/rate_tables.h"
#include "bench/rate_seeding.h"
#include "debt/indexation.h"
#include "store/dbf/dbf_table.h"
#include "store/file_change.h"

#include <QDir>
#include <benchmark/benchmark.h>

namespace velmar::bench {

namespace {

qint64 reindexAll(Database& db)
{
    RateTables rates;
    SilentProgressCounter counter;
    return ReindexInstallments(db, rates, kAllContracts, counter);
}

void reportChanged(benchmark::State& state, qint64 changed)
{
    state.counters["changed"] = benchmark::Counter(double(changed), benchmark::Counter::kAvgIterations);
}

// Each iteration starts from the contracted amounts, so indexing changes every installment after a
// contract's first (a contract's first one has no inflation before it) and commits them all.
void registerReindexMostChanged(BenchRegister& reg)
{
    benchmark::RegisterBenchmark("ReindexAll/MostChanged",
                                 [&reg](benchmark::State& state) {
                                     seedRateTables(reg);
                                     qint64 changed = 0;
                                     for (auto _ : state) {
                                         state.PauseTiming();
                                         reg.velmar().execute(QStringLiteral("UPDATE Rate SET RATACALC = RATAINI"));
                                         state.ResumeTiming();
                                         changed += reindexAll(reg.velmar());
                                     }
                                     reportChanged(state, changed);
                                 })
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
}

// The indexed amounts are already stored: the same reading and computing, no write.
void registerReindexNoneChanged(BenchRegister& reg)
{
    benchmark::RegisterBenchmark("ReindexAll/NoneChanged",
                                 [&reg](benchmark::State& state) {
                                     seedRateTables(reg);
                                     reindexAll(reg.velmar());
                                     qint64 changed = 0;
                                     for (auto _ : state)
                                         changed += reindexAll(reg.velmar());
                                     reportChanged(state, changed);
                                 })
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
}

// Parses Rate.dbf and writes it whole, forced to the disk, into a file of its own beside it: the
// Database's parsed Rate stays valid, and the disk is the same one the re-indexing writes to.
void registerRewriteRateFile(BenchRegister& reg)
{
    benchmark::RegisterBenchmark("RewriteRateFile",
                                 [&reg](benchmark::State& state) {
                                     const QString rate = reg.velmar().tablePath(QStringLiteral("Rate"));
                                     const QString copy =
                                         QDir(reg.dataFolder()).filePath(QStringLiteral("RateRewrite.dbf"));
                                     for (auto _ : state) {
                                         FileChange change = DbfTable::load(rate).packChange(QDate::currentDate());
                                         change.path = copy;
                                         applyFileChange(change);
                                     }
                                 })
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
}

}  // namespace

void registerIndexationBenchmarks(BenchRegister& reg)
{
    registerReindexMostChanged(reg);
    registerReindexNoneChanged(reg);
    registerRewriteRateFile(reg);
}

}  // namespace velmar::bench
