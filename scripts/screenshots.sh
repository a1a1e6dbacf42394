#!/usr/bin/env bash
# Remakes the pictures of the user guide (docs/pictures/*.png): the real program on a fresh copy
# of the starter dictionary, on a virtual 1280x800 screen with a window manager, driven by
# xdotool. Usage: scripts/screenshots.sh [BUILD_DIR] (default: build, as scripts/run.sh makes it).
# The points clicked are screen positions of the maximised main window at 1280x800; after a change
# of the layout, look at the pictures and mend the points below. Xvfb, openbox, xdotool and
# imagemagick come with scripts/install-deps.sh.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
build=$(cd "${1:-build}" && pwd)
out="$root/docs/pictures"

if [ -z "${VOCAMIR_SCREENSHOTS_INNER:-}" ]; then
  export VOCAMIR_SCREENSHOTS_INNER=1
  exec xvfb-run -a -s "-screen 0 1280x800x24" bash "$0" "$build"
fi

mkdir -p "$out"
work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; wait 2>/dev/null || true; rm -rf "$work"' EXIT
export VOCAMIR_HOME="$work/home"
export ASAN_OPTIONS=detect_leaks=0

openbox 2>/dev/null &
sleep 1
"$build/vocamir-launcher" >"$work/program.log" 2>&1 &

# Waits (up to two minutes: a sanitizer build starts slowly) until a window whose title matches
# the pattern is shown.
await() {
  for _ in $(seq 1 240); do
    if xdotool search --onlyvisible --name "$1" >/dev/null 2>&1; then
      sleep 1
      return
    fi
    sleep 0.5
  done
  echo "screenshots: no window \"$1\" appeared; the program said:" >&2
  cat "$work/program.log" >&2
  exit 1
}

shot() {
  sleep 1
  import -window root "$out/$1.png"
  echo "made docs/pictures/$1.png"
}

keys() { xdotool key --delay 150 "$@"; }
typed() { xdotool type --delay 200 "$1"; }
click() { xdotool mousemove "$1" "$2" click 1; sleep 0.5; }

# Screen positions on the maximised main window.
page_russian=(45 90)
page_hebrew=(128 90)
page_english=(207 90)
search_box=(640 125)
hebrew_root_box=(108 125)
editor_verb_tab=(548 463)

await "Read My"
keys Escape # the About window opens over the main window at every start

click "${page_russian[@]}"
click "${search_box[@]}"
typed "lheu" # ДРУГ
shot main-russian

click "${page_hebrew[@]}"
click "${hebrew_root_box[@]}"
typed "f,c" # the root כתב
shot main-hebrew

click "${page_english[@]}"
click "${search_box[@]}"
typed "house"
shot main-english

# The word editor on a verb: its word page, then its verb page.
click "${page_russian[@]}"
click "${search_box[@]}"
xdotool key --repeat 12 BackSpace
typed "gbcfnm" # ПИСАТЬ
keys ctrl+space
await "Add/Edit"
shot editor-word
click "${editor_verb_tab[@]}"
shot editor-verb
keys Escape
sleep 1

keys F10
await "Settings"
shot settings
keys alt+F4 # the settings window closes like "Cancel"
sleep 1

# Three meanings marked and made a lesson; the lesson showing a word.
mark() {
  click "${search_box[@]}"
  xdotool key --repeat 12 BackSpace
  typed "$1"
  keys Insert
}
mark "gbcfnm" # ПИСАТЬ
mark "cjkywt" # СОЛНЦЕ
mark "lheu"   # ДРУГ
keys F3
await "To study, to study"
shot lesson-list
keys F5
sleep 1.5
shot lesson 0
keys Escape
sleep 1

# The game on the lesson list, half-way through a word.
keys F4
await "play the game"
typed "jc"
shot game
keys Escape
sleep 1

# The print preview of the lesson list.
keys ctrl+p
await "Print"
shot print-preview 2
keys Escape
