#!/usr/bin/env bash
# Random-input soak: runs the real program on a copy of the starter dictionary on a virtual
# display and sends it random but plausible events for a while: menu shortcuts, clicks into its
# windows, Latin, Cyrillic and Hebrew typing, answers to whatever dialog is open. Whenever the
# program ends by itself, and at the end, the dictionary must pass the data tool's check. Afterwards
# the program must still respond by ending cleanly on SIGTERM, leave no sanitizer report, and every
# meaning present at its end must be there after a restart. On runs longer than ten minutes the
# resident memory at the end may exceed its figure after ten minutes by 10 % at most.
#
# Usage: soak.sh PROGRAM DATA_TOOL STARTER_FOLDER ICON SECONDS SEED
# Build with -DVOCAMIR_SANITIZE=ON for the sanitizer checks to mean anything.
set -uo pipefail
program=$(readlink -f "$1") tool=$(readlink -f "$2") starter=$3 icon=$4 seconds=$5 seed=$6

here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=../support/x11.sh
source "$here/../support/x11.sh"

work=$(mktemp -d)
pid=
events=0
cleanup() {
  [ -n "$pid" ] && kill -9 "$pid" 2>/dev/null
  x_stop
  if [ -z "${SOAK_KEEP:-}" ]; then rm -rf "$work"; else echo "kept: $work"; fi
}
trap cleanup EXIT
fail() {
  echo "FAIL (seed $seed, $events events): $*" >&2
  cat "$work"/sanitizer.* "$work/program.log" 2>/dev/null | tail -60 >&2
  exit 1
}

mkdir -p "$work/home"
cp -R "$starter/data" "$work/home/data"
cp "$icon" "$work/home/mine.ico"
# A small quarantine of freed memory: the default one (256 MB) may still be filling after ten
# minutes, and its growth would count against the program in the memory rule.
export ASAN_OPTIONS="detect_leaks=1:halt_on_error=1:quarantine_size_mb=16:log_path=$work/sanitizer"
export LSAN_OPTIONS="suppressions=$here/../lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1:log_path=$work/sanitizer"
export QT_QPA_PLATFORM=xcb
x_start || fail "no virtual display"

starts=0
start_program() {
  (cd "$work/home" && exec "$program") >>"$work/program.log" 2>&1 &
  pid=$!
  starts=$((starts + 1))
  x_wait_title "$pid" 120 "Vocamir " || fail "the main window did not appear"
}

# Shortcuts of the menus, without "Exit", and Alt, which opens the menu bar to the arrow keys and
# Return (so items without a shortcut, such as "Progress", are reached too); the program is started
# again if it ends anyway.
keys=(ctrl+a ctrl+space Insert F2 Escape F3 shift+F3 F4 F5 shift+F5 ctrl+p ctrl+Delete F10 F11 F12
      F1 ctrl+h ctrl+r ctrl+e Tab shift+Tab Return space Up Down Left Right Prior Next Home End
      BackSpace Delete alt)
latin=(a b c d e f g h i j k l m n o p q r s t u v w x y z)
cyrillic=(а б в г д е ж з и й к л м н о п р с т у ф х ц ч ш щ ы ь э ю я)
hebrew=(א ב ג ד ה ו ז ח ט י כ ל מ נ ס ע פ צ ק ר ש ת ך ם ן ף ץ)

random_of() {
  local -n list=$1
  echo "${list[RANDOM % ${#list[@]}]}"
}

# One random event to one of the program's visible windows.
send_event() {
  local windows
  mapfile -t windows < <(x_windows "$pid")
  [ ${#windows[@]} -gt 0 ] || return 0
  local window=${windows[RANDOM % ${#windows[@]}]}
  local kind=$((RANDOM % 10))
  case $kind in
    0 | 1 | 2)
      # A click on a random point of the window: buttons, grids, lists, menus, edit boxes.
      eval "$(xdotool getwindowgeometry --shell "$window" 2>/dev/null)" || return 0
      [ "${WIDTH:-0}" -gt 2 ] && [ "${HEIGHT:-0}" -gt 2 ] || return 0
      local button=1
      [ $((RANDOM % 8)) -eq 0 ] && button=3
      local repeat=1
      [ $((RANDOM % 6)) -eq 0 ] && repeat=2
      xdotool mousemove --window "$window" $((RANDOM % WIDTH)) $((RANDOM % HEIGHT)) \
        click --repeat "$repeat" "$button" 2>/dev/null
      ;;
    3 | 4)
      xdotool key --clearmodifiers "$(random_of keys)" 2>/dev/null
      ;;
    5) xdotool type --delay 5 "$(random_of latin)$(random_of latin)$(random_of latin)" ;;
    6) xdotool type --delay 5 "$(random_of cyrillic)$(random_of cyrillic)" 2>/dev/null ;;
    7) xdotool type --delay 5 "$(random_of hebrew)$(random_of hebrew)" 2>/dev/null ;;
    8)
      # Dialogs answered at random.
      xdotool key --clearmodifiers "$(random_of answers)" 2>/dev/null
      ;;
    9) xdotool windowactivate "$window" 2>/dev/null ;;
  esac
  events=$((events + 1))
}
answers=(Return Escape Tab space alt+y alt+n)

