#!/usr/bin/env bash
# Installs the Debian packages that the build and the tests need. Run as root; does nothing when all are present.
set -euo pipefail
packages=(cmake g++ make pkg-config libgtest-dev qt6-base-dev qt6-serialport-dev qt6-translations-l10n libgl-dev xvfb xauth
  ccache clang-format)
# The Debian package and its checks: manual pages, dependencies, lintian, the desktop, MIME and AppStream files.
packages+=(help2man gzip file dpkg-dev lintian desktop-file-utils appstream shared-mime-info libglib2.0-bin man-db
  groff-base)
[ "${1:-}" = "--fuzz" ] && packages+=(clang-14 libclang-rt-14-dev)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
