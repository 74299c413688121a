#!/usr/bin/env bash
# Both programs on the desktops people run today, in real windows:
# - under a dark GTK theme that Qt reads (Adwaita-dark through the gtk3
#   platform theme, on Xvfb with openbox) the drawings, grids, tables and
#   charts keep their contrast, measured in screenshots;
# - in a Wayland session that offers XWayland (weston, headless) both run on
#   XWayland unless the user names a platform, and on Wayland without XWayland.
# Screenshots and logs stay in $OUT.
#   .ci/desktop-check.sh BUILD_DIR
set -euo pipefail
build=${1:?usage: desktop-check.sh BUILD_DIR}
OUT=${OUT:-$build/desktop-check}
mkdir -p "$OUT"
OUT=$(realpath "$OUT")
here=$(dirname "$0")
velmar_bin="$build/velmar/app/velmar"
kestrun_bin="$build/kestrun/shell/kestrun"
export XDG_RUNTIME_DIR=$(mktemp -d)
started=$SECONDS

# Text and black lines need 4.5 : 1; coloured lines of a chart are graphics,
# for which 3 : 1 is enough (the red D line on white is 4.0 : 1 by design).
contrast() {  # name file x y w h min [colour]
  local name=$1 result
  shift
  result=$(/usr/bin/python3 "$here/contrast.py" "$@") || fail "$name: contrast $result"
  pass "$name: $result"
}

dark_theme() {
  export QT_QPA_PLATFORM=xcb QT_QPA_PLATFORMTHEME=gtk3 GTK_THEME=Adwaita:dark
  source "$here/x-session.sh"

  # ---- velmar: {16; 1, 4} built in the dialog, then the main window ----
  "$velmar_bin" >"$OUT/velmar.log" 2>&1 &
  local velmar=$!
  local main dialog
  main=$(window '^Untitled - Velmar$')
  xdotool windowfocus --sync "$main"
  xdotool key alt+h Right Return               # CS > Circular
  dialog=$(window '^Параметры КС типа Циркулянт$')
  xdotool windowfocus --sync "$dialog"
  xdotool key Tab Tab Tab Tab                  # OK, Cancel, both grids, then the vertex field
  xdotool type --delay 40 '16'
  xdotool key Tab
  xdotool type --delay 40 '1 4'
  xdotool key Tab space                        # "Построить циркулянт"
  shot dark-velmar-dialog
  client_area "$dialog"
  # The theme really is dark: the dialog's own ground, below its buttons.
  local ground
  ground=$(convert "$OUT/dark-velmar-dialog.png" -format "%[fx:int(255*intensity)]" \
           -crop 1x1+$(( X + WIDTH - 4 ))+$(( Y + HEIGHT - 4 )) info:)
  [ "$ground" -lt 100 ] || fail "velmar: the dialog's ground is light ($ground), no dark theme"
  pass "velmar: the dark theme is in force (the dialog's ground is grey $ground)"
  # Both grids are 110 x 80 dialog units at x = 25 and 150, y = 120 (the
  # dialog is 285 x 252 units); the rectangles hold their cells, not the
  # scroll bars.
  local gy=$(( 122 * HEIGHT / 252 )) gw=$(( 96 * WIDTH / 285 )) gh=$(( 66 * HEIGHT / 252 ))
  contrast "velmar: the adjacency grid" "$OUT/dark-velmar-dialog.png" \
    $(( X + 27 * WIDTH / 285 )) $(( Y + gy )) "$gw" "$gh" 4.5
  contrast "velmar: the distance grid" "$OUT/dark-velmar-dialog.png" \
    $(( X + 152 * WIDTH / 285 )) $(( Y + gy )) "$gw" "$gh" 4.5
  xdotool key Escape
  gone '^Параметры КС типа Циркулянт$'
  shot dark-velmar-main
  client_area "$main"
  # The ring of N = 16 spans 480 x 480 from the view's top left corner, which
  # lies below the menu and the toolbar: a square inside it holds chords.
  contrast "velmar: the ring in the main view" "$OUT/dark-velmar-main.png" \
    $(( X + 60 )) $(( Y + 120 )) 300 300 4.5
  xdotool windowfocus --sync "$main"
  xdotool key alt+f x                          # File > Exit
  finish "$velmar" velmar

  # ---- kestrun: the heading, the circulant and its chart, the hypercube ----
  "$kestrun_bin" >"$OUT/kestrun.log" 2>&1 &
  local kestrun=$!
  local form1 form2 form7 form9
  form1=$(window '^ЛР №2$')
  xdotool mousemove --window "$form1" 290 180
  shot dark-kestrun-form1
  client_area "$form1"
  contrast "kestrun: the red heading" "$OUT/dark-kestrun-form1.png" \
    $(( X + 32 )) $(( Y + 8 )) 245 16 4.5
  xdotool mousemove --window "$form1" 30 122 click 1     # "циркулянта"
  xdotool mousemove --window "$form1" 237 100 click 1    # "Далее"
  form7=$(window '^Циркулянта \{N; 1, 3, 11, 13, 17\}$')
  xdotool mousemove --window "$form7" 22 109 click 1     # "37"
  shot dark-kestrun-form7
  client_area "$form7"
  contrast "kestrun: the circulant of N = 37" "$OUT/dark-kestrun-form7.png" \
    $(( X + 112 )) $(( Y + 32 )) 361 337 4.5
  xdotool mousemove --window "$form7" 52 260 click 1     # "График D/AveD"
  form9=$(window '^Циркулянта$')
  shot dark-kestrun-form9
  client_area "$form9"
  local chart=("$OUT/dark-kestrun-form9.png" $(( X + 8 )) $(( Y + 32 )) 417 265)
  contrast "kestrun: the chart's axes and labels" "${chart[@]}" 4.5
  contrast "kestrun: the chart's red D line" "${chart[@]}" 3 255,0,0
  contrast "kestrun: the chart's green AveD line" "${chart[@]}" 3 0,128,0
  xdotool mousemove --window "$form9" 389 316 click 1    # "Назад"
  form7=$(window '^Циркулянта \{N; 1, 3, 11, 13, 17\}$')
  xdotool mousemove --window "$form7" 52 284 click 1     # "Назад"
  form1=$(window '^ЛР №2$')
  xdotool mousemove --window "$form1" 30 80 click 1      # "двоичный гиперкуб"
  xdotool mousemove --window "$form1" 237 100 click 1    # "Далее"
  form2=$(window '^КС типа n-мерный двоичный гиперкуб$')
  xdotool mousemove --window "$form2" 112 50 click 1     # the list of ComboBox1
  sleep 0.3
  xdotool key End Return                                 # "32"
  xdotool mousemove --window "$form2" 50 92 click 1      # "Построить"
  xdotool mousemove --window "$form2" 300 400            # off the controls
  shot dark-kestrun-form2
  client_area "$form2"
  contrast "kestrun: the hypercube of N = 32" "$OUT/dark-kestrun-form2.png" \
    $(( X + 144 )) $(( Y + 16 )) 417 353 4.5
  contrast "kestrun: the hypercube's table" "$OUT/dark-kestrun-form2.png" \
    $(( X + 10 )) $(( Y + 186 )) 100 140 4.5
  xdotool mousemove --window "$form2" 45 364 click 1     # "Назад"
  form1=$(window '^ЛР №2$')
  xdotool mousemove --window "$form1" 237 124 click 1    # "Выход"
  finish "$kestrun" kestrun
}

