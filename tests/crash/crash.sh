#!/usr/bin/env bash
# Crash campaign: every operation that writes is started on a copy of a prepared dictionary and
# killed with SIGKILL. Odd kills fall at a moment drawn uniformly from the operation's
# uninterrupted duration (start-up included); even kills at a write drawn uniformly from the
# writes of the uninterrupted run (the preloaded STATEMENT_KILL library counts every statement
# that writes, and every end of a transaction, and kills the process as the drawn one is about to
# run), so that quick operations are interrupted mid-way too. After each kill:
#   - the next start of the program works: the folder lock is taken over and the dictionary opens
#     without a message (crash_driver start);
#   - PRAGMA integrity_check says "ok" and "vocamir-data check" finds nothing that neither the
#     dictionary before the operation nor the one after an uninterrupted run shows;
#   - the operation's effect is whole or absent: the dictionary (its export, its tables with the
#     marks, the lesson list and the review cards) and the settings file equal those before the
#     operation or those after an uninterrupted run; an exported file is absent or complete.
#     An operation that commits meaning by meaning ("repeat" below) is run again instead, and
#     must then end in the uninterrupted result.
# A kill is "mid-way" when the operation had begun but not finished: for crash_driver, between
# its lines "begin" and "done"; for the data tool, once it had made more writes than opening the
# dictionary makes, or had written into the export's folder, and before it ended by itself.
#
# Usage: crash.sh DRIVER DATA_TOOL STATEMENT_KILL STARTER_DOCUMENT ICON KILLS SEED [OPERATION...]
# Prints one line per operation and the table; exits with 1 when any kill found a fault.
# CRASH_KEEP=1 keeps the work folder; CRASH_JOBS=N runs N operations at a time (default 2).
set -uo pipefail
driver=$(readlink -f "$1") tool=$(readlink -f "$2") hook=$(readlink -f "$3")
starter=$(readlink -f "$4") icon=$(readlink -f "$5") kills=$6 seed=$7
shift 7
chosen=("$@")
jobs=${CRASH_JOBS:-2}
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}

work=$(mktemp -d)
cleanup() {
  if [ -z "${CRASH_KEEP:-}" ]; then rm -rf "$work"; else echo "kept: $work"; fi
}
trap cleanup EXIT

# The operations: name, "whole" or "repeat", the prepared dictionary it runs on, the command
# (crash_driver OPERATION, or the data tool's arguments; @OUT@ stands for the exported file
# without its extension). The game's grade runs where one is stored already, so that its card
# tables exist: their creation before a first grade is a write unit of its own.
operations=(
  "add-word       whole  small     driver add-word"
  "add-cancel     whole  small     driver add-cancel"
  "delete-word    whole  small     driver delete-word"
  "select         whole  small     driver select"
  "mark-meaning   whole  small     driver mark-meaning"
  "save-verb      whole  small     driver save-verb"
  "begin-lesson   whole  big       driver begin-lesson"
  "delete-all     whole  lesson    driver delete-all"
  "game-grade     whole  reviewed  driver game-grade"
  "settings-ok    whole  small     driver settings-ok"
  "mark-due       whole  reviewed  driver mark-due"
  "due-mark       whole  reviewed  tool due --mark"
  "clean          whole  blanks    tool clean"
  "deselect       whole  small     tool deselect"
)
# The exchange formats, one line each: the file extension, the dictionary exported ("--marked",
# so an export that clears marks writes to the dictionary too), and "import" when the format is
# read back: its import takes the small dictionary's export in that format into the tiny one.
formats=(
  "xml   small  import"
  "kvtml small  import"
  "csv   small  import"
  "tsv   small  import"
  "apkg  tiny   -"
)
for format in "${formats[@]}"; do
  read -r extension exported import <<<"$format"
  operations+=("export-$extension whole $exported tool export @OUT@.$extension --marked")
  if [ "$import" = import ]; then
    operations+=("import-$extension whole tiny tool import $work/document.$extension")
  fi
done

now_ms() { echo $(($(date +%s%N) / 1000000)); }

