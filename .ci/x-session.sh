# Sourced by the real-window checks: starts Xvfb with a small window manager
# for the rest of the calling script, and the helpers that find windows, take
# screenshots and read their pixels. Expects OUT (an absolute folder) for the
# screenshots; the server's logs go to SESSION_DIR (OUT unless set), and CHECK
# names the check in its messages.

SESSION_DIR=${SESSION_DIR:-$OUT}

# The server picks a free display and writes its number once it is ready.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$SESSION_DIR/display" >"$SESSION_DIR/xvfb.log" 2>&1 &
xvfb_pid=$!
wm_pid=
stop_x() {
  [ -n "$wm_pid" ] && { kill "$wm_pid" 2>/dev/null; wait "$wm_pid" 2>/dev/null || true; }
  kill "$xvfb_pid" 2>/dev/null
  wait "$xvfb_pid" 2>/dev/null || true
}
trap stop_x EXIT
for _ in $(seq 100); do [ -s "$SESSION_DIR/display" ] && break; sleep 0.1; done
export DISPLAY=:$(head -n 1 "$SESSION_DIR/display")

# A window manager, so that frames, focus and activation behave as on a
# desktop. It announces itself on the root window once it manages windows; a
# start that fails (the display not yet taking clients) is tried again.
start_wm() {
  local attempt
  for attempt in 1 2 3; do
    openbox --sm-disable >>"$SESSION_DIR/openbox.log" 2>&1 &
    wm_pid=$!
    for _ in $(seq 100); do
      xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return 0
      kill -0 "$wm_pid" 2>/dev/null || break
      sleep 0.1
    done
    kill "$wm_pid" 2>/dev/null
    wait "$wm_pid" 2>/dev/null || true
    wm_pid=
    sleep 0.5
  done
  return 1
}
: >"$SESSION_DIR/openbox.log"
start_wm || { echo "${CHECK:-window-check}: FAIL: openbox did not start on $DISPLAY" >&2; exit 1; }

# Sets X, Y, WIDTH and HEIGHT to a window's client area on the screen.
# (xdotool's own geometry counts a reparenting manager's frame offset twice.)
client_area() {
  local info
  info=$(xwininfo -id "$1")
  X=$(awk '/Absolute upper-left X/ {print $4}' <<<"$info")
  Y=$(awk '/Absolute upper-left Y/ {print $4}' <<<"$info")
  WIDTH=$(awk '/^ *Width:/ {print $2}' <<<"$info")
  HEIGHT=$(awk '/^ *Height:/ {print $2}' <<<"$info")
}

fail() { echo "${CHECK:-window-check}: FAIL: $*" >&2; exit 1; }
passed=0
pass() { echo "${CHECK:-window-check}: ok: $*"; passed=$((passed + 1)); }

# Waits for a visible window whose name matches the regex; prints its id.
window() {
  local id
  for _ in $(seq 100); do
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1) || true
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.1
  done
  fail "no window named '$1'"
}

gone() {
  for _ in $(seq 50); do
    xdotool search --onlyvisible --name "$1" >/dev/null 2>&1 || return 0
    sleep 0.1
  done
  fail "window '$1' is still shown"
}

shot() { sleep 0.4; import -window root "$OUT/$1.png"; }

pixel() { convert "$1" -format "%[pixel:p{$2,$3}]" info:; }
is_black() { case "$1" in 'srgb(0,0,0)'|black|'gray(0)'|'#000000') return 0;; esac; return 1; }

# Number of pixels of exactly one colour inside a rectangle.
count_colour() {  # file colour w h x y
  convert "$1" -crop "$3x$4+$5+$6" +repage -fill black +opaque "$2" -fill white -opaque "$2" \
    -format "%[fx:round(mean*w*h)]" info:
}

# Bounding box (WxH+X+Y) of the pure black pixels inside a rectangle.
black_box() {  # file w h x y
  convert "$1" -crop "$2x$3+$4+$5" +repage -fill white +opaque black -trim \
    -format '%w %h %X %Y\n' info: | tr -d '+'
}

# Waits up to five seconds for a program to end by itself, with status 0.
finish() {  # pid name
  local status=0
  for _ in $(seq 50); do kill -0 "$1" 2>/dev/null || break; sleep 0.1; done
  kill -0 "$1" 2>/dev/null && fail "$2 did not end"
  wait "$1" || status=$?
  [ "$status" -eq 0 ] || fail "$2 ended with status $status"
  pass "$2 ended with status 0"
}
