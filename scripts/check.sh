#!/usr/bin/env bash
# Installs what is missing, builds Kelvaro and runs every test: the whole suite
# in the Release build, then the engine's tests again under the sanitizers.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh

cmake --preset release
cmake --build --preset release
ctest --preset release

cmake --preset asan
cmake --build --preset asan
ctest --preset asan