# Runs the command of an operation in folder $1, output to $1.out and $1.err, with the
# STATEMENT_KILL library preloaded (it keeps the count of writes in $1.writes); the command's words
# follow. Runs in the background when $RUN_BACKGROUND is set (its pid in $run_pid).
run_in() {
  local folder=$1 runner=$2
  shift 2
  local words=("${@//@OUT@/$folder.export/out}")
  mkdir -p "$folder.export"
  local program=$tool
  [ "$runner" = driver ] && program=$driver
  words=(env "LD_PRELOAD=$hook" "CRASH_COUNT_FILE=$folder.writes"
    "ASAN_OPTIONS=${ASAN_OPTIONS:-}:verify_asan_link_order=0" "$program" "${words[@]}")
  if [ -n "${RUN_BACKGROUND:-}" ]; then
    (cd "$folder" && exec "${words[@]}") >"$folder.out" 2>"$folder.err" &
    run_pid=$!
  else
    (cd "$folder" && "${words[@]}") >"$folder.out" 2>"$folder.err"
  fi
}

# The state of the dictionary in folder $1, as text: the data tool's export, the database's
# tables, indexes and triggers by name, every word table, the lesson list and the verb forms in
# full, the review cards and log without their times (which follow the clock), and the settings
# file. A table that does not exist shows empty (the list of names tells).
state_of() {
  local folder=$1 database=$1/data/vocamir.db
  rm -rf "$folder.state" && mkdir -p "$folder.state"
  (cd "$folder" && "$tool" export "$folder.state/export.xml") >/dev/null 2>&1 ||
    echo "export failed"
  grep -v "<Day>" "$folder.state/export.xml" 2>/dev/null
  sqlite3 "$database" 2>/dev/null <<'SQL'
SELECT '== schema'; SELECT type, name FROM sqlite_master ORDER BY type, name;
SELECT '== RUWORDS'; SELECT * FROM RUWORDS ORDER BY rowid;
SELECT '== Hewords'; SELECT * FROM Hewords ORDER BY rowid;
SELECT '== ENWORDS'; SELECT * FROM ENWORDS ORDER BY rowid;
SELECT '== SELEWORDS'; SELECT * FROM SELEWORDS ORDER BY rowid;
SELECT '== GLTABLE'; SELECT * FROM GLTABLE ORDER BY rowid;
SELECT '== NEKUDOT'; SELECT * FROM NEKUDOT ORDER BY rowid;
SELECT '== cards'; SELECT Meaning, Direction, Reviews, Lapses FROM CARDS ORDER BY 1, 2;
SELECT '== log'; SELECT Meaning, Direction, Grade FROM REVIEWLOG ORDER BY Id;
SQL
  echo "== vocamir.ini"
  cat "$folder/vocamir.ini" 2>/dev/null || echo "(none)"
}

# The findings of "vocamir-data check" in folder $1, one a line, sorted.
findings_of() {
  (cd "$1" && "$tool" check) 2>&1 | grep -v -e "^[0-9]* problems\? found" -e "^No problems" | sort
}

# Starts the program on folder $1 and ends it: true when it started without a message.
starts() {
  (cd "$1" && "$driver" start) >"$1.start" 2>&1 && grep -qx end "$1.start"
}

# An exported file $1 is complete when it equals the uninterrupted run's $2; a package (a zip
# archive with a collection that records its time of making) when it holds the same members and
# passes the archive's own test.
complete_export() {
  if [[ $1 == *.apkg ]]; then
    unzip -tq "$1" >/dev/null 2>&1 && cmp -s <(unzip -Z1 "$1") <(unzip -Z1 "$2")
  else
    cmp -s "$1" "$2"
  fi
}

# A fresh copy of prepared dictionary $1 in folder $2.
copy_of() {
  rm -rf "$2" "$2".*
  cp -R "$work/fixtures/$1" "$2"
}

