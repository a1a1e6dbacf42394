#!/usr/bin/env bash
# Installs what is missing, builds Vocamir and starts it in the user's working folder.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DVOCAMIR_TESTS=OFF
cmake --build build
home="${VOCAMIR_HOME:-$HOME/.local/share/vocamir}"
mkdir -p "$home/data"
cd "$home"
exec "$OLDPWD/build/src/app/vocamir"
