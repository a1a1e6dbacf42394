# Shell helpers for tests that drive the real program on a virtual X display (Xvfb + openbox).
# Source this file; call x_start once, and x_stop when done (a trap is a good place).

# Starts a virtual display and a window manager, and exports DISPLAY.
x_start() {
  local fifo
  fifo=$(mktemp -u)
  mkfifo "$fifo"
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
  X_SERVER=$!
  local number
  read -r number <"$fifo"
  rm -f "$fifo"
  export DISPLAY=":$number"
  openbox >/dev/null 2>&1 &
  X_MANAGER=$!
  # The window manager is ready when it has claimed the screen (slow on a loaded machine).
  for _ in $(seq 1200); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return 0
    sleep 0.1
  done
  echo "the window manager did not start" >&2
  return 1
}

x_stop() {
  [ -n "${X_MANAGER:-}" ] && kill "$X_MANAGER" 2>/dev/null
  [ -n "${X_SERVER:-}" ] && kill "$X_SERVER" 2>/dev/null
  wait 2>/dev/null || true
}

# The visible top-level windows of process $1, one id a line.
x_windows() {
  xdotool search --onlyvisible --pid "$1" 2>/dev/null || true
}

# The titles of the visible windows of process $1, one a line, sorted.
x_titles() {
  local window
  for window in $(x_windows "$1"); do
    xdotool getwindowname "$window" 2>/dev/null || true
  done | sort
}

# Waits up to $2 seconds until process $1 shows a window titled exactly $3.
x_wait_title() {
  local pid=$1 seconds=$2 title=$3
  for _ in $(seq $((seconds * 10))); do
    kill -0 "$pid" 2>/dev/null || return 1
    x_titles "$pid" | grep -qxF -- "$title" && return 0
    sleep 0.1
  done
  return 1
}