prepare_fixtures() {
  local fixtures=$work/fixtures
  mkdir -p "$fixtures"
  local name
  for name in tiny small big; do
    "$tool" create "$fixtures/$name" >/dev/null || return 1
    cp "$icon" "$fixtures/$name/mine.ico"
  done
  # The first 20 meanings of the starter document, and 15 copies of it whose Russian and English
  # words carry the copy's number (over 10,000 meanings).
  LC_ALL=C awk '/<\/Unit>/ { units++ } { print } units == 20 && /<\/Unit>/ { exit }' \
    "$starter" >"$work/tiny.xml"
  LC_ALL=C tail -n 1 "$starter" >>"$work/tiny.xml"
  LC_ALL=C awk '
    { lines[NR] = $0 }
    /<Unit>/ && !first { first = NR }
    /<\/Unit>/ { last = NR }
    END {
      for (i = 1; i < first; i++) print lines[i]
      for (copy = 0; copy < 15; copy++) {
        section = ""
        for (i = first; i <= last; i++) {
          line = lines[i]
          if (line ~ /<Word(RU|EN|HE)>/) section = line
          if (copy > 0 && section !~ /WordHE/ && line ~ /<Item>.*<\/Item>/)
            sub(/<\/Item>/, " " copy "</Item>", line)
          print line
        }
      }
      for (i = last + 1; i <= NR; i++) print lines[i]
    }' "$starter" >"$work/big.xml"
  (cd "$fixtures/tiny" && "$tool" import "$work/tiny.xml") >/dev/null || return 1
  (cd "$fixtures/small" && "$tool" import "$starter") >/dev/null || return 1
  (cd "$fixtures/big" && "$tool" import "$work/big.xml") >/dev/null || return 1
  # The lesson list of the small dictionary's 674 marked meanings; one game entry graded on it,
  # then the marks cleared; 300 blank meanings ("Add word", "Cancel").
  cp -R "$fixtures/small" "$fixtures/lesson"
  (cd "$fixtures/lesson" && "$driver" begin-lesson) >/dev/null || return 1
  cp -R "$fixtures/lesson" "$fixtures/reviewed"
  (cd "$fixtures/reviewed" && "$driver" game-grade && "$tool" deselect) >/dev/null || return 1
  cp -R "$fixtures/small" "$fixtures/blanks"
  (cd "$fixtures/blanks" && "$driver" add-cancel 300) >/dev/null || return 1
  # The documents the imports read: the small dictionary exported in each format.
  local format extension exported import
  for format in "${formats[@]}"; do
    read -r extension exported import <<<"$format"
    [ "$import" = import ] || continue
    (cd "$fixtures/small" && "$tool" export "$work/document.$extension") >/dev/null || return 1
  done
}

