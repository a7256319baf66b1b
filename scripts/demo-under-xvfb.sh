#!/usr/bin/env bash
# Uses Ringlark as a person would, in a real window on a private X server (Xvfb), with the
# null audio output: browse to a song, play it, set the marks, save the cut, preview it, Esc.
# Leaves a screenshot taken right after Set end in docs/after-set-end.png.
#   scripts/demo-under-xvfb.sh [SONG.mp3]
set -euo pipefail
cd "$(dirname "$0")/.."
song=$(realpath "${1:-tests/fixtures/cbr_44k_stereo.mp3}")
scripts/install-deps.sh demo
cmake --preset release >/dev/null
cmake --build --preset release >/dev/null

work=$(mktemp -d)
display=""
for n in $(seq 90 99); do [ -e /tmp/.X11-unix/X$n ] || { display=:$n; break; }; done
Xvfb "$display" -screen 0 1024x768x24 >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; rm -rf "$work"' EXIT
export DISPLAY=$display RINGLARK_AUDIO=null
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

build/release/src/app/ringlark &
app=$!
window=$(xdotool search --sync --onlyvisible --name '^Ringlark' | head -n 1)
eval "$(xdotool getwindowgeometry --shell "$window")"

# Clicks the middle of a control of the group box (which stands at 16, 8), given its place.
click() { xdotool mousemove $((X + 16 + $1 + $3 / 2)) $((Y + 8 + $2 + $4 / 2)) click 1; sleep 0.3; }
answer_dialog() {
  xdotool search --sync --onlyvisible --name "$1" >/dev/null
  sleep 0.5
  xdotool key ctrl+a type --delay 2 "$2"
  xdotool key Return
  sleep 0.5
}

click 416 16 72 24                      # 浏览文件: the open dialog
answer_dialog '^Open$' "$song"
click 16 48 72 24                       # 播放音乐
sleep 1.3                               # the clock ticks once
click 16 120 72 24                      # 设置起点
sleep 0.6
click 96 120 72 24                      # 设置终点
mkdir -p docs
import -window root -crop 574x246+"$X"+"$Y" docs/after-set-end.png
click 416 120 72 24                     # 保存铃声
answer_dialog '保存铃声' "$work/ringtone.mp3"
click 336 120 72 24                     # 试听铃声
sleep 0.5
xdotool key Escape
status=0
wait $app || status=$?
echo "Saved $(stat -c %s "$work/ringtone.mp3") bytes of $(stat -c %s "$song"); exit code $status"
echo "Screenshot after Set end: docs/after-set-end.png"
[ "$status" -eq 0 ]
