// Opening the contract list window's grid: the list loaded and put into the grid model, beside the loading alone.
#include "bench/benchmarks.h"

#include "contracts/contract_list.h"
#include "contracts/contract_list_columns.h"
#include "widgets/rows_model.h"

#include <algorithm>
#include <benchmark/benchmark.h>

namespace velmar::bench {

namespace {

constexpr int kScreenRows = 40;  // what the first paint of the grid asks for, around the current last row

}  // namespace

void registerListOpeningBenchmarks(BenchRegister& reg)
{
    benchmark::RegisterBenchmark("OpenList/LoadOnly",
                                 [&reg](benchmark::State& state) {
                                     for (auto _ : state)
                                         benchmark::DoNotOptimize(LoadContractList(reg.velmar()));
                                 })
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
    // As the window opens: default order, "only active" checked, the last screenful's texts.
    benchmark::RegisterBenchmark(
        "OpenList/LoadAndModel",
        [&reg](benchmark::State& state) {
            for (auto _ : state) {
                RowsModel<ContractRow> model(contractListColumns(), nullptr);
                model.setRows(LoadContractList(reg.velmar()));
                model.setFilter([only = ContractFilter{QString(), QString(), true}](const ContractRow& r) {
                    return only.accepts(r);
                });
                for (int r = std::max(model.rowCount() - kScreenRows, 0); r < model.rowCount(); ++r)
                    for (int c = 0; c < model.columnCount(); ++c)
                        benchmark::DoNotOptimize(model.data(model.index(r, c), Qt::DisplayRole));
            }
        })
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
}

}  // namespace velmar::bench