# One operation: its uninterrupted run, then $kills kills. Writes its table row to $work/rows/.
campaign() {
  local name=$1 kind=$2 fixture=$3 runner=$4
  shift 4
  local command=("$@")
  local base=$work/runs/$name
  mkdir -p "$base"
  RANDOM=$((seed + $(cksum <<<"$name" | cut -d' ' -f1) % 10000))
  local problems=$base/problems
  : >"$problems"

  # Before: the dictionary as prepared, after one start.
  copy_of "$fixture" "$base/before"
  starts "$base/before" || echo "$name: the prepared dictionary does not start" >>"$problems"
  state_of "$base/before" >"$base/before.txt"
  findings_of "$base/before" >"$base/before.findings"
  # The writes of the data tool opening and closing the dictionary, from a command that reads.
  run_in "$base/before" tool stats
  local opening=$(($(cat "$base/before.writes")))
  # After: one uninterrupted run, timed.
  copy_of "$fixture" "$base/after"
  local started
  started=$(now_ms)
  run_in "$base/after" "$runner" "${command[@]}" ||
    echo "$name: the uninterrupted run failed: $(tail -3 "$base/after.err")" >>"$problems"
  local duration=$(($(now_ms) - started))
  local writes=$(($(cat "$base/after.writes")))
  starts "$base/after" || echo "$name: no start after the uninterrupted run" >>"$problems"
  state_of "$base/after" >"$base/after.txt"
  findings_of "$base/after" >"$base/after.findings"
  # An export without marks to clear changes only its file.
  [[ $* != *@OUT@* ]] && cmp -s "$base/before.txt" "$base/after.txt" &&
    echo "$name: the uninterrupted run changed nothing" >>"$problems"

  local midway=0 damaged=0 partial=0 restart=0 kill trial=$base/trial
  for ((kill = 1; kill <= kills; kill++)); do
    copy_of "$fixture" "$trial"
    local draw=$(((RANDOM << 15) | RANDOM)) at
    if ((kill % 2 == 1 || writes == 0)); then
      at="$((draw % (duration + 1))) ms"
      RUN_BACKGROUND=1 run_in "$trial" "$runner" "${command[@]}"
      sleep "$(printf '%d.%03d' $((${at% ms} / 1000)) $((${at% ms} % 1000)))"
      kill -KILL "$run_pid" 2>/dev/null
    else
      at="write $((draw % writes + 1)) of $writes"
      CRASH_KILL_AT=$((draw % writes + 1)) RUN_BACKGROUND=1 \
        run_in "$trial" "$runner" "${command[@]}"
    fi
    local status=0
    { wait "$run_pid"; } 2>/dev/null || status=$?
    if [ "$runner" = driver ]; then
      grep -qx begin "$trial.out" && ! grep -qx "done" "$trial.out" && midway=$((midway + 1))
    elif [ "$status" -eq 137 ] &&
      { (($(cat "$trial.writes" 2>/dev/null || echo 0) > opening)) ||
        [ -n "$(ls -A "$trial.export")" ]; }; then
      midway=$((midway + 1))
    fi
    local where="$name, kill $kill at $at"
    if ! starts "$trial"; then
      restart=$((restart + 1))
      echo "$where: the next start failed: $(tail -3 "$trial.start")" >>"$problems"
    fi
    local integrity
    integrity=$(sqlite3 "$trial/data/vocamir.db" "PRAGMA integrity_check" 2>&1)
    local new
    new=$(findings_of "$trial" | grep -vxF -f "$base/before.findings" |
      grep -vxF -f "$base/after.findings")
    if [ "$integrity" != ok ] || [ -n "$new" ]; then
      damaged=$((damaged + 1))
      echo "$where: damaged: $integrity $new" >>"$problems"
    fi
    if [ "$kind" = repeat ]; then
      run_in "$trial" "$runner" "${command[@]}"
      starts "$trial"
    fi
    state_of "$trial" >"$trial.txt"
    local whole=1
    cmp -s "$trial.txt" "$base/before.txt" || cmp -s "$trial.txt" "$base/after.txt" || whole=0
    local exported
    for exported in "$trial.export"/out.*; do
      [ -e "$exported" ] || continue
      complete_export "$exported" "$base/after.export/${exported##*/}" || whole=0
    done
    if [ "$whole" -eq 0 ]; then
      partial=$((partial + 1))
      diff "$base/before.txt" "$trial.txt" | head -5 >"$base/partial.$kill"
      echo "$where: partial (see $base/partial.$kill)" >>"$problems"
    fi
  done
  printf '%-14s %6d %9d %8d %8d %15d\n' "$name" "$kills" "$midway" "$damaged" "$partial" \
    "$restart" >"$work/rows/$name"
  echo "$name: $kills kills, $midway mid-way; uninterrupted $duration ms, $writes writes" >&2
}

mkdir -p "$work/rows" "$work/runs"
prepare_fixtures 2>"$work/prepare.log" || {
  echo "FAIL: the dictionaries could not be prepared" >&2
  tail -20 "$work/prepare.log" >&2
  exit 1
}
running=0
for line in "${operations[@]}"; do
  read -r -a words <<<"$line"
  if [ ${#chosen[@]} -gt 0 ] && ! printf '%s\n' "${chosen[@]}" | grep -qxF "${words[0]}"; then
    continue
  fi
  campaign "${words[@]}" &
  running=$((running + 1))
  if [ "$running" -ge "$jobs" ]; then
    wait -n
    running=$((running - 1))
  fi
done
wait

echo "operation       kills  mid-way  damaged  partial  lock/restart"
cat "$work"/rows/*
faults=$(cat "$work"/runs/*/problems)
if [ -n "$faults" ]; then
  echo "$faults" | head -40 >&2
  exit 1
fi
echo "crash campaign passed: seed $seed, $kills kills per operation"
