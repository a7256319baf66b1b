#!/usr/bin/env bash
# Builds the bench preset and runs every benchmark, then prints one Markdown table (Ringlark
# against a reference) and the machine it ran on. Takes about three minutes, one of them a song
# minute played in real time. Needs Xvfb, xdotool and mpg123 (Debian: xvfb xdotool mpg123).
# The songs are made in a temporary folder and removed at the end.
set -euo pipefail

cd "$(dirname "$0")/.."
root=$PWD
bench=$root/build/bench/bench
app=$root/build/bench/src/app/ringlark
fixture=$root/tests/fixtures/cbr320_untagged.mp3
runs=10 # start-up runs per program

for tool in Xvfb xdotool mpg123 dd; do
  command -v "$tool" >/dev/null || { echo "bench/run.sh: $tool is missing" >&2; exit 1; }
done

say() { echo "== $*" >&2; }

say "building the bench preset"
cmake --preset bench >&2
cmake --build --preset bench >&2
for program in audio_bench set_end_bench bare_qt_window window_ready; do
  [ -x "$bench/$program" ] || { echo "bench/run.sh: $bench/$program was not built" >&2; exit 1; }
done

work=$(mktemp -d "${TMPDIR:-/tmp}/ringlark_bench.XXXXXX")
log=$work/programs.log
xvfb_pid=""
program_pid=""
cleanup() {
  if [ -n "$program_pid" ]; then kill "$program_pid" 2>/dev/null || true; fi
  if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; fi
  rm -rf "$work"
}
trap cleanup EXIT

# --- helpers ----------------------------------------------------------------------------------

median() { awk 'NF' | sort -g | awk '{ v[NR] = $1 } END { if (NR == 0) print ""; else if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

# A field of one benchmark in Google Benchmark's JSON output, which puts each key on its own line.
bench_value() {
  awk -v name="\"$2\"" -v key="\"$3\"" '
    $1 == "\"name\":" { current = $2; sub(/,$/, "", current) }
    current == name && $1 == key ":" { value = $2; sub(/,$/, "", value); gsub(/"/, "", value); print value; exit }
  ' "$1"
}

# Milliseconds per time unit of a Google Benchmark result.
unit_ms() { case $1 in ns) echo 0.000001 ;; us) echo 0.001 ;; ms) echo 1 ;; s) echo 1000 ;; esac; }

field() { sed -n "s/.*$1=\([0-9.]*\).*/\1/p" <<<"$2"; }
status_kb() { awk -v key="$2:" '$1 == key { print $2 }' "/proc/$1/status"; }
rchar() { awk '$1 == "rchar:" { print $2 }' "/proc/$1/io"; }
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; } # user + system, all threads
now() { echo "$EPOCHREALTIME"; }
calc() { awk "BEGIN { printf \"$1\", $2 }"; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (a == "" || b == "" || b + 0 == 0) print "n/a"; else printf "%.2f", a / b }'; }

# The segment's bytes, repeated: the fixture has no LAME/Xing tag, so copies make a valid stream.
make_song() { # copies path
  local copies=$1 unit=$work/unit
  cp "$fixture" "$unit"
  : >"$2"
  while [ "$copies" -gt 0 ]; do
    if [ $((copies & 1)) = 1 ]; then cat "$unit" >>"$2"; fi
    copies=$((copies >> 1))
    if [ "$copies" -gt 0 ]; then cat "$unit" "$unit" >"$unit.2" && mv "$unit.2" "$unit"; fi
  done
  rm -f "$unit"
}

# --- songs and display ------------------------------------------------------------------------

say "making a 300 MB song"
song300=$work/song_300_mb.mp3
fixture_bytes=$(stat -c %s "$fixture")
make_song $(((300000000 + fixture_bytes - 1) / fixture_bytes)) "$song300"
song300_bytes=$(stat -c %s "$song300")

say "starting a private Xvfb"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>>"$log" &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || { echo "bench/run.sh: Xvfb did not start" >&2; exit 1; }
DISPLAY=:$(head -n 1 "$work/display")
export DISPLAY
export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
# The null output plays in real time; a machine without a sound card would otherwise spend start-up
# probing for one.
export RINGLARK_AUDIO=null

# --- 1. start-up ------------------------------------------------------------------------------

say "start-up: $runs runs each, interleaved, after one warm-up each"
ready_ms() { field ready_ms "$("$bench/window_ready" "$1" 2>>"$log")"; }
ready_ms "$app" >/dev/null
ready_ms "$bench/bare_qt_window" >/dev/null
: >"$work/start_ringlark"
: >"$work/start_bare"
for _ in $(seq "$runs"); do
  ready_ms "$app" >>"$work/start_ringlark"
  ready_ms "$bench/bare_qt_window" >>"$work/start_bare"
