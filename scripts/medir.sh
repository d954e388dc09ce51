#!/usr/bin/env bash
# Timings, never run by the tests. First the start-up against a bare Qt window
# built by the project (offscreen, on an X server, at density 2, and the peak
# memory; medians of alternating runs), then a change of scene and the
# adventure screen's first paint at ×2 against ×1, on screens of density 2
# and 1, then loading the largest saved game and reading the worst pictures a
# player can put in graficos/. Builds what is missing first.
#   scripts/medir.sh [build folder [runs]]
set -euo pipefail
raiz="$(cd "$(dirname "$0")/.." && pwd)"
construccion="${1:-$raiz/build}"
bash "$raiz/scripts/preparar.sh"
[ -f "$construccion/CMakeCache.txt" ] || cmake --preset publicada
cmake --build "$construccion" --target zarrapio-world zw_ventana_sola zw_medir_escala zw_medir_carga --parallel 2
xvfb-run -a -s "-screen 0 1920x1080x24 -noreset" python3 "$raiz/scripts/medir-arranque.py" "$construccion" "${2:-21}"
# primeraPintura measures ten starts itself; -iterations would divide it.
for densidad in 2 1; do
  for prueba in "cambioDeEscena -iterations 20" "primeraPintura"; do
    # shellcheck disable=SC2086
    QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=$densidad "$construccion/zw_medir_escala" $prueba 2>&1 \
      | grep -E -A1 "densidad|RESULT|FAIL" | grep -v "^--" || true
  done
done
QT_QPA_PLATFORM=offscreen "$construccion/zw_medir_carga" 2>&1 | grep -E -A1 "RESULT|FAIL|procesador" | grep -v "^--" || true
