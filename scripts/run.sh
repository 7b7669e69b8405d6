#!/usr/bin/env bash
# Sets up, builds and starts the program.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"${JOBS:-2}"
if [ -x build/bin/lm418t ]; then
  exec build/bin/lm418t "$@"
else
  exec build/bin/lm418t-cli --help
fi
