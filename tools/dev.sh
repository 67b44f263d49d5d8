#!/usr/bin/env bash
# Installs what Velmar needs on Debian, builds it, then starts the program (run) or runs every test (test);
# sanitize builds everything with AddressSanitizer and UndefinedBehaviorSanitizer in build-asan and runs every
# test there.
# Usage: bash tools/dev.sh run|test|sanitize
set -euo pipefail
cd "$(dirname "$0")/.."

mode=${1:-run}
packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev libgl-dev libsqlite3-dev zlib1g-dev
  libgtest-dev googletest libbenchmark-dev
  python3 python3-dbfread python3-xlrd python3-olefile
  unrtf libreoffice-writer-nogui poppler-utils
  xvfb xauth fonts-dejavu-core
  libreoffice-calc-nogui
  clang libclang-rt-14-dev
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
fi

if [ "$mode" = sanitize ]; then
  # -O1 keeps the sanitizers' reports exact and the run bearable.
  cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-g -O1" \
    -DCMAKE_C_FLAGS_DEBUG="-g -O1" -DVELMAR_SANITIZE=ON -DVELMAR_BUILD_BENCH=OFF
  cmake --build build-asan
  # The start-up maintenance under a fault at each of its 350 file operations (1,050 runs of the program) is
  # left to the ordinary run: under the sanitizers it alone would take longer than all the rest.
  exec ctest --test-dir build-asan --output-on-failure -j "$(nproc)" -E "WriteFaults.*StartupMaintenance"
fi

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build

case "$mode" in
  run) exec ./build/velmar ;;
  test) ctest --test-dir build --output-on-failure -j "$(nproc)" ;;
  *) echo "usage: bash tools/dev.sh run|test|sanitize" >&2; exit 2 ;;
esac
