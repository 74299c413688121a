#!/usr/bin/env bash
# Drives both programs in real X11 windows (Xvfb, the xcb platform plugin) the
# way a user does, with keyboard and mouse, and checks pixels that only a
# correct program shows. Screenshots of every step stay in $OUT.
#   .ci/window-check.sh BUILD_DIR
set -euo pipefail
build=${1:?usage: window-check.sh BUILD_DIR}
OUT=${OUT:-$build/window-check}
mkdir -p "$OUT"
# Absolute, because a path typed into a file dialog is read against the
# dialog's own folder, not this script's.
OUT=$(realpath "$OUT")
export QT_QPA_PLATFORM=xcb
export XDG_RUNTIME_DIR=$(mktemp -d)

source "$(dirname "$0")/x-session.sh"

# Every vertex of the circulant with N vertices is black in the screenshot:
# vertex i at angle 6.28 (i + 1) / N, radius 145 around (180, 165) on the
# image, which sits at (112, 32) in the window whose client area client_area
# found last. Rounding ties go to even, as the drawing rounds.
circulant_vertices_black() {  # file N
  local points px py c
  points=$(awk -v n="$2" 'function rnd(v,  f) { f = int(v); if (v < 0 && v != f) f -= 1;
                 d = v - f; if (d > 0.5 || (d == 0.5 && f % 2 != 0)) f += 1; return f }
              BEGIN { phi = 0; for (i = 0; i < n; i++) { phi += 6.28 / n;
                 print rnd(145 * sin(phi)) + 180, rnd(145 * cos(phi)) + 165 } }')
  while read -r px py; do
    c=$(pixel "$1" $(( X + 112 + px )) $(( Y + 32 + py )))
    is_black "$c" || fail "kestrun: vertex ($px, $py) of N = $2 is $c, not black"
  done <<<"$points"
}

# Starts kestrun (its output into LOG), checks "циркулянта" and presses
# "Далее"; sets $kestrun, $form1 and $form7.
start_circulant_window() {  # log [first-screenshot]
  "$build/kestrun/shell/kestrun" >"$OUT/$1" 2>&1 &
  kestrun=$!
  form1=$(window '^ЛР №2$')
  [ -z "${2:-}" ] || shot "$2"
  xdotool mousemove --window "$form1" 30 122 click 1     # "циркулянта"
  xdotool mousemove --window "$form1" 237 100 click 1    # "Далее"
  form7=$(window '^Циркулянта \{N; 1, 3, 11, 13, 17\}$')
  gone '^ЛР №2$'
}

# From the circulant window: "Назад", then "Выход" in the first window.
leave_circulant_window() {  # name
  xdotool mousemove --window "$form7" 52 284 click 1     # "Назад"
  form1=$(window '^ЛР №2$')
  xdotool mousemove --window "$form1" 237 124 click 1    # "Выход"
  finish "$kestrun" "$1"
}

# Waits up to five seconds for the window manager to make WINDOW active.
wait_active() {  # window message
  for _ in $(seq 50); do
    [ "$(xdotool getactivewindow 2>/dev/null)" = "$1" ] && return 0
    sleep 0.1
  done
  fail "$2"
}

# ---- velmar: CS > Circular, N = 8 with «1 2», build, Enter, File > Exit ----
"$build/velmar/app/velmar" >"$OUT/velmar.log" 2>&1 &
velmar=$!
main=$(window '^Untitled - Velmar$')
xdotool windowfocus --sync "$main"
shot velmar-1-start
xdotool key alt+h Right                      # Help, then the next menu: CS
shot velmar-2-cs-menu
xdotool key Return                           # Circular
dialog=$(window '^Параметры КС типа Циркулянт$')
xdotool windowfocus --sync "$dialog"
shot velmar-3-dialog
xdotool key Tab Tab Tab Tab                  # OK, Cancel, both grids, then the vertex field
xdotool type --delay 40 '8'
xdotool key Tab
xdotool type --delay 40 '1 2'
xdotool key Tab space                        # "Построить циркулянт"
shot velmar-4-built
xdotool key shift+Tab Return                 # Enter in a field closes the dialog as OK
gone '^Параметры КС типа Циркулянт$'
shot velmar-5-closed

