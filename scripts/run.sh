#!/usr/bin/env bash
# Installs what is missing, builds Vocamir and starts it in the user's working folder
# ($VOCAMIR_HOME, else ~/.local/share/vocamir), which the first start fills with the starter
# dictionary.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DVOCAMIR_TESTS=OFF
cmake --build build
exec build/vocamir-launcher
