#!/usr/bin/env bash
# The everyday actions of the program under Wine, each timed from the real input that starts it
# to its visible result, at the size a drafter meets it and at 10 and 100 times that size, so
# that growth shows:
#   Queue > "&Remove Duplicates"                 350 entries, 50 of them repeated
#   a saved list loaded by a double-click        300 entries
#   the second User Set page chosen              299 entries
#   Tools > "&File Renamer" to its first box      50 entries
#   the queue quick pick closed                  300 entries
#   "&Create Batch Script", verification on      300 drawings
# One fresh Wine prefix and one display for the whole run; each figure is one start of the
# program.
#
# The display has no window manager. Wine then waits up to 2 s, each time a window with a
# title bar is hidden, for a window manager to confirm it (its log says "wait_for_withdrawn_state
# ... wait timed out"), which neither Windows nor a Linux desktop makes anyone wait. The prefix
# therefore leaves the windows to Wine ("Managed" = "N" for its X11 driver); --wm-wait keeps
# Wine's default and its waits. Builds the win32 program and its driver and the drawings outside the repository, and
# removes the scratch folder, its prefix and the display when it ends.
#
# --only <action> times that one action alone (duplicates, lists, userset, renamer, quickpick,
# build).
#
# Usage (from anywhere):  bench/wine/run_actions.sh [--wm-wait] [--only action] [largest factor, default 100]
set -euo pipefail
cd "$(dirname "$0")/../.."

wm_wait=0
only=""
while [ $# -gt 0 ]; do
  case $1 in
    --wm-wait) wm_wait=1 ;;
    --only)
      only=$2
      shift
      ;;
    *) break ;;
  esac
  shift
done
largest=${1:-100}
# The sizes measured are 1, 10 and the largest factor: a smaller largest one has too few drawings.
if [ "$largest" -lt 10 ]; then
  echo "usage: bench/wine/run_actions.sh [--wm-wait] [--only action] [largest factor, at least 10]" >&2
  exit 2
fi
caption="Tornavane v1.0.0"
per_folder=1000
source bench/wine/lib.bash
bench_scratch actions

note "building the program and its driver"
scripts/build win32 tornavane actions_driver >/dev/null
scripts/install build/win32 "$scratch/Tornavane" >/dev/null
cp build/win32/bench/wine/actions_driver.exe "$scratch/actions_driver.exe"

bench_prefix

# Drawings enough for the largest size: 300 x the largest factor, in folders of 1,000.
paths="$scratch/paths.txt"
make_drawings "$((300 * largest))" "$per_folder" "$paths"

bench_program_settings
if [ "$wm_wait" -eq 0 ]; then
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
fi

# The first n drawings as a list file.
first() { head -n "$1" "$paths" >"$2"; }
# The first n drawings and the first r of them again in upper case, as a list file.
repeated() {
  { head -n "$1" "$paths"; head -n "$2" "$paths" | tr '[:lower:]' '[:upper:]'; } >"$3"
}

# Puts the program's files and settings in the state one action starts from: an empty queue on
# User Set page 0, no saved lists, no second page, verification off.
reset_state() {
  rm -f "$data"/*.lst "$data/$user"-1-*.tmp "$data/$user"-0-*.tmp
  : >"$data/$user-list.tmp"
  printf 'REGEN\r\n' >"$data/$user-scr.tmp"
  setting Startup Face 0
  setting Startup VerifyFiles 0
}

# Runs the driver once and prints its figure in ms ("failed" when it did not finish).
measure() {
  local output
  output=$(wine "$scratch/actions_driver.exe" "$folder" "$caption" "$@" 2>/dev/null | tr -d '\r') || true
  # A driver that failed leaves the program running: end whatever is left.
  wineserver -k >/dev/null 2>&1 || true
  wineserver -w
  local ms
  ms=$(sed -n 's/^ms //p' <<<"$output")
  if [ -z "$ms" ]; then
    note "driver: $output"
    echo failed
  else
    echo "$ms"
  fi
}

# One action at one factor of its size; prints the time in ms.
run_action() {
  local action=$1 factor=$2
  reset_state
  case $action in
    duplicates)
      repeated $((300 * factor)) $((50 * factor)) "$data/$user-list.tmp"
      measure $((350 * factor)) duplicates $((50 * factor))
      ;;
    lists)
      first $((300 * factor)) "$data/bench.lst"
      measure 0 lists $((300 * factor))
      ;;
    userset)
      first $((299 * factor)) "$data/$user-1-list.tmp"
      printf 'REGEN\r\n' >"$data/$user-1-scr.tmp"
      measure 0 userset $((299 * factor))
      ;;
    renamer)
      first $((50 * factor)) "$data/$user-list.tmp"
      measure $((50 * factor)) renamer 0
      ;;
    quickpick)
      first $((300 * factor)) "$data/$user-list.tmp"
      measure $((300 * factor)) quickpick 0
      ;;
    build)
      first $((300 * factor)) "$data/$user-list.tmp"
      setting Startup VerifyFiles 1
      measure $((300 * factor)) build 0
      ;;
  esac
}

factors=(1 10 "$largest")
if [ "$wm_wait" -eq 1 ]; then echo "Wine's waits for a window manager kept"; else echo "windows left to Wine (no waits for a window manager)"; fi
printf '%-48s %10s %10s %10s\n' "action (size at 1x)" "1x ms" "10x ms" "${largest}x ms"
for row in "duplicates|Queue > Remove Duplicates (350, 50 repeated)" \
  "lists|saved list loaded by double-click (300)" \
  "userset|User Set page switched (299)" \
  "renamer|File Renamer to its first box (50)" \
  "quickpick|queue quick pick closed (300)" \
  "build|Create Batch Script, verification on (300)"; do
  action=${row%%|*}
  if [ -n "$only" ] && [ "$action" != "$only" ]; then continue; fi
  figures=()
  for factor in "${factors[@]}"; do
    note "$action at ${factor}x"
    figures+=("$(run_action "$action" "$factor")")
  done
  printf '%-48s %10s %10s %10s\n' "${row#*|}" "${figures[@]}"
done
