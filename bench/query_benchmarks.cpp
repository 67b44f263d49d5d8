// The contract list on warm connections, and on a connection just opened (the files parsed anew).
#include "bench/benchmarks.h"

#include "bench/result_digest.h"
#include "bench/statements.h"

#include <benchmark/benchmark.h>

namespace velmar::bench {

namespace {

ResultDigest nativeContractList(NativeDb& db)
{
    ResultDigest digest;
    db.run(contractListQuery(), {}, [&digest](sqlite3_stmt* row) { digest.add(row); });
    return digest;
}

}  // namespace

void registerContractListBenchmarks(BenchRegister& reg)
{
    benchmark::RegisterBenchmark("ContractList/Velmar",
                                 [&reg](benchmark::State& state) {
                                     for (auto _ : state)
                                         benchmark::DoNotOptimize(reg.velmar().select(contractListQuery()));
                                 })
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
    benchmark::RegisterBenchmark("ContractList/Native",
                                 [&reg](benchmark::State& state) {
                                     for (auto _ : state)
                                         benchmark::DoNotOptimize(nativeContractList(reg.native()));
                                 })
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
}

void registerFirstLoadBenchmarks(BenchRegister& reg)
{
    benchmark::RegisterBenchmark("FirstLoad/Velmar",
                                 [&reg](benchmark::State& state) {
                                     for (auto _ : state) {
                                         Database db(reg.dataFolder());
                                         benchmark::DoNotOptimize(db.select(contractListQuery()));
                                     }
                                 })
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
    benchmark::RegisterBenchmark("FirstLoad/Native",
                                 [&reg](benchmark::State& state) {
                                     for (auto _ : state) {
                                         NativeDb db(reg.nativePath());
                                         benchmark::DoNotOptimize(nativeContractList(db));
                                     }
                                 })
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
}

}  // namespace velmar::bench
