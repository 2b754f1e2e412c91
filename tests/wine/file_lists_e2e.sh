#!/usr/bin/env bash
# The saved drawing lists of the real tornavane.exe under Wine, worked with real input by a
# driver:
#   SaveClearAndLoadBack  two drawings queued; "File&Lists", a name typed, "&Save New" writes
#                         DATA\<name>.LST with both paths; "Clear All" empties the queue; a
#                         double-click on the list in the window's file list brings both back
#                         and the button reads "=File&Lists=". The queue saved at the close
#                         holds both drawings again.
# Prints GoogleTest-like lines; exits non-zero on a failure.
#
# Needs a running Wine (WINEPREFIX, DISPLAY), as scripts/test provides; runs from the
# repository root.  Usage: tests/wine/file_lists_e2e.sh [win32 build folder, default build/win32]
set -uo pipefail
source "$(dirname "$0")/lib.bash"

build=${1:-build/win32}
work="$build/file-lists-e2e"
install="$work/Tornavane"
caption="Tornavane v1.0.0"
suite=FileListsE2E

SaveClearAndLoadBack() {
  local user folder first second
  user=$(whoami)
  mkdir -p "$work/Job 7"
  printf 'drawing A' >"$work/Job 7/A-101.dwg"
  printf 'drawing B' >"$work/Job 7/A-102.dwg"
  folder=$(winpath "$work/Job 7")
  first="$folder\\A-101.dwg"
  second="$folder\\A-102.dwg"
  printf '%s\r\n%s\r\n' "$first" "$second" >"$install/DATA/$user-list.tmp"
  start_program
  run_driver 150 file_lists_driver "$caption" "Plant 7" "$first" "$second"
  [ "$driver" -eq 0 ] || problem "the driver exited with $driver"
  stop_program
  local expected
  expected=$(printf '%s\r\n%s\r\n' "$first" "$second" | od -An -tx1 -v | tr -d ' \n')
  if [ ! -f "$install/DATA/Plant 7.LST" ]; then
    problem "DATA\\Plant 7.LST was not written"
  elif [ "$(hex "$install/DATA/Plant 7.LST")" != "$expected" ]; then
    problem "DATA\\Plant 7.LST differs:"
    od -c "$install/DATA/Plant 7.LST" | sed 's/^/    /'
  fi
  [ "$(hex "$install/DATA/$user-list.tmp")" = "$expected" ] || problem "the queue saved at the close differs"
  ls "$install/DATA" | grep -q '~tmp$' && problem "a temporary file was left in DATA: $(ls "$install/DATA")"
  return 0
}

set_up file_lists_driver || exit 1
forget_settings
setting Startup DWGPreviewShow 0  # the preview window would cover the main window
setting Startup TipsShow 0        # no tip of the day: the driver works the main window at once

run_test SaveClearAndLoadBack

finish
