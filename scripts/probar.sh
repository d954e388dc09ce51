#!/usr/bin/env bash
# Sets up, builds and runs every test: once as released, once under
# AddressSanitizer and UndefinedBehaviorSanitizer (with the saved-game fuzzer).
set -euo pipefail
raiz="$(cd "$(dirname "$0")/.." && pwd)"
cd "$raiz"
bash scripts/preparar.sh

for preset in publicada sanitizers; do
    cmake --preset "$preset"
    cmake --build --preset "$preset" --parallel "$(nproc)"
    ctest --preset "$preset"
done
