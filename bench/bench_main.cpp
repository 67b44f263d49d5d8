// velmar-bench: the dBase engine against native SQLite on a register of realistic size.
#include "bench/benchmarks.h"

#include <QCoreApplication>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <exception>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);  // the suggestion benchmarks run the event loop
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    try {
        velmar::bench::BenchRegister reg(velmar::bench::benchRegisterSize());
        // Reads first, on the register as generated; the writes change it.
        velmar::bench::registerContractListBenchmarks(reg);
        velmar::bench::registerFirstLoadBenchmarks(reg);
        velmar::bench::registerListOpeningBenchmarks(reg);
        velmar::bench::registerWriteBenchmarks(reg);
        velmar::bench::registerIndexationBenchmarks(reg);
        velmar::bench::registerPenaltyBenchmarks(reg);
        velmar::bench::registerReportBenchmarks(reg);
        velmar::bench::registerReceiptBenchmarks(reg);
        velmar::bench::registerSlipDebtsBenchmarks(reg);
        velmar::bench::registerSheetBenchmarks(reg);
        velmar::bench::registerSuggestionBenchmarks(reg);
        velmar::bench::registerExportBenchmarks(reg);
        benchmark::RunSpecifiedBenchmarks();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "velmar-bench: %s\n", e.what());
        return 1;
    }
    benchmark::Shutdown();
    return 0;
}
