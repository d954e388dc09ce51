#!/usr/bin/env bash
# Sets up, builds and runs every test: once as released (the window suites a
# second time on a real X server, and the Debian package built, checked and
# played), once under AddressSanitizer and UndefinedBehaviorSanitizer (with
# the saved-game fuzzer).
set -euo pipefail
raiz="$(cd "$(dirname "$0")/.." && pwd)"
cd "$raiz"
bash scripts/preparar.sh

for preset in publicada sanitizers; do
    cmake --preset "$preset"
    cmake --build --preset "$preset" --parallel "$(nproc)"
    ctest --preset "$preset"
done

# The window suites again on a real X server, then the Debian package.
xvfb-run -a -n 110 -s "-screen 0 3840x2160x24 -noreset" ctest --preset publicada -C x11 -L x11
bash scripts/probar-paquete.sh build