done
start_ringlark=$(median <"$work/start_ringlark")
start_bare=$(median <"$work/start_bare")

# --- 2. memory and CPU of the program playing the 300 MB song ---------------------------------

say "memory: the bare window"
out=$("$bench/window_ready" --keep "$bench/bare_qt_window" 2>>"$log")
program_pid=$(field pid "$out")
hwm_bare=$(status_kb "$program_pid" VmHWM)
kill "$program_pid"
program_pid=""

cat "$song300" >/dev/null # warm cache for every use of the song below
say "memory: Ringlark with the 300 MB song, playing a minute, then Set end (about 70 s)"
out=$("$bench/window_ready" --keep "$app" 2>>"$log")
program_pid=$(field pid "$out")
window=$(field window "$out")
hwm_idle=$(status_kb "$program_pid" VmHWM)
# Points inside the window: the group box lies at 16,8; the controls are 72x24 unless named.
click() { xdotool mousemove --window "$window" "$1" "$2" click 1; }
click 260 36 # 编辑框1 (328x24 at 80,16)
sleep 0.2
xdotool type --delay 2 "$song300"
read_before_play=$(rchar "$program_pid")
click 68 68 # 按钮2, Play
# Play scans the whole song for its length; done when the program has read all of its bytes.
played=no
for _ in $(seq 300); do
  if [ $(($(rchar "$program_pid") - read_before_play)) -ge "$song300_bytes" ]; then played=yes; break; fi
  sleep 0.1
done
hwm_play="" cpu_play="" hwm_cut="" cut_read=""
if [ "$played" = yes ]; then
  sleep 1
  click 68 140 # 按钮7, Set start
  ticks_before=$(cpu_ticks "$program_pid")
  time_before=$(now)
  sleep 60
  ticks_after=$(cpu_ticks "$program_pid")
  time_after=$(now)
  hwm_play=$(status_kb "$program_pid" VmHWM)
  read_before_cut=$(rchar "$program_pid")
  click 148 140 # 按钮8, Set end
  sleep 1
  cut_read=$(($(rchar "$program_pid") - read_before_cut))
  hwm_cut=$(status_kb "$program_pid" VmHWM)
  # CPU milliseconds per minute of song played in real time.
  cpu_play=$(awk -v t="$((ticks_after - ticks_before))" -v hz="$(getconf CLK_TCK)" -v s="$(calc %f "$time_after - $time_before")" \
    'BEGIN { printf "%.0f", t * 1000 / hz * 60 / s }')
  # A 60 s cut of a 320 kb/s song is 2.4 MB; playing reads only about 40 kB a second besides.
  if [ "$cut_read" -lt 2000000 ]; then
    echo "bench/run.sh: Set end read only $cut_read bytes; the cut rows are left out" >&2
    hwm_cut=""
  fi
else
  echo "bench/run.sh: the program did not open the song; the memory rows are left out" >&2
fi
kill "$program_pid"
program_pid=""

# --- 3. Set end against dd --------------------------------------------------------------------

say "Set end: 30 s at minute 60 of the 300 MB song"
RINGLARK_BENCH_SONG=$song300 "$bench/set_end_bench" --benchmark_out="$work/set_end.json" \
  --benchmark_out_format=json >&2
json=$work/set_end.json
set_end_ms=$(calc %.4f "$(bench_value "$json" SetEnd30Seconds real_time) * $(unit_ms "$(bench_value "$json" SetEnd30Seconds time_unit)")")
skip=$(calc %d "$(bench_value "$json" SetEnd30Seconds skip_bytes)")
count=$(calc %d "$(bench_value "$json" SetEnd30Seconds count_bytes)")
# dd's own figure: from the start of its copy (the skip included) to its end, without its start-up.
for _ in $(seq 20); do
  LC_ALL=C dd if="$song300" of=/dev/null iflag=skip_bytes,count_bytes skip="$skip" count="$count" bs=64K 2>&1 |
    awk -v want="$count" '$1 == want && / copied, / { sub(/.* copied, /, ""); print $1 * 1000 }'
done >"$work/dd"
dd_ms=$(median <"$work/dd")

# --- 4. and 5. the audio engine on a 100-minute song ------------------------------------------

