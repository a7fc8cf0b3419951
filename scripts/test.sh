#!/usr/bin/env bash
# Installs what is missing, builds everything and runs the whole test suite.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
# KOMPRESTO_CMAKE_ARGS adds configure options (CI turns warnings into errors with it).
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo ${KOMPRESTO_CMAKE_ARGS:-}
cmake --build build --parallel "$(nproc)"
ctest --test-dir build --output-on-failure --parallel "$(nproc)" "$@"
