#!/usr/bin/env bash
# Sets up, builds and runs every test: a normal build and its Debian package, then the same suite with ASan
# and UBSan.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
jobs=${JOBS:-2}
export QT_QPA_PLATFORM=offscreen
bash scripts/check-format.sh

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_INSTALL_PREFIX=/usr -DLM_WERROR=ON >/dev/null
cmake --build build -j"$jobs"
ctest --test-dir build --output-on-failure -j"$jobs"
# The Debian package of this build, checked without installing it.
deb=$(bash scripts/package.sh --build-dir build --output build/deb)
bash tests/package/check_package.sh "$deb"

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DLM_SANITIZE=ON -DLM_WERROR=ON >/dev/null
cmake --build build-asan -j"$jobs"
ctest --test-dir build-asan --output-on-failure -j"$jobs"
