#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a bounded time (FUZZ_SECONDS, default 20).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh --fuzz
seconds=${FUZZ_SECONDS:-20}
CC=clang-14 CXX=clang++-14 cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLM_FUZZ=ON \
  -DLM_BUILD_GUI=OFF >/dev/null
targets=$(cd tests/fuzz && ls *_fuzz.cpp | sed 's/\.cpp$//')
for t in $targets; do cmake --build build-fuzz -j"${JOBS:-2}" --target "$t"; done
status=0
for t in $targets; do
  corpus="build-fuzz/corpus/$t"
  mkdir -p "$corpus"
  seeds="tests/fuzz/seeds/$t"
  echo "== $t for ${seconds}s"
  if ! build-fuzz/bin/"$t" -max_total_time="$seconds" -print_final_stats=1 "$corpus" \
       $( [ -d "$seeds" ] && echo "$seeds" ); then
    echo "$t found a fault; the reproducer is in the current folder (crash-*); run it again with build-fuzz/bin/$t crash-..." >&2
    status=1
  fi
done
exit $status
