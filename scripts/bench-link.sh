#!/usr/bin/env bash
# Benchmark of the radio link: a full read and a full write of lm418t-cli against the simulated radio at
# 9600 baud (paced), each wall time next to its lower bound, and the longest stall of the event loop.
#   bash scripts/bench-link.sh                 # uses ./build (made when missing)
#   BUILD=build-x TURNAROUND=2 RUNS=3 bash scripts/bench-link.sh
# The lower bound of a transfer is the line time of every byte both ways (10 bits per byte at 9600 baud),
# plus the pauses the protocol mandates (450 ms and 50 ms before the wake-up frame, 5 ms before the ident
# request), plus the simulated radio's turnaround before each of its answers.
set -euo pipefail
export LC_ALL=C
cd "$(dirname "$0")/.."
build=${BUILD:-build}
turnaround=${TURNAROUND:-0}
runs=${RUNS:-1}

if [ ! -x "$build/bin/lm418t-cli" ]; then
  cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
cmake --build "$build" -j"${JOBS:-2}" --target lm418t-cli lm418t-sim >/dev/null 2>&1 ||
  { echo "building lm418t-cli failed; run: cmake --build $build --target lm418t-cli lm418t-sim" >&2; exit 1; }
cli=$build/bin/lm418t-cli

work=$(mktemp -d /tmp/lm418t-bench.XXXXXX)
sim_pid=
cleanup() {
  if [ -n "$sim_pid" ]; then kill "$sim_pid" 2>/dev/null || true; wait "$sim_pid" 2>/dev/null || true; fi
  rm -rf "$work"
}
trap cleanup EXIT

"$build/bin/lm418t-sim" --link "$work/radio" --turnaround "$turnaround" >"$work/sim.out" 2>"$work/sim.err" &
sim_pid=$!
for _ in $(seq 100); do [ -s "$work/sim.out" ] && break; sleep 0.05; done
[ -s "$work/sim.out" ] || { echo "the simulated radio did not start" >&2; cat "$work/sim.err" >&2; exit 1; }

# Bytes of a complete transfer, as the protocol defines them (program out / radio in), and the number of
# frames the radio answers (every frame but the end frame).
#   read:  wake-up 8, ident request 1, confirmation 16, acknowledgement 1, 31 x (request 4 + ack 1), end 1
#          ack 1, ident 16, confirmation answer 1, ack 1, 31 x (block 20 + ack 1)
#   write: wake-up 8, ident request 1, confirmation 16, acknowledgement 1, 58 x frame 12, end 1
#          ack 1, ident 16, confirmation answer 1, ack 1, 58 x ack 1
declare -A out_bytes=([read]=182 [write]=723) in_bytes=([read]=670 [write]=77) answers=([read]=66 [write]=62)

measure() {  # kind, args...: prints "transfer_us wall_us stall_us counted"
  local kind=$1
  shift
  local t0 t1 line
  t0=$(date +%s%N)
  "$cli" "$kind" --port "$work/radio" --timing "$@" >"$work/$kind.out" 2>"$work/$kind.err" ||
    { echo "$kind failed:" >&2; cat "$work/$kind.err" >&2; exit 1; }
  t1=$(date +%s%N)
  line=$(grep '^timing: ' "$work/$kind.err" | tail -1)
  awk -v line="$line" -v wall=$(((t1 - t0) / 1000)) 'BEGIN {
    n = split(line, f, /[ ;,]+/)
    for (i = 1; i <= n; i++) {
      if (f[i + 1] == "ms" && ms == "") ms = f[i]
      if (f[i] == "stall") stall = f[i + 1]
      if (f[i + 1] == "bytes" && f[i + 2] == "out") o = f[i]
      if (f[i + 1] == "bytes" && f[i + 2] == "in") n_in = f[i]
    }
    printf "%d %d %d %s/%s\n", ms * 1000, wall, stall * 1000, o, n_in
  }'
}

"$cli" new "$work/image.dat" >/dev/null
printf '%-6s %12s %12s %8s %14s %12s %14s\n' transfer "Ok..end ms" "bound ms" "over" "command ms" "max stall" "bytes out/in"
for kind in read write; do
  for _ in $(seq "$runs"); do
    if [ "$kind" = read ]; then args=("$work/read.dat"); else args=("$work/image.dat"); fi
    read -r transfer wall stall counted < <(measure "$kind" "${args[@]}")
    awk -v k="$kind" -v t="$transfer" -v w="$wall" -v s="$stall" -v c="$counted" \
        -v o="${out_bytes[$kind]}" -v i="${in_bytes[$kind]}" -v a="${answers[$kind]}" -v ta="$turnaround" 'BEGIN {
      bound = (o + i) * 10 / 9600 * 1e6 + (450 + 50 + 5) * 1000 + a * ta * 1000
      printf "%-6s %12.1f %12.1f %7.1f%% %14.1f %9.1f ms %14s\n", k, t / 1000, bound / 1000, (t - bound) / bound * 100,
             w / 1000, s / 1000, c
    }'
  done
done
echo "bound: line time of ${out_bytes[read]}+${in_bytes[read]} (read) or ${out_bytes[write]}+${in_bytes[write]} (write)" \
     "bytes at 9600 baud 8N1, + 450 + 50 + 5 ms, + ${turnaround} ms turnaround per answer"

# Several radios at once: 1, 2, 4 and 8 paced simulated radios written with --verify, one run after the other.
# Goal: 8 radios in at most 1.15 x the wall time of one, the event loop never kept waiting more than 20 ms.
links=()
for i in 1 2 3 4 5 6 7 8; do links+=(--link "$work/multi$i"); done
"$build/bin/lm418t-sim" "${links[@]}" --turnaround "$turnaround" >"$work/multi.out" 2>"$work/multi.err" &
multi_pid=$!
trap 'kill "$multi_pid" 2>/dev/null || true; wait "$multi_pid" 2>/dev/null || true; cleanup' EXIT
for _ in $(seq 100); do [ -s "$work/multi.out" ] && [ "$(wc -l <"$work/multi.out")" -ge 8 ] && break; sleep 0.05; done
echo
printf '%-7s %12s %10s %12s\n' radios "command ms" "x one" "max stall"
one=
for n in 1 2 4 8; do
  ports=()
  for i in $(seq "$n"); do ports+=(--port "$work/multi$i"); done
  t0=$(date +%s%N)
  "$cli" write "${ports[@]}" --verify --timing "$work/image.dat" >"$work/multi-$n.out" 2>"$work/multi-$n.err" ||
    { echo "writing $n radios failed:" >&2; cat "$work/multi-$n.err" >&2; exit 1; }
  t1=$(date +%s%N)
  wall=$(((t1 - t0) / 1000))
  [ -n "$one" ] || one=$wall
  stall=$(grep '^timing: ' "$work/multi-$n.err" | sed 's/.*stall \([0-9.]*\) ms/\1/' | sort -n | tail -1)
  awk -v n="$n" -v w="$wall" -v o="$one" -v s="$stall" 'BEGIN {
    printf "%-7d %12.1f %9.3fx %9.1f ms\n", n, w / 1000, w / o, s
  }'
done
