#!/usr/bin/env bash
# The launcher prepares the user's working folder once, with the starter dictionary and the icon
# and no settings file, starts the program there, and leaves an existing folder untouched.
# Usage: first_run_test.sh LAUNCHER DATA_TOOL
set -euo pipefail
launcher=$1
tool=$2

home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
export VOCAMIR_HOME="$home/vocamir"
export QT_QPA_PLATFORM=offscreen

fail() { echo "FAIL: $*" >&2; exit 1; }

# Starts the program through the launcher and ends it after a moment; it must still be running
# then (a program that quits at once has failed to start).
start_for_a_moment() {
  "$launcher" >"$home/out.log" 2>&1 &
  local pid=$!
  sleep 4
  kill -0 "$pid" 2>/dev/null || { cat "$home/out.log" >&2; fail "the program ended by itself"; }
  kill "$pid"
  wait "$pid" 2>/dev/null || true
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
