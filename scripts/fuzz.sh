#!/usr/bin/env bash
# Long fuzzing of the saved-game reader: scripts/fuzz.sh [seconds] (an hour by default).
# Uses the sanitizer build's fuzzer (built if missing), keeps its growing corpus
# outside the repository, notes the fuzzer's memory every minute, and copies any
# failing input into fuzz/regresiones/, where it belongs once committed.
set -euo pipefail
raiz="$(cd "$(dirname "$0")/.." && pwd)"
segundos="${1:-3600}"
construccion="$raiz/build-san"
trabajo="${ZW_FUZZ_TRABAJO:-${XDG_CACHE_HOME:-$HOME/.cache}/zarrapio-world/fuzz}"
limite_mb=512

if [ ! -x "$construccion/partida_fuzz" ]; then
  (cd "$raiz" && cmake --preset sanitizers && cmake --build --preset sanitizers --target partida_fuzz)
fi
mkdir -p "$trabajo/corpus"
rm -rf "$trabajo/artefactos"
mkdir -p "$trabajo/artefactos"
echo "Corpus: $trabajo/corpus; registro: $trabajo/fuzz.log"

# Inputs up to 128 KiB; the seeds and kept regressions are read, never written.
nice -n 19 "$construccion/partida_fuzz" -max_total_time="$segundos" -max_len=131072 \
  -rss_limit_mb="$limite_mb" -timeout=10 -print_final_stats=1 \
  -artifact_prefix="$trabajo/artefactos/" \
  "$trabajo/corpus" "$raiz/fuzz/semillas" "$raiz/fuzz/regresiones" > "$trabajo/fuzz.log" 2>&1 &
fuzzer=$!
trap 'kill "$fuzzer" 2>/dev/null || true' INT TERM

# The resident memory now, not libFuzzer's "rss:", which is the peak so far.
minuto=0
: > "$trabajo/memoria.log"
while kill -0 "$fuzzer" 2>/dev/null; do
  sleep 60 & wait $! || true
  minuto=$((minuto + 1))
  rss=$(awk '/^VmRSS/ {print int($2 / 1024)}' "/proc/$fuzzer/status" 2>/dev/null || true)
  [ -n "$rss" ] && echo "minuto $minuto: $rss MB" | tee -a "$trabajo/memoria.log"
done

resultado=0
wait "$fuzzer" || resultado=$?
tail -n 12 "$trabajo/fuzz.log"
if [ "$resultado" -ne 0 ]; then
  for f in "$trabajo"/artefactos/*; do
    [ -e "$f" ] || continue
    cp "$f" "$raiz/fuzz/regresiones/"
    echo "Failing input kept as fuzz/regresiones/$(basename "$f"): fix the reader, then commit it."
  done
  exit "$resultado"
fi