# The view starts under the toolbar's bottom border: the first white row, and
# inside the window's left border: the first white column below the ring. The
# window manager decides where the window stands.
client_area "$main"
top=$(convert "$OUT/velmar-5-closed.png" -crop 1x400+$(( X + 300 ))+0 +repage txt:- |
      awk -F'[,:]' '/#FFFFFF/ && !f {print $2; f = 1}')
[ -n "$top" ] || fail "velmar: no view found"
left=$(convert "$OUT/velmar-5-closed.png" -crop 40x1+$(( X - 20 ))+$(( top + 300 )) +repage txt:- |
       awk -F'[,:]' '/#FFFFFF/ && !f {print $1; f = 1}')
[ -n "$left" ] || fail "velmar: no left edge of the view found"
left=$(( X - 20 + left ))
read -r w h x y < <(black_box "$OUT/velmar-5-closed.png" 900 600 "$left" "$top")
# Vertices 0..7 of N = 8 lie in 0..239 x 0..239 (truncated, 6.283184 for 2 pi).
[ "$w" = 240 ] && [ "$h" = 240 ] || fail "velmar: ring spans ${w}x${h}, expected 240x240"
for p in "120 0" "204 35" "239 119" "204 204" "120 239" "35 204" "0 120" "35 35"; do
  set -- $p
  c=$(pixel "$OUT/velmar-5-closed.png" $(( left + x + $1 )) $(( top + y + $2 )))
  is_black "$c" || fail "velmar: vertex ($1, $2) is $c, not black"
done
pass "velmar: the ring of N = 8 spans 240 x 240 with black pixels at every vertex"
xdotool windowfocus --sync "$main"
xdotool key alt+f x                          # File > Exit
finish "$velmar" velmar

# ---- velmar: after a build at N = 37, one Tab leaves the adjacency grid ----
# A key that acts on the focused grid shows which one has the focus: End
# scrolls that grid to its last column and leaves the other as it was.
"$build/velmar/app/velmar" >"$OUT/velmar-tab.log" 2>&1 &
velmar=$!
main=$(window '^Untitled - Velmar$')
xdotool windowfocus --sync "$main"
xdotool key alt+h Right Return               # CS > Circular
dialog=$(window '^Параметры КС типа Циркулянт$')
xdotool windowfocus --sync "$dialog"
xdotool key Tab Tab Tab Tab                  # OK, Cancel, both grids, then the vertex field
xdotool type --delay 40 '37'
xdotool key Tab
xdotool type --delay 40 '1 3 11 13 17'
xdotool key Tab space                        # "Построить циркулянт"
eval "$(xdotool getwindowgeometry --shell "$dialog")"   # WIDTH, HEIGHT of the dialog
# Its top left corner on the screen, read where the pointer lands: under a
# reparenting window manager the reported position counts the frame twice.
xdotool mousemove --window "$dialog" 0 0
eval "$(xdotool getmouselocation --shell)"
at() { echo $(( $1 * WIDTH / 285 )) $(( $2 * HEIGHT / 252 )); }  # dialog units to pixels
grid_sum() {  # file dlu-x: checksum of the inside of the grid at that x (both are 110 x 80)
  local x y w h
  read -r x y < <(at $(( $2 + 2 )) 122)
  read -r w h < <(at 106 76)
  convert "$1" -crop "${w}x${h}+$(( X + x ))+$(( Y + y ))" +repage rgb:- | md5sum
}
xdotool mousemove --window "$dialog" $(at 30 126) click 1    # a cell of the adjacency grid
xdotool mousemove --window "$dialog" $(at 280 248)           # the pointer out of the way
xdotool key Tab                              # one press: the distance grid
shot velmar-tab-1-tab
xdotool key End
shot velmar-tab-2-end
[ "$(grid_sum "$OUT/velmar-tab-1-tab.png" 150)" != "$(grid_sum "$OUT/velmar-tab-2-end.png" 150)" ] ||
  fail "velmar: End after one Tab did not move the distance grid"
[ "$(grid_sum "$OUT/velmar-tab-1-tab.png" 25)" = "$(grid_sum "$OUT/velmar-tab-2-end.png" 25)" ] ||
  fail "velmar: End after one Tab still moved the adjacency grid"
xdotool key shift+Tab                        # one press back: the adjacency grid
shot velmar-tab-3-back
xdotool key End
shot velmar-tab-4-end
[ "$(grid_sum "$OUT/velmar-tab-3-back.png" 25)" != "$(grid_sum "$OUT/velmar-tab-4-end.png" 25)" ] ||
  fail "velmar: End after one Shift+Tab did not move the adjacency grid"
