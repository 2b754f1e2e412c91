#!/usr/bin/env bash
# The program's speed at scale under Wine, as ratios to the two baseline probes measured in the
# same run, on the same display and in the same fresh Wine prefix:
#   start-up with a 100,000-drawing queue  /  (list_probe's whole process + start-up, empty queue)
#   memory with that queue above the empty-queue figure  /  the queue file's bytes
#   "&Create Batch Script" on the 100,000 drawings (verification off)  /  build_probe
# Builds the win32 program and its driver, the probes (from the baseline folder, into the
# scratch folder) and a fixture of existing drawings (100 folders of 1,000), all outside the
# repository; removes the scratch folder, its Wine prefix and the display when it ends.
#
# Usage (from anywhere):  bench/wine/run_speed.sh [drawings, default 100000] [probe folder,
#   default TORNAVANE_PERF_PROBES, else ../shared/perf beside the repository]
set -euo pipefail
cd "$(dirname "$0")/../.."

count=${1:-100000}
probes=${2:-${TORNAVANE_PERF_PROBES:-../shared/perf}}
per_folder=1000
caption="Tornavane v1.0.0"
source bench/wine/lib.bash
bench_scratch speed

# --- builds -------------------------------------------------------------------------------------
note "building the program and the probes"
scripts/build win32 tornavane speed_driver >/dev/null
scripts/install build/win32 "$scratch/Tornavane" >/dev/null
for probe in build_probe list_probe; do
  x86_64-w64-mingw32-g++ -O2 -static -o "$scratch/$probe.exe" "$probes/$probe.cpp"
done
cp build/win32/bench/wine/speed_driver.exe "$scratch/speed_driver.exe"

# --- display and prefix -------------------------------------------------------------------------
bench_prefix

# --- fixture ------------------------------------------------------------------------------------
list="$scratch/queue.lst"
make_drawings "$count" "$per_folder" "$list"
bench_program_settings
printf 'REGEN\r\n' >"$data/$user-scr.tmp"
setting Startup VerifyFiles 0
list_win=$(winepath -w "$list" 2>/dev/null | tr -d '\r')

driver() { wine "$scratch/speed_driver.exe" "$@" 2>/dev/null | tr -d '\r'; }
figure() { sed -n "s/^$1 //p" <<<"$2"; }

# --- measurements -------------------------------------------------------------------------------
note "start-up with an empty queue"
: >"$data/$user-list.tmp"
empty=$(driver program "$folder" "$caption" 0 nobuild)
note "list_probe"
listed=$(driver process "$scratch/list_probe.exe" "$list_win")
note "start-up with $count drawings, then the build"
cp "$list" "$data/$user-list.tmp"
full=$(driver program "$folder" "$caption" "$count" build)
note "build_probe"
probed=$(driver process "$scratch/build_probe.exe" "$list_win" 'C:\out\probe.scr')
wineserver -w

start_empty=$(figure start_ms "$empty")
start_full=$(figure start_ms "$full")
list_ms=$(figure process_ms "$listed")
build_ms=$(figure build_ms "$full")
probe_ms=$(sed -n 's/^[0-9]* files \([0-9]*\) ms$/\1/p' <<<"$probed")
probe_process_ms=$(figure process_ms "$probed")
memory_empty=$(figure working_set_bytes "$empty")
memory_full=$(figure working_set_bytes "$full")
queue_bytes=$(stat -c %s "$list")
script_bytes=$(stat -c %s "$WINEPREFIX/drive_c/out/tornavane.scr" 2>/dev/null || echo 0)
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (b > 0) printf "%.2f", a / b; else print "n/a" }'; }

echo "drawings                          $count"
echo "start-up, empty queue             $start_empty ms"
echo "list_probe, whole process         $list_ms ms   ($(sed -n 's/ lines / lines, /p' <<<"$listed"))"
echo "start-up, $count drawings      $start_full ms"
echo "start-up ratio (at most 3)        $(ratio "$start_full" "$((list_ms + start_empty))")"
echo "memory, empty queue               $memory_empty bytes (working set)"
echo "memory, $count drawings        $memory_full bytes (working set)"
echo "queue file                        $queue_bytes bytes"
echo "memory ratio (at most 3)          $(ratio "$((memory_full - memory_empty))" "$queue_bytes")"
echo "build, $count drawings         $build_ms ms   (batch script $script_bytes bytes)"
echo "build_probe                       $probe_ms ms   (whole process $probe_process_ms ms)"
echo "build ratio (at most 2)           $(ratio "$build_ms" "$probe_ms")"
