#!/usr/bin/env bash
# Starts the windowed program's screenshot tool under a virtual X server and saves PNG pictures of the main
# window and of every dialog into docs/screenshots/.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${BUILD_DIR:-build}
out=${1:-docs/screenshots}
cmake -S . -B "$build" >/dev/null
cmake --build "$build" -j"${JOBS:-2}" --target lm418t-screenshots lm418t >/dev/null
mkdir -p "$out"
fc-list 2>/dev/null | grep -qiE "wqy|cjk|droid" ||
  echo "note: no Chinese font found (apt-get install fonts-wqy-microhei); Chinese texts will show as boxes"
out=$(cd "$out" && pwd)
tool="$build/bin/lm418t-screenshots"
if [ -n "${DISPLAY:-}" ] && [ -z "${FORCE_XVFB:-}" ]; then
  "$tool" "$out"
else
  command -v xvfb-run >/dev/null || { echo "xvfb-run is missing (apt-get install xvfb xauth)"; exit 1; }
  xvfb-run -a -s "-screen 0 1680x1050x24" "$tool" "$out"
fi
rm -f "$out/SysInfo.Ini"
ls -1 "$out"/*.png
