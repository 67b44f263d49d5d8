// The seed rows of PenalIst and Inflatie in the benchmark register, which is generated with both empty.
#pragma once

#include "bench/bench_register.h"

namespace velmar::bench {

// Fills whichever of the two tables is still empty with its seed rows; later calls change nothing.
void seedRateTables(BenchRegister& reg);

}  // namespace velmar::bench
