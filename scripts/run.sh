#!/usr/bin/env bash
# Installs what is missing, builds Morvessa in Release into build/ and launches it.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
morvessa_install_deps
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DMORVESSA_TESTS=OFF -DMORVESSA_BENCH=OFF
cmake --build build --target morvessa
exec build/morvessa "$@"
