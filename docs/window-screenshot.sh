#!/usr/bin/env bash
# Takes docs/window.png: starts the real window on a virtual display, pastes a claims text through
# the clipboard, presses "开始检查" and F8 and photographs the window with its report, the problems
# list beside it (its first finding selected) and the status line.
# Needs: xvfb openbox xdotool xclip imagemagick fonts-wqy-zenhei, and a built build/app/quillex
# (or the program given as $1).
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
program=${1:-$root/build/app/quillex}
export DISPLAY=:97

Xvfb "$DISPLAY" -screen 0 1280x800x24 -nolisten tcp &
xvfb=$!
pids=()
trap 'kill "${pids[@]}" "$xvfb" 2>/dev/null || true' EXIT
sleep 1
openbox & pids+=($!)
QT_QPA_PLATFORM=xcb "$program" & pids+=($!)
sleep 2

xclip -selection clipboard -i <<'CLAIMS' &
权利要求书
1. 一种杯子，其特征在于，包括杯体和杯盖。
2. 根据权利要求1所述的杯子，其特征在于，所述手柄为陶瓷。
4. 根据权利要求1或2所述的杯子，其特征在于，杯盖为圆形
5. 根据权利要求2或4所述的杯盖，其特征在于，所述杯盖为玻璃，，且透明。
6. 一种制造权利要求1所述杯子的方法，包括：烧制所述杯体；装配所述杯盖。
7. 根据权利要求6所述的方法，其特征在于，所述烧制的温度为1200℃。
8. 根据权利要求7所述的方法，其特征在于，所述烧制的时间为2小时。
9. 根据权利要求8所述的方法，其特征在于，所述装配在烧制之后进行。
10. 根据权利要求9所述的方法，其特征在于，所述杯盖与所述杯体螺纹连接。
11. 根据权利要求10所述的方法，其特征在于，所述螺纹为细牙螺纹
CLAIMS
pids+=($!)
sleep 0.5

window=$(xdotool search --sync --name 'Quillex vudarevevi' | head -1)
xdotool windowactivate --sync "$window"
xdotool mousemove --window "$window" 500 200 click 1  # into the text box
xdotool key ctrl+v
sleep 0.5
xdotool key ctrl+Return  # the same as clicking "开始检查"
sleep 1
xdotool key F8  # the first finding, selected in the box and in the list
sleep 0.5
# The window with the frame the window manager gave it.
import -frame -window "$window" "$root/docs/window.png"
echo "wrote $root/docs/window.png"
