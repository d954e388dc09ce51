#!/usr/bin/env bash
# Sets up, builds and runs every test: once as released, once under
# AddressSanitizer and UndefinedBehaviorSanitizer (with the saved-game fuzzer).
set -euo pipefail
raiz="$(cd "$(dirname "$0")/.." && pwd)"
export QT_QPA_PLATFORM=offscreen
bash "$raiz/scripts/preparar.sh"

cmake -S "$raiz" -B "$raiz/build" -DCMAKE_BUILD_TYPE=Release
cmake --build "$raiz/build" --parallel "$(nproc)"
(cd "$raiz/build" && ctest --output-on-failure)

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS=suppressions="$raiz/scripts/lsan.supp"
cmake -S "$raiz" -B "$raiz/build-san" -DCMAKE_BUILD_TYPE=Debug \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DZW_SANITIZERS=ON
cmake --build "$raiz/build-san" --parallel "$(nproc)"
(cd "$raiz/build-san" && ctest --output-on-failure)
