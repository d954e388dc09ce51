#!/usr/bin/env bash
# Sets up, builds and runs every test: once as released (the window suites a
# second time on a real X server under a window manager, and the Debian
# package built, checked and played), once under AddressSanitizer and
# UndefinedBehaviorSanitizer (with the saved-game fuzzer).
set -euo pipefail
raiz="$(cd "$(dirname "$0")/.." && pwd)"
cd "$raiz"
bash scripts/preparar.sh

for preset in publicada sanitizers; do
    cmake --preset "$preset"
    cmake --build --preset "$preset" --parallel "$(nproc)"
    ctest --preset "$preset"
done

# The window suites again on a real X server, whose window manager frames the
# windows as a desktop does, and the windows' fit once more on a 720-line one;
# then the Debian package.
xvfb-run -a -n 110 -s "-screen 0 3840x2160x24 -noreset" \
    bash scripts/con-openbox.sh ctest --preset publicada -C x11 -L '^x11$'
xvfb-run -a -n 110 -s "-screen 0 1280x720x24 -noreset" \
    bash scripts/con-openbox.sh ctest --preset publicada -C x11 -L '^x11_pequena$'
bash scripts/probar-paquete.sh build
