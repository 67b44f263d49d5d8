// The benchmarks: engine pairs (Velmar against native SQLite) and the debt computations with their yardsticks.
#pragma once

#include "bench/bench_register.h"

namespace velmar::bench {

void registerContractListBenchmarks(BenchRegister& reg);  // (a) the contract-list query
void registerFirstLoadBenchmarks(BenchRegister& reg);     // (d) a fresh connection's first contract list
void registerWriteBenchmarks(BenchRegister& reg);         // (b) UPDATE and (c) INSERT of one Rate row
void registerIndexationBenchmarks(BenchRegister& reg);    // re-indexing every installment, one rewrite of Rate.dbf
void registerPenaltyBenchmarks(BenchRegister& reg);       // ComputePenalty on the seed penalty rates
void registerListOpeningBenchmarks(BenchRegister& reg);   // the contract list window's grid, against the loading alone
void registerReportBenchmarks(BenchRegister& reg);   // the debts list filled from its template, against from scratch
void registerReceiptBenchmarks(BenchRegister& reg);  // one receipt, against the details query of its contract
void registerSlipDebtsBenchmarks(
    BenchRegister& reg);  // the register's debts list and a year's slip, against filling from CSV
void registerSheetBenchmarks(BenchRegister& reg);       // one calculation sheet, against the template filling alone
void registerSuggestionBenchmarks(BenchRegister& reg);  // a suggestion sent to 127.0.0.1, against the bare exchange
void registerExportBenchmarks(BenchRegister& reg);  // the contract list exported, against LibreOffice from CSV

}  // namespace velmar::bench
