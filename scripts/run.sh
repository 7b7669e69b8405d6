#!/usr/bin/env bash
# Sets up, builds and starts the program.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"${JOBS:-2}"
if [ -x build/src/shell/lm418t ]; then
  exec build/src/shell/lm418t "$@"
else
  exec build/src/cli/lm418t-cli --help
fi