[ "$(grid_sum "$OUT/velmar-tab-3-back.png" 150)" = "$(grid_sum "$OUT/velmar-tab-4-end.png" 150)" ] ||
  fail "velmar: End after one Shift+Tab still moved the distance grid"
pass "velmar: at N = 37 one Tab goes from the adjacency grid to the distance grid, one Shift+Tab back"
xdotool key Escape
gone '^Параметры КС типа Циркулянт$'
xdotool windowfocus --sync "$main"
xdotool key alt+f x                          # File > Exit
finish "$velmar" "velmar (Tab)"

# ---- kestrun: циркулянта, Далее, 37, График D/AveD, Назад, Назад, Выход ----
start_circulant_window kestrun.log kestrun-1-start
shot kestrun-2-circulant
xdotool mousemove --window "$form7" 22 109 click 1     # "37"
shot kestrun-3-n37
client_area "$form7"
circulant_vertices_black "$OUT/kestrun-3-n37.png" 37
pass "kestrun: all 37 vertices of the circulant are black"
xdotool mousemove --window "$form7" 52 260 click 1     # "График D/AveD"
form9=$(window '^Циркулянта$')
shot kestrun-4-chart
client_area "$form9"
red=$(count_colour "$OUT/kestrun-4-chart.png" 'rgb(255,0,0)' 417 265 $(( X + 8 )) $(( Y + 32 )))
green=$(count_colour "$OUT/kestrun-4-chart.png" 'rgb(0,128,0)' 417 265 $(( X + 8 )) $(( Y + 32 )))
[ "$red" -gt 150 ] || fail "kestrun: only $red red pixels in the chart"
[ "$green" -gt 150 ] || fail "kestrun: only $green green pixels in the chart"
pass "kestrun: the chart shows the red D line ($red px) and the green AveD line ($green px)"
xdotool mousemove --window "$form9" 389 316 click 1    # "Назад"
form7=$(window '^Циркулянта \{N; 1, 3, 11, 13, 17\}$')
shot kestrun-5-back
xdotool mousemove --window "$form7" 52 284 click 1     # "Назад"
form1=$(window '^ЛР №2$')
shot kestrun-6-first
xdotool mousemove --window "$form1" 237 124 click 1    # "Выход"
finish "$kestrun" kestrun
# ---- kestrun: another program's window takes the focus over the circulant ----
# N = 38 is checked and drawn; an xterm opens over the window, takes the focus
# and is closed. The focus comes back to the wizard, which must still show the
# same drawing and the same checked N: coming back is no new visit.
start_circulant_window kestrun-focus.log
xdotool mousemove --window "$form7" 22 131 click 1     # "38"
xdotool mousemove --window "$form7" 300 390            # off the controls
shot kestrun-7-n38
client_area "$form7"
crop="$WIDTH"x"$HEIGHT+$X+$Y"
circulant_vertices_black "$OUT/kestrun-7-n38.png" 38
xterm -T 'another program' -geometry 60x15+$(( X + 60 ))+$(( Y + 60 )) >/dev/null 2>&1 &
other=$!
other_window=$(window '^another program$')
wait_active "$other_window" "kestrun: the other program's window did not take the focus"
shot kestrun-8-other-program
kill "$other" && wait "$other" 2>/dev/null || true
gone '^another program$'
wait_active "$form7" "kestrun: the focus did not come back to the circulant window"
shot kestrun-9-focus-back
convert "$OUT/kestrun-7-n38.png" -crop "$crop" +repage "$OUT/kestrun-7-n38-window.png"
convert "$OUT/kestrun-9-focus-back.png" -crop "$crop" +repage "$OUT/kestrun-9-window.png"
changed=$(compare -metric AE "$OUT/kestrun-7-n38-window.png" "$OUT/kestrun-9-window.png" \
          null: 2>&1) || true
[ "$changed" = 0 ] ||
  fail "kestrun: $changed pixels of the circulant window changed when the focus came back"
