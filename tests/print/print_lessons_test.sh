#!/usr/bin/env bash
# vocamir-data print-lessons runs without a display, whatever platform the environment names,
# and writes a one-page PDF for an empty lesson list.
# Usage: print_lessons_test.sh DATA_TOOL
set -euo pipefail
tool=$1

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

"$tool" create "$work/w" >/dev/null
cd "$work/w"
env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "$tool" print-lessons lessons.pdf \
  | grep -q "^Printed 0 lesson records on 1 page to lessons.pdf.$" || fail "no report of the print"
pdfinfo lessons.pdf | grep -q "^Pages: *1$" || fail "the PDF has not one page"
echo "The lesson list was printed without a display."
