#!/usr/bin/env bash
# The "+" button of the real tornavane.exe under Wine over a real folder tree that holds a
# symbolic link back to its own top: the scan must not go round the loop, so every drawing
# is queued once. The browser starts in the tree (stored setting Paths\Source); a driver
# process presses "+", answers the message (the stop window gone from behind it) and lists
# the queue. Prints GoogleTest-like lines; exits non-zero on a failure.
#
# Needs a running Wine (WINEPREFIX, DISPLAY), as scripts/test provides; runs from the
# repository root.  Usage: tests/wine/scan_links.sh [win32 build folder, default build/win32]
set -uo pipefail
source "$(dirname "$0")/lib.bash"

build=${1:-build/win32}
work="$build/scan-links"
install="$work/Tornavane"
caption="Tornavane v1.0.0"
suite=ScanLinks

LinkToTheTopIsNotFollowed() {
  local tree windows
  tree=$(realpath "$work")/tree
  mkdir -p "$tree/Sub/Deep"
  printf 'AC1027' >"$tree/a.dwg"
  printf 'AC1027' >"$tree/Sub/b.dwg"
  printf 'AC1027' >"$tree/Sub/Deep/c.dwg"
  printf 'text' >"$tree/Sub/notes.txt"
  ln -s "$tree" "$tree/Sub/Deep/loop"
  windows="Z:$(echo "$tree" | tr / '\\')"

  setting Paths Source "$windows"
  setting Startup DWGPattern "*.dwg"
  setting Startup TipsShow 0

  start_program
  run_driver 120 scan_links_driver "$caption"
  [ "$driver" -eq 0 ] || problem "the driver exited with $driver"
  stop_program

  local seen expected
  seen=$(tr -d '\r' <"$work/driver.log")
  expected=$(printf '%s\n' "message: 3 Files Added to Queue." "stop window behind it: hidden" "entry: $windows\\a.dwg" \
    "entry: $windows\\Sub\\b.dwg" "entry: $windows\\Sub\\Deep\\c.dwg")
  if [ "$(echo "$seen" | sort)" != "$(echo "$expected" | sort)" ]; then
    problem "the driver saw:"
    echo "$seen" | sed 's/^/    /'
    problem "expected (in any order):"
    echo "$expected" | sed 's/^/    /'
  fi
}

set_up scan_links_driver || exit 1
forget_settings

run_test LinkToTheTopIsNotFollowed

rm -rf "$work/tree"
finish
