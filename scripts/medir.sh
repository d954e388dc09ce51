#!/usr/bin/env bash
# Times the windows at zoom ×2 against ×1 on a screen of density 2 (and 1):
# a change of scene and the adventure screen's first paint. Builds what is
# missing first.   scripts/medir.sh [build folder]
set -euo pipefail
raiz="$(cd "$(dirname "$0")/.." && pwd)"
construccion="${1:-$raiz/build}"
bash "$raiz/scripts/preparar.sh"
[ -f "$construccion/CMakeCache.txt" ] || cmake -S "$raiz" -B "$construccion" -DCMAKE_BUILD_TYPE=Release
cmake --build "$construccion" --target zw_medir_escala --parallel 2
# primeraPintura measures ten starts itself; -iterations would divide it.
for densidad in 2 1; do
  for prueba in "cambioDeEscena -iterations 20" "primeraPintura"; do
    # shellcheck disable=SC2086
    QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=$densidad "$construccion/zw_medir_escala" $prueba 2>&1 \
      | grep -E -A1 "densidad|RESULT|FAIL" | grep -v "^--" || true
  done
done