pass "kestrun: N = 38 and its drawing are still there after another program had the focus"
leave_circulant_window "kestrun (focus)"
# ---- kestrun: right click on the circulant picture, "Сохранить изображение…" ----
start_circulant_window kestrun-save.log
xdotool mousemove --window "$form7" 22 109 click 1     # "37"
saved="$OUT/kestrun-circulant-37.svg"
rm -f "$saved"
xdotool mousemove --window "$form7" 300 100 click 3    # right button on the picture
shot kestrun-save-1-menu
xdotool key Down Down Return                           # "Сохранить изображение…"
dialog=$(window '^Сохранить$')
xdotool windowfocus --sync "$dialog"
shot kestrun-save-2-dialog
xdotool key ctrl+a
xdotool type --delay 20 "$saved"
xdotool key Return
gone '^Сохранить$'
for _ in $(seq 50); do [ -s "$saved" ] && break; sleep 0.1; done
[ -s "$saved" ] || fail "kestrun: the picture was not saved to $saved"
# A well-formed SVG document: its size and its chords, read by an XML parser.
svg_size_and_lines='
import sys, xml.etree.ElementTree as tree
svg = tree.parse(sys.argv[1]).getroot()
assert svg.tag == "{http://www.w3.org/2000/svg}svg"
print(svg.get("width") + "x" + svg.get("height"), len(list(svg.iter("{http://www.w3.org/2000/svg}line"))))'
read -r size lines < <(python3 -c "$svg_size_and_lines" "$saved" 2>/dev/null || echo invalid)
[ "$size" != invalid ] || fail "kestrun: $saved is no valid SVG"
[ "$size" = 361x337 ] || fail "kestrun: the saved picture is $size, expected 361x337"
[ "$lines" = 370 ] || fail "kestrun: the saved picture has $lines lines, expected 370"
pass "kestrun: right click saved the circulant as a 361 x 337 SVG with its 370 chords"
leave_circulant_window "kestrun (save)"
# ---- kestrun: the hypercube's table at N = 32 keeps its fixed row in place ----
# "двоичный гиперкуб", "Далее", 32 from the list, "Построить"; a click into the
# table and Ctrl+End scroll it to its last row. The fixed row 0 must stand at
# the top unchanged while the rows and their vertex numbers move under it.
"$build/kestrun/shell/kestrun" >"$OUT/kestrun-grid.log" 2>&1 &
kestrun=$!
form1=$(window '^ЛР №2$')
xdotool mousemove --window "$form1" 30 80 click 1      # "двоичный гиперкуб"
xdotool mousemove --window "$form1" 237 100 click 1    # "Далее"
form2=$(window '^КС типа n-мерный двоичный гиперкуб$')
xdotool mousemove --window "$form2" 112 50 click 1     # the list of ComboBox1
sleep 0.3
xdotool key End Return                                 # "32"
xdotool mousemove --window "$form2" 50 92 click 1      # "Построить"
xdotool mousemove --window "$form2" 300 400            # off the controls
shot kestrun-grid-1-built
xdotool mousemove --window "$form2" 50 215 click 1     # a cell of StringGrid1
xdotool key ctrl+End
xdotool mousemove --window "$form2" 300 400
shot kestrun-grid-2-scrolled
client_area "$form2"
# StringGrid1 stands at (8, 184); its cells start inside a frame of 1 or 2 px.
strip() {  # file w h x y: checksum of a rectangle of the table
  convert "$1" -crop "$2x$3+$(( X + 8 + $4 ))+$(( Y + 184 + $5 ))" +repage rgb:- | md5sum
}
[ "$(strip "$OUT/kestrun-grid-1-built.png" 12 100 3 20)" != \
  "$(strip "$OUT/kestrun-grid-2-scrolled.png" 12 100 3 20)" ] ||
  fail "kestrun: Ctrl+End did not scroll the vertex numbers of the table"
[ "$(strip "$OUT/kestrun-grid-1-built.png" 85 10 3 3)" = \
  "$(strip "$OUT/kestrun-grid-2-scrolled.png" 85 10 3 3)" ] ||
  fail "kestrun: the fixed row of the table moved when the table scrolled"
pass "kestrun: at N = 32 the table scrolls under its fixed row, which stays at the top"
xdotool mousemove --window "$form2" 45 364 click 1     # "Назад"
form1=$(window '^ЛР №2$')
xdotool mousemove --window "$form1" 237 124 click 1    # "Выход"
finish "$kestrun" "kestrun (table)"
echo "window-check: $passed passed, 0 failed"