# The platform plugin a running Qt program loaded: xcb, wayland or nothing yet.
loaded_platform() {  # pid
  local maps
  maps=$(cat "/proc/$1/maps" 2>/dev/null) || return 0
  case "$maps" in
    *libqxcb.so*) echo xcb ;;
    *libqwayland-*) echo wayland ;;
  esac
}

# Starts a program in the session with the given environment changes and
# arguments, waits until it has loaded a platform plugin and still runs a
# second later, and compares the plugin with the expected one.
expect_platform() {  # expected name env-changes... -- program args...
  local expected=$1 name=$2 changes=() platform= pid
  shift 2
  while [ "$1" != -- ]; do changes+=("$1"); shift; done
  shift
  env "${changes[@]}" "$@" >>"$OUT/wayland-programs.log" 2>&1 &
  pid=$!
  for _ in $(seq 100); do
    platform=$(loaded_platform "$pid")
    [ -n "$platform" ] && break
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  sleep 1
  kill -0 "$pid" 2>/dev/null || fail "$name: the program ended on its own (platform '$platform')"
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  [ "$platform" = "$expected" ] || fail "$name: runs on '$platform', expected $expected"
  pass "$name: runs on $expected"
}

wayland_session() {
  local display_number
  # XWayland's socket lives in the X11 socket folder, which a machine without
  # an X server may lack.
  mkdir -p -m 1777 /tmp/.X11-unix 2>/dev/null || true
  weston --backend=headless-backend.so --socket=wayland-check --xwayland --idle-time=0 \
    >"$OUT/weston.log" 2>&1 &
  weston_pid=$!
  trap 'kill "$weston_pid" 2>/dev/null; wait "$weston_pid" 2>/dev/null || true' EXIT
  for _ in $(seq 100); do
    display_number=$(sed -n 's/.*xserver listening on display :\([0-9]*\).*/\1/p' "$OUT/weston.log")
    [ -n "$display_number" ] && break
    kill -0 "$weston_pid" 2>/dev/null || fail "weston did not start (see $OUT/weston.log)"
    sleep 0.1
  done
  [ -n "$display_number" ] || fail "weston offered no XWayland display"
  pass "weston runs with XWayland on :$display_number"
  # env takes its -u options before any assignment.
  local unset=(-u QT_QPA_PLATFORM -u QT_QPA_PLATFORMTHEME -u DISPLAY)
  local session=(WAYLAND_DISPLAY=wayland-check DISPLAY=":$display_number")
  local program
  for program in "$velmar_bin" "$kestrun_bin"; do
    local name
    name=$(basename "$program")
    expect_platform xcb "$name, by default" "${unset[@]}" "${session[@]}" -- "$program"
    expect_platform wayland "$name, QT_QPA_PLATFORM=wayland" "${unset[@]}" "${session[@]}" \
      QT_QPA_PLATFORM=wayland -- "$program"
    expect_platform wayland "$name, -platform wayland" "${unset[@]}" "${session[@]}" -- \
      "$program" -platform wayland
    expect_platform wayland "$name, without XWayland" "${unset[@]}" \
      WAYLAND_DISPLAY=wayland-check -- "$program"
  done
}

CHECK=desktop-check
fail() { echo "$CHECK: FAIL: $*" >&2; exit 1; }
passed=0
pass() { echo "$CHECK: ok: $*"; passed=$((passed + 1)); }

# Each part in a subshell of its own, so that its servers end with it.
(dark_theme; echo "desktop-check: dark theme: $passed passed")
(wayland_session; echo "desktop-check: Wayland session: $passed passed")
echo "desktop-check: all passed in $(( SECONDS - started ))s"
