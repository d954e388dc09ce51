#!/usr/bin/env bash
# Sets up, builds and starts the game from the folder that holds graficos/.
set -euo pipefail
raiz="$(cd "$(dirname "$0")/.." && pwd)"
cd "$raiz"
bash scripts/preparar.sh
cmake --preset publicada
cmake --build --preset publicada --parallel "$(nproc)"
cd build
exec ./zarrapio-world
