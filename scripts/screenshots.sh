#!/usr/bin/env bash
# Takes the README's screenshots again, each window's client area under the
# default theme, in the real-window checks' X session (Xvfb and openbox).
#   bash scripts/screenshots.sh BUILD_DIR [OUT]   (OUT: docs/screenshots)
set -euo pipefail
build=${1:?usage: screenshots.sh BUILD_DIR [OUT]}
mkdir -p "${2:-docs/screenshots}"
OUT=$(realpath "${2:-docs/screenshots}")
export QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR=$(mktemp -d) CHECK=screenshots
SESSION_DIR=$(mktemp -d)
unset QT_QPA_PLATFORMTHEME GTK_THEME
source "$(dirname "$0")/../.ci/x-session.sh"
grab() {  # window name
  sleep 0.6
  client_area "$1"
  import -window root -crop "${WIDTH}x${HEIGHT}+$X+$Y" +repage "$OUT/$2.png"
}
# velmar at 960 x 768 with {16; 1, 4}: the dialog, then the main window.
"$build/velmar/app/velmar" >/dev/null 2>&1 &
v=$!
main=$(window '^Untitled - Velmar$')
xdotool windowsize --sync "$main" 960 768 || true
xdotool windowfocus --sync "$main"
xdotool key alt+h Right Return
dialog=$(window '^Параметры КС типа Циркулянт$')
xdotool windowfocus --sync "$dialog"
xdotool key Tab Tab Tab Tab
xdotool type --delay 40 '16'
xdotool key Tab
xdotool type --delay 40 '1 4'
xdotool key Tab space
grab "$dialog" velmar-dialog
xdotool key Escape
gone '^Параметры КС типа Циркулянт$'
grab "$main" velmar-main
xdotool windowfocus --sync "$main"
xdotool key alt+f x
finish "$v" velmar

# kestrun: the chooser, the hypercube at 32 and its chart, the cube at 27,
# the circulant at 35 and its chart.
"$build/kestrun/shell/kestrun" >/dev/null 2>&1 &
k=$!
form1=$(window '^ЛР №2$')
xdotool mousemove 1000 1000
grab "$form1" kestrun-form1
xdotool mousemove --window "$form1" 30 80 click 1
xdotool mousemove --window "$form1" 237 100 click 1
form2=$(window '^КС типа n-мерный двоичный гиперкуб$')
xdotool mousemove --window "$form2" 112 50 click 1
sleep 0.3
xdotool key End Return
xdotool mousemove --window "$form2" 50 92 click 1
xdotool mousemove 1000 1000
grab "$form2" kestrun-form2-32
xdotool mousemove --window "$form2" 50 116 click 1
form3=$(window '^Двоичный гиперкуб$')
xdotool mousemove 1000 1000
grab "$form3" kestrun-form3
xdotool mousemove --window "$form3" 430 324 click 1
form2=$(window '^КС типа n-мерный двоичный гиперкуб$')
xdotool mousemove --window "$form2" 45 364 click 1
form1=$(window '^ЛР №2$')
xdotool mousemove --window "$form1" 30 101 click 1
xdotool mousemove --window "$form1" 237 100 click 1
form5=$(window '^КС типа обобщенный 3D куб$')
xdotool mousemove --window "$form5" 22 69 click 1
xdotool mousemove 1000 1000
grab "$form5" kestrun-form5-27
xdotool mousemove --window "$form5" 52 316 click 1
form1=$(window '^ЛР №2$')
xdotool mousemove --window "$form1" 30 122 click 1
xdotool mousemove --window "$form1" 237 100 click 1
form7=$(window '^Циркулянта \{N; 1, 3, 11, 13, 17\}$')
xdotool mousemove --window "$form7" 22 84 click 1
xdotool mousemove 1000 1000
grab "$form7" kestrun-form7-35
xdotool mousemove --window "$form7" 52 260 click 1
form9=$(window '^Циркулянта$')
xdotool mousemove 1000 1000
grab "$form9" kestrun-form9
xdotool mousemove --window "$form9" 389 316 click 1
form7=$(window '^Циркулянта \{N; 1, 3, 11, 13, 17\}$')
xdotool mousemove --window "$form7" 52 284 click 1
form1=$(window '^ЛР №2$')
xdotool mousemove --window "$form1" 237 124 click 1
finish "$k" kestrun
