// One-row changes to Rate, each committed on its own.
#include "bench/benchmarks.h"

#include "bench/row_builder.h"
#include "bench/statements.h"
#include "store/dates.h"

#include <benchmark/benchmark.h>

namespace velmar::bench {

namespace {

// The Database commits in its own journaled transaction, native SQLite in autocommit. Real time, since
// most of it is waiting for the disk.
using Execute = std::function<void(const QString& sql, const QVariantList& params)>;

Execute velmarExecute(BenchRegister& reg)
{
    return [&reg](const QString& sql, const QVariantList& params) { reg.velmar().execute(sql, params); };
}

Execute nativeExecute(BenchRegister& reg)
{
    return [&reg](const QString& sql, const QVariantList& params) { reg.native().run(sql, params); };
}

// A different installment each time, strided so that consecutive updates land far apart in the file.
// ACHITAT really changes: an UPDATE that changes nothing would write nothing.
void registerUpdate(const char* name, BenchRegister& reg, Execute execute)
{
    benchmark::RegisterBenchmark(name,
                                 [&reg, execute, done = qint64(0)](benchmark::State& state) mutable {
                                     for (auto _ : state) {
                                         const qint64 idRata = 1 + (done++ * 7919) % reg.rateRows();
                                         execute(rateUpdate(), {qint64(1), idRata});
                                     }
                                 })
        ->Unit(benchmark::kMicrosecond)
        ->UseRealTime();
}

QVariantList newInstallment(const BenchRegister& reg, qint64 idRata)
{
    const int due = dayNumber(registerDate()) + 31;
    const std::int64_t rata = 1000;
    RowBuilder row(permanentTable(u"Rate"));
    row.set("IDCON", std::int64_t(1 + idRata % reg.size().contracts))
        .set("IDRATA", std::int64_t(idRata))
        .set("NRRATA", std::int64_t(reg.size().installmentsPerContract + 1))
        .set("DATARATA", std::int64_t(due))
        .set("DATAPEN", std::int64_t(due + 30))
        .set("ULTIMA", std::int64_t(due + 30))
        .set("RATAINI", rata)
        .set("RATACALC", rata)
        .set("ACHITAT", std::int64_t(0))
        .set("PENALREST", std::int64_t(0));
    return parametersOf(row.take());
}

void registerInsert(const char* name, BenchRegister& reg, Execute execute)
{
    const QString insert = insertStatement(permanentTable(u"Rate"));
    benchmark::RegisterBenchmark(name,
                                 [&reg, execute, insert, last = reg.rateRows()](benchmark::State& state) mutable {
                                     for (auto _ : state) {
                                         state.PauseTiming();
                                         const QVariantList params = newInstallment(reg, ++last);
                                         state.ResumeTiming();
                                         execute(insert, params);
                                     }
                                 })
        ->Unit(benchmark::kMicrosecond)
        ->UseRealTime();
}

}  // namespace

void registerWriteBenchmarks(BenchRegister& reg)
{
    registerUpdate("UpdateRate/Velmar", reg, velmarExecute(reg));
    registerUpdate("UpdateRate/Native", reg, nativeExecute(reg));
    registerInsert("InsertRate/Velmar", reg, velmarExecute(reg));
    registerInsert("InsertRate/Native", reg, nativeExecute(reg));
}

}  // namespace velmar::bench
