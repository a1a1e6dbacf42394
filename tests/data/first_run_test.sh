#!/usr/bin/env bash
# The launcher prepares the user's working folder once, with the starter dictionary and the icon
# and no settings file, starts the program there, and leaves an existing folder untouched.
# Usage: first_run_test.sh LAUNCHER DATA_TOOL
set -euo pipefail
launcher=$1
tool=$2

here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=../support/x11.sh
source "$here/../support/x11.sh"

home=$(mktemp -d)
trap 'x_stop; rm -rf "$home"' EXIT
export VOCAMIR_HOME="$home/vocamir"
export QT_QPA_PLATFORM=xcb
x_start

fail() { echo "FAIL: $*" >&2; exit 1; }

# Starts the program through the launcher, waits for its main window and the About window above
# it, requires that nothing else (an error box) is open, and ends it with SIGTERM.
start_for_a_moment() {
  "$launcher" >"$home/out.log" 2>&1 &
  local pid=$!
  x_wait_title "$pid" 120 "Vocamir " || { cat "$home/out.log" >&2; fail "no main window"; }
  x_wait_title "$pid" 30 "Read My" || fail "no About window"
  local titles
  titles=$(x_titles "$pid" | tr '\n' '|')
  [ "$titles" = "Read My|Vocamir |" ] || fail "unexpected windows open: $titles"
  kill -TERM "$pid"
  wait "$pid" || fail "the program ended with status $? on SIGTERM"
}

start_for_a_moment
[ -f "$VOCAMIR_HOME/data/vocamir.db" ] || fail "no dictionary in the new working folder"
[ -f "$VOCAMIR_HOME/mine.ico" ] || fail "no icon in the new working folder"
[ ! -e "$VOCAMIR_HOME/vocamir.ini" ] || fail "a settings file was made"
stats_before=$(cd "$VOCAMIR_HOME" && "$tool" stats)
echo "$stats_before" | grep -q "^VERB: [1-9]" || fail "the starter dictionary has no verbs: $stats_before"

# The user's own words and files survive the next start.
touch "$VOCAMIR_HOME/data/user-file"
start_for_a_moment
[ -f "$VOCAMIR_HOME/data/user-file" ] || fail "the working folder was replaced"
stats_after=$(cd "$VOCAMIR_HOME" && "$tool" stats)
[ "$stats_before" = "$stats_after" ] || fail "the dictionary changed: $stats_after"
echo "The working folder was made once and kept afterwards."
