// The benchmark pairs, each timing the dBase engine (Velmar) and native SQLite on the same statement.
#pragma once

#include "bench/bench_register.h"

namespace velmar::bench {

void registerContractListBenchmarks(BenchRegister& reg);  // (a) the contract-list query
void registerFirstLoadBenchmarks(BenchRegister& reg);     // (d) a fresh connection's first contract list
void registerWriteBenchmarks(BenchRegister& reg);         // (b) UPDATE and (c) INSERT of one Rate row

}  // namespace velmar::bench