say "audio engine: a 100-minute 320 kb/s song"
# audio_bench makes its song in the temporary folder; it is used for mpg123 below.
TMPDIR=$work "$bench/audio_bench" --benchmark_out="$work/audio.json" --benchmark_out_format=json >&2
song100=$work/ringlark_bench_100_minutes.mp3
json=$work/audio.json
ms_of() { calc %.1f "$(bench_value "$json" "$1" "$2") * $(unit_ms "$(bench_value "$json" "$1" time_unit)")"; }
length_ms=$(ms_of OpenToLength real_time)
first_audio_ms=$(ms_of OpenToFirstAudio real_time)
play_cpu_ms=$(ms_of PlayOneMinute cpu_time)
song100_minutes=$(bench_value "$json" OpenToLength song_minutes)

say "mpg123 on the same song"
wall_ms() { # command...: wall milliseconds of one run
  local start
  start=$(now)
  "$@" >/dev/null 2>&1
  calc %.3f "($(now) - $start) * 1000"
}
# Skipping every frame walks all the frame headers without decoding, as a length scan does.
for _ in $(seq 5); do wall_ms mpg123 -q -t -k 1000000000 "$song100"; done >"$work/mpg123_skip"
for _ in $(seq 10); do wall_ms mpg123 -q -t -n 1 "$song100"; done >"$work/mpg123_first"
mpg123_skip_ms=$(median <"$work/mpg123_skip")
mpg123_first_ms=$(median <"$work/mpg123_first")
TIMEFORMAT='%3U %3S'
mpg123_cpu_s=$({ time mpg123 -q -t "$song100" >/dev/null 2>&1; } 2>&1 | awk '{ print $1 + $2 }')
mpg123_cpu_ms=$(calc %.1f "$mpg123_cpu_s * 1000 / $song100_minutes")

# --- the table --------------------------------------------------------------------------------

mb() { if [ -n "$1" ]; then calc "%.1f MiB" "$1 / 1024"; else echo "n/a"; fi; }
ms() { if [ -n "$1" ]; then calc "%.${2:-1}f ms" "$1"; else echo "n/a"; fi; }
row() { echo "| $1 | $2 | $3 | $4 |"; }

cpu_model=$(awk -F': ' '/^model name/ { print $2; exit }' /proc/cpuinfo)
cores=$(nproc)
ram=$(awk '/^MemTotal:/ { printf "%.1f GiB", $2 / 1048576 }' /proc/meminfo)

echo
echo "| measure | Ringlark | reference | ratio |"
echo "|---|---|---|---|"
row "start-up to window shown and idle (median of $runs)" "$(ms "$start_ringlark")" \
  "$(ms "$start_bare") bare Qt window" "$(ratio "$start_ringlark" "$start_bare")"
row "peak RSS, window shown, no song" "$(mb "$hwm_idle")" "$(mb "$hwm_bare") bare Qt window" \
  "$(ratio "$hwm_idle" "$hwm_bare")"
row "peak RSS, 300 MB song open and playing 1 min" "$(mb "$hwm_play")" \
  "$(mb "$hwm_bare") bare Qt window" "$(ratio "$hwm_play" "$hwm_bare")"
row "peak RSS after Set end, 60 s cut" "$(mb "$hwm_cut")" \
  "$(mb "$hwm_bare") bare Qt window" "$(ratio "$hwm_cut" "$hwm_bare")"
row "Set end, 30 s at minute 60 of a 300 MB song, warm cache" "$(ms "$set_end_ms" 3)" \
  "$(ms "$dd_ms" 3) dd, same bytes" "$(ratio "$set_end_ms" "$dd_ms")"
row "Play, 100 min 320 kb/s: open to length known" "$(ms "$length_ms")" \
  "$(ms "$mpg123_skip_ms") mpg123 -t -k to the end" "$(ratio "$length_ms" "$mpg123_skip_ms")"
row "Play, 100 min 320 kb/s: open to first audio mixed" "$(ms "$first_audio_ms")" \
  "$(ms "$mpg123_first_ms") mpg123 -t -n 1 (no length scan)" "$(ratio "$first_audio_ms" "$mpg123_first_ms")"
row "CPU per song minute, decode + mix (audio_bench)" "$(ms "$play_cpu_ms")" \
  "$(ms "$mpg123_cpu_ms") mpg123 -t" "$(ratio "$play_cpu_ms" "$mpg123_cpu_ms")"
row "CPU per song minute, whole program playing in real time" "$(ms "$cpu_play" 0)" \
  "$(ms "$mpg123_cpu_ms") mpg123 -t" "$(ratio "$cpu_play" "$mpg123_cpu_ms")"
echo
echo "Machine: $cpu_model, $cores cores, $ram RAM; $(uname -sr); null audio output (RINGLARK_AUDIO=null), Xvfb without a window manager."
