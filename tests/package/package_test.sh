#!/usr/bin/env bash
# The command-line conventions of both programs without a display, and the Debian package made by
# cpack from this build: its control data, its file list, and the data tool started from the
# unpacked files. Arguments: the build folder, the vocamir program, the vocamir-data program.
set -euo pipefail
build=$1 vocamir=$2 datatool=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# No display at all: --help and --version must not need one.
out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$vocamir" --help) || fail "vocamir --help"
grep -q '^Usage: vocamir' <<<"$out" || fail "vocamir --help printed: $out"
out=$(env -u DISPLAY -u QT_QPA_PLATFORM "$vocamir" --version) || fail "vocamir --version"
[[ $out =~ ^vocamir\ [0-9]+\.[0-9]+ ]] || fail "vocamir --version printed: $out"
status=0
QT_QPA_PLATFORM=offscreen "$vocamir" --no-such-option >"$work/out" 2>"$work/err" || status=$?
[ "$status" = 2 ] || fail "vocamir with a bad option exited $status"
[ ! -s "$work/out" ] && grep -q 'no-such-option' "$work/err" || fail "bad option not on stderr"

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work/pkg" >"$work/cpack.log" 2>&1 ||
  { cat "$work/cpack.log"; fail "cpack"; }
deb=$(ls "$work"/pkg/vocamir_*.deb)
depends=$(dpkg-deb -f "$deb" Depends)
for needed in libqt6widgets6 libsqlite3-0 libespeak-ng1 espeak-ng-data qt6-qpa-plugins; do
  grep -q "$needed" <<<"$depends" || fail "Depends lacks $needed: $depends"
done
files=$(dpkg-deb -c "$deb" | awk '{print $6}')
for path in ./usr/bin/vocamir ./usr/bin/vocamir-data ./usr/bin/vocamir-launcher \
  ./usr/share/vocamir/starter/data/vocamir.db ./usr/share/vocamir/mine.ico \
  ./usr/share/applications/vocamir.desktop ./usr/share/icons/hicolor/scalable/apps/vocamir.svg \
  ./usr/share/man/man1/vocamir.1.gz ./usr/share/man/man1/vocamir-data.1.gz \
  ./usr/share/doc/vocamir/guide.md; do
  grep -qx "$path" <<<"$files" || fail "the package lacks $path"
done
grep -q 'vocamir.lock' <<<"$files" && fail "the package holds a lock file"

dpkg-deb -x "$deb" "$work/root"
out=$("$work/root/usr/bin/vocamir-data" --version) || fail "unpacked vocamir-data --version"
[[ $out =~ ^vocamir-data\ [0-9]+\.[0-9]+ ]] || fail "unpacked vocamir-data printed: $out"
# The unpacked launcher (its last line, which starts the program, left out) makes a first-run
# folder from the starter data unpacked beside it.
sed '$d' "$work/root/usr/bin/vocamir-launcher" >"$work/root/usr/bin/launch-test"
grep -q '^exec "$program"' <(tail -1 "$work/root/usr/bin/vocamir-launcher") || fail "launcher end"
VOCAMIR_HOME="$work/home" bash "$work/root/usr/bin/launch-test" || fail "unpacked launcher"
[ -f "$work/home/data/vocamir.db" ] && [ -f "$work/home/mine.ico" ] || fail "no first-run folder"
echo "package test passed: $(basename "$deb")"
