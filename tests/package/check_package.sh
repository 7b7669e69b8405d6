#!/usr/bin/env bash
# Checks a built Debian package without installing it: its files, lintian, the desktop, MIME and AppStream
# files, the manual pages, and the programs run from the unpacked tree.
#
#   bash tests/package/check_package.sh lm418t_<version>_<arch>.deb
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
readme=$here/../../README.md
deb=$(realpath "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "package check: $*" >&2; exit 1; }
step() { echo "package check: $*"; }

version=$(dpkg-deb -f "$deb" Version)
[ "$(basename "$deb")" = "lm418t_${version}_$(dpkg-deb -f "$deb" Architecture).deb" ] || fail "file name $(basename "$deb")"
[[ $(dpkg-deb -f "$deb" Depends) == *libqt6widgets6* ]] || fail "no library dependencies computed"

step "file list"
dpkg-deb -c "$deb" | awk '{ print $6 }' | sed 's#^\./#/#' >"$work/files"
for path in /usr/bin/lm418t /usr/bin/lm418t-cli \
  /usr/share/lm418t/English.Ini /usr/share/lm418t/Chinese.Ini /usr/share/lm418t/SysInfo.Ini \
  /usr/share/lm418t/QX_English.html /usr/share/lm418t/QX_Chinese.html \
  /usr/share/applications/lm418t.desktop /usr/share/icons/hicolor/scalable/apps/lm418t.svg \
  /lib/udev/rules.d/70-lm418t-cable.rules /usr/share/mime/packages/lm418t.xml \
  /usr/share/metainfo/example.lm418t.programmer.metainfo.xml \
  /usr/share/man/man1/lm418t.1.gz /usr/share/man/man1/lm418t-cli.1.gz \
  /usr/share/bash-completion/completions/lm418t-cli \
  /usr/share/doc/lm418t/copyright /usr/share/doc/lm418t/changelog.gz; do
  grep -qx -- "$path" "$work/files" || fail "missing $path"
done
if grep -q 'lm418t-sim' "$work/files"; then fail "the developer tool lm418t-sim is in the package"; fi

step "lintian"
lintian --fail-on error --no-tag-display-limit "$deb" >"$work/lintian" 2>&1 || { cat "$work/lintian"; fail "lintian found errors"; }
# Every warning that stays has its reason in the README.
for tag in $(sed -n 's/^W: [^:]*: \([a-z0-9-]*\).*/\1/p' "$work/lintian" | sort -u); do
  grep -q -- "$tag" "$readme" || { cat "$work/lintian"; fail "lintian warning $tag is not explained in the README"; }
done

dpkg-deb -x "$deb" "$work/root"
root=$work/root
changelog_version=$(zcat "$root/usr/share/doc/lm418t/changelog.gz" | dpkg-parsechangelog -l - -S Version)
[ "$changelog_version" = "$version" ] || fail "the changelog's last entry is $changelog_version, the package $version"

step "desktop entry, AppStream metadata"
desktop-file-validate "$root/usr/share/applications/lm418t.desktop" >"$work/desktop" ||
  { cat "$work/desktop"; fail "desktop entry"; }
appstreamcli validate --no-net "$root/usr/share/metainfo/example.lm418t.programmer.metainfo.xml" >"$work/as" ||
  { cat "$work/as"; fail "AppStream metadata"; }

step "the programs from the unpacked tree"
# No display, no settings of this machine: a home of its own.
export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config
mkdir -p "$HOME"
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM XDG_DATA_HOME
bin=$root/usr/bin
[ "$("$bin/lm418t-cli" --version)" = "lm418t-cli $version" ] || fail "lm418t-cli --version"
[ "$("$bin/lm418t" --version)" = "lm418t $version" ] || fail "lm418t --version"
"$bin/lm418t" --help >"$work/help" && grep -q '^Usage: lm418t ' "$work/help" || fail "lm418t --help"
"$bin/lm418t-cli" new "$work/radio.dat" >/dev/null
[ "$(stat -c %s "$work/radio.dat")" = 544 ] || fail "lm418t-cli new made no data file"
# The settings of a first run are the package's defaults, and the language files are the package's.
cmp -s "$root/usr/share/lm418t/SysInfo.Ini" "$HOME/.config/lm418t/SysInfo.Ini" ||
  fail "the unpacked lm418t-cli did not find its default settings"
"$bin/lm418t-cli" sheet "$work/radio.dat" --html "$work/sheet.html" --language Chinese
grep -q '信道' "$work/sheet.html" || fail "the unpacked lm418t-cli did not find its Chinese language file"

step "data file type"
mkdir -p "$work/mime/mime/packages"
cp /usr/share/mime/packages/freedesktop.org.xml "$root/usr/share/mime/packages/lm418t.xml" "$work/mime/mime/packages/"
update-mime-database "$work/mime/mime" 2>/dev/null
head -c 544 /dev/zero >"$work/zeros.dat"
type_of() { XDG_DATA_HOME=$work/mime XDG_DATA_DIRS=$work/mime gio info -a standard::content-type "$1" | sed -n 's/.*content-type: //p'; }
[ "$(type_of "$work/radio.dat")" = application/x-lm418t-data ] || fail "a data file is not recognised"
[ "$(type_of "$work/zeros.dat")" != application/x-lm418t-data ] || fail "any .dat file is taken for a data file"

step "manual pages"
for page in lm418t lm418t-cli; do
  file=$root/usr/share/man/man1/$page.1.gz
  MANWIDTH=80 man -l "$file" >"$work/man.txt" 2>"$work/man.err" && grep -q '^EXAMPLES' "$work/man.txt" ||
    { cat "$work/man.err"; fail "man -l $page"; }
  warnings=$(zcat "$file" | groff -ww -man -z 2>&1)
  [ -z "$warnings" ] || fail "groff warns about $page(1): $warnings"
done

step "bash completion"
mkdir "$work/completion"
PATH=$bin:$PATH bash "$here/completion_test.sh" "$root/usr/share/bash-completion/completions/lm418t-cli" "$work/completion"

echo "package check: $(basename "$deb") is fine"