# Ends the program by SIGTERM, which must close it like "Exit".
end_program() {
  kill -TERM "$pid"
  local status=0
  for _ in $(seq 600); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  kill -0 "$pid" 2>/dev/null && fail "the program did not end on SIGTERM"
  wait "$pid" || status=$?
  pid=
  [ "$status" -eq 0 ] || fail "the program ended with status $status on SIGTERM"
}

# Brings the main window back when a click has minimised it.
raise_main() {
  local main
  main=$(xdotool search --pid "$pid" --name '^(Vocamir|To study|Add/edit)' 2>/dev/null | head -1)
  [ -n "$main" ] && xdotool windowactivate "$main" 2>/dev/null
}

# The data tool's check of the dictionary the program left. Blank meanings ("Add word" then
# "Cancel") are kept by design; any other finding is a fault.
check_dictionary() {
  if ! (cd "$work/home" && "$tool" check) >"$work/check.log" 2>&1 &&
    grep -v -e "are a blank meaning" -e "are an incomplete meaning" -e "^[0-9]* problems\? found" "$work/check.log" | grep -q .; then
    cat "$work/check.log" >&2
    fail "the data tool found the dictionary broken"
  fi
}

# The program's resident memory in KiB.
resident() { awk '/^VmRSS:/ { print $2 }' "/proc/$pid/status" 2>/dev/null; }

RANDOM=$seed
start_program
end=$((SECONDS + seconds))
# The resident memory after ten minutes, and the process it was taken of.
rss_mark=$((SECONDS + 600)) rss_pid= rss_start=
while [ $SECONDS -lt $end ]; do
  if ! kill -0 "$pid" 2>/dev/null; then
    status=0
    wait "$pid" || status=$?
    [ "$status" -eq 0 ] || fail "the program ended with status $status"
    ls "$work"/sanitizer.* >/dev/null 2>&1 && fail "sanitizer report"
    check_dictionary
    start_program  # it was ended through its own menu
  fi
  if [ -z "$rss_pid" ] && [ $SECONDS -ge $rss_mark ]; then
    rss_pid=$pid rss_start=$(resident)
  fi
  send_event
  # Let the program keep up with the events.
  [ $((events % 20)) -eq 0 ] && sleep 0.2
  [ $((events % 100)) -eq 0 ] && raise_main
done
# Still responding: the event loop must take the SIGTERM and close the program like "Exit", with
# whatever dialog is open.
kill -0 "$pid" 2>/dev/null || fail "the program ended by itself at the end"
memory=
if [ -n "$rss_pid" ] && [ "$rss_pid" = "$pid" ] && [ -n "$rss_start" ]; then
  rss_end=$(resident)
  memory=", resident memory $rss_start KiB after ten minutes, $rss_end KiB at the end"
  [ "$rss_end" -le $((rss_start + rss_start / 10)) ] ||
    fail "the resident memory grew by more than 10 % after the first ten minutes$memory"
elif [ -n "$rss_pid" ]; then
  memory=", resident memory not compared: the program was restarted after ten minutes"
fi
end_program
ls "$work"/sanitizer.* >/dev/null 2>&1 && fail "sanitizer report"

check_dictionary
(cd "$work/home" && "$tool" export "$work/before.xml") >/dev/null || fail "export failed"
start_program
end_program
(cd "$work/home" && "$tool" export "$work/after.xml") >/dev/null || fail "export failed"
cmp -s "$work/before.xml" "$work/after.xml" || fail "meanings changed over a restart"
ls "$work"/sanitizer.* >/dev/null 2>&1 && fail "sanitizer report"
meanings=$(grep -c "<Unit>" "$work/after.xml")
echo "soak passed: seed $seed, $seconds s, $events events, $starts starts, $meanings meanings$memory"
