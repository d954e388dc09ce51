#!/usr/bin/env bash
# Contact sheet of the game's pictures: builds what is missing, then writes into
# a folder (default build/hoja/) one PNG per picture: every scene as the game
# shows it, every scene at double size with its hotspots outlined and named,
# every built-in picture, and hoja.png with all of them together.
# The windows are grabbed at the zoom given (1, 1.5, 2, 3 or 4).
#   scripts/hoja-de-contactos.sh [folder [build folder [zoom]]]
set -euo pipefail
raiz="$(cd "$(dirname "$0")/.." && pwd)"
construccion="${2:-$raiz/build}"
salida="${1:-$construccion/hoja}"
bash "$raiz/scripts/preparar.sh"
[ -f "$construccion/CMakeCache.txt" ] || cmake -S "$raiz" -B "$construccion" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=ON
cmake --build "$construccion" --target zw_hoja --parallel "$(nproc)"
QT_QPA_PLATFORM=offscreen "$construccion/zw_hoja" "$salida" "${3:-1}"
