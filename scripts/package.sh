#!/usr/bin/env bash
# Builds the Debian package lm418t_<version>_<arch>.deb with CPack.
#
#   bash scripts/package.sh                      a Release build in build-release/, the package here
#   bash scripts/package.sh --build-dir DIR      the package of a build folder that exists already (it is
#                                                built first; the test command packages its own build)
#   bash scripts/package.sh --output DIR         the package into DIR
set -euo pipefail
cd "$(dirname "$0")/.."
# Standard output is the path of the package, for the test command; everything else goes to standard error.
exec 3>&1 1>&2
build=""
output=.
while [ $# -gt 0 ]; do
  case "$1" in
    --build-dir) build=$2; shift 2 ;;
    --output) output=$2; shift 2 ;;
    *) echo "usage: $0 [--build-dir DIR] [--output DIR]" >&2; exit 2 ;;
  esac
done
bash scripts/setup.sh
if [ -z "$build" ]; then
  build=build-release
  # Debian's compiler and linker flags, hardening included, as Debian builds its packages (with its -O2).
  export DEB_BUILD_MAINT_OPTIONS=hardening=+all
  cxxflags="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)"
  cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr -DLM_BUILD_TESTS=OFF \
    -DCMAKE_CXX_FLAGS="${cxxflags//-g /}" -DCMAKE_CXX_FLAGS_RELEASE=-DNDEBUG \
    -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" >/dev/null
fi
# The programs look for their data in the folder they were built for: the package's, /usr.
prefix=$(sed -n 's/^CMAKE_INSTALL_PREFIX:PATH=//p' "$build/CMakeCache.txt")
if [ "$prefix" != /usr ]; then
  echo "$build is configured for the prefix $prefix; the package needs -DCMAKE_INSTALL_PREFIX=/usr" >&2
  exit 1
fi
cmake --build "$build" -j"${JOBS:-2}"
staging=$(realpath "$build")/cpack
rm -rf "$staging"
if ! cpack --config "$build/CPackConfig.cmake" -B "$staging" >"$staging.log" 2>&1; then
  cat "$staging.log" >&2
  exit 1
fi
mkdir -p "$output"
for deb in "$staging"/lm418t_*.deb; do
  cp "$deb" "$output/"
  echo "$output/$(basename "$deb")" >&3
done
