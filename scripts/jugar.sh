#!/usr/bin/env bash
# Sets up, builds and starts the game from the folder that holds graficos/.
set -euo pipefail
raiz="$(cd "$(dirname "$0")/.." && pwd)"
bash "$raiz/scripts/preparar.sh"
cmake -S "$raiz" -B "$raiz/build" -DCMAKE_BUILD_TYPE=Release
cmake --build "$raiz/build" --parallel "$(nproc)"
cd "$raiz/build"
exec ./zarrapio-world
