#!/usr/bin/env bash
# Start-up benchmark of the windowed program (not a test): the time from starting the process to the main window
# shown (first paint), and the peak memory, over several runs under a virtual X server. Goal: < 0.5 s, < 80 MB.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${BUILD_DIR:-build}
runs=${RUNS:-10}
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=${BUILD_TYPE:-RelWithDebInfo} >/dev/null
cmake --build "$build" -j"${JOBS:-2}" --target lm418t-bench-startup >/dev/null
tool="$build/bin/lm418t-bench-startup"
measure() {
  for _ in $(seq "$runs"); do "$tool"; done
}
if [ -n "${DISPLAY:-}" ] && [ -z "${FORCE_XVFB:-}" ]; then
  results=$(measure)
else
  command -v xvfb-run >/dev/null || { echo "xvfb-run is missing (apt-get install xvfb xauth)"; exit 1; }
  results=$(xvfb-run -a -s "-screen 0 1280x800x24" bash -c "for i in \$(seq $runs); do '$tool'; done")
fi
times=$(echo "$results" | sed -n 's/.*shown_s=\([0-9.]*\).*/\1/p' | sort -n)
rss=$(echo "$results" | sed -n 's/.*peak_rss_mb=\([0-9.]*\).*/\1/p' | sort -n | tail -1)
echo "$times" | awk -v rss="$rss" '
  { t[NR] = $1 }
  END {
    n = NR
    median = (n % 2) ? t[(n + 1) / 2] : (t[n / 2] + t[n / 2 + 1]) / 2
    printf "runs: %d\nmain window shown: median %.3f s, min %.3f s, max %.3f s\npeak memory: %.1f MB\n",
           n, median, t[1], t[n], rss
  }'
