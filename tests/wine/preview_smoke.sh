#!/usr/bin/env bash
# The drawing preview and the quick pick of the real tornavane.exe under Wine, worked with real
# input by a driver process:
#   ThumbnailAndQuickPick  a queue of a real drawing (read where it lies, in the shared drawings
#                          folder) and a text file; a click on each shows an image, then one
#                          colour; "&QuickPick" hides the main window and its close box brings
#                          it back.
# Prints GoogleTest-like lines; exits non-zero on a failure.
#
# Needs a running Wine (WINEPREFIX, DISPLAY), as scripts/test provides; runs from the
# repository root.  Usage: tests/wine/preview_smoke.sh [win32 build folder, default build/win32]
set -uo pipefail
source "$(dirname "$0")/lib.bash"

build=${1:-build/win32}
work="$build/preview-smoke"
install="$work/Tornavane"
caption="Tornavane v1.0.0"
suite=PreviewSmoke

drawings() {
  local candidate
  for candidate in ../shared/dwg ../../shared/dwg /work/shared/dwg; do
    [ -f "$candidate/example_2013.dwg" ] && { (cd "$candidate" && pwd); return 0; }
  done
  return 1
}

ThumbnailAndQuickPick() {
  local user folder drawing text
  user=$(whoami)
  folder=$(drawings) || { problem "the shared drawings folder is missing"; return; }
  drawing=$(winpath "$folder/example_2013.dwg")
  printf 'not a drawing\r\n' >"$work/notes.txt"
  text=$(winpath "$(cd "$work" && pwd)/notes.txt")
  printf '%s\r\n%s\r\n' "$drawing" "$text" >"$install/DATA/$user-list.tmp"
  start_program
  run_driver 240 preview_driver "$caption"
  [ "$driver" -eq 0 ] || problem "the driver exited with $driver"
  stop_program
}

set_up preview_driver || exit 1
forget_settings

run_test ThumbnailAndQuickPick

finish
