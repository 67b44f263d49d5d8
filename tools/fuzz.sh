#!/usr/bin/env bash
# Builds the fuzz targets with clang in build-fuzz and runs each for SECONDS (30 unless given) over its seed
# corpus in tests/fuzz/corpus and what earlier runs found. Inputs that crash are left in build-fuzz/crashes.
# Usage: bash tools/fuzz.sh [SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-30}
targets=(fuzz_dbf_table fuzz_ini_file fuzz_workbook fuzz_csv_dataset fuzz_rtf_replace)

cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_C_COMPILER=clang -DVELMAR_BUILD_TESTS=OFF -DVELMAR_FUZZ=ON
cmake --build build-fuzz --target "${targets[@]}"

failed=()
for target in "${targets[@]}"; do
  found=build-fuzz/corpus/$target
  mkdir -p "$found" build-fuzz/crashes
  echo "== $target: ${seconds} s"
  if ! ./build-fuzz/"$target" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$target"- "$found" tests/fuzz/corpus/"$target" 2>build-fuzz/"$target".log; then
    failed+=("$target")
  fi
  grep -E '^(stat::number_of_executed_units|stat::peak_rss_mb|Done)' build-fuzz/"$target".log || true
done

if [ ${#failed[@]} -gt 0 ]; then
  echo "crashes in: ${failed[*]} (see build-fuzz/<target>.log and build-fuzz/crashes)" >&2
  exit 1
fi
