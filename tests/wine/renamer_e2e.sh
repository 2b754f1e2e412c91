#!/usr/bin/env bash
# The file renamer of the real tornavane.exe under Wine, worked with real input by a driver:
#   ReplacerRenamesAndSkipsAHeldFile  four drawings queued, the fourth held open by the driver
#                                     without sharing; "plan" replaced by "sheet" renames the
#                                     first three on disk, the fourth is reported locked and
#                                     keeps its name; the queue saved at the close names the
#                                     files as they are.
# Prints GoogleTest-like lines; exits non-zero on a failure.
#
# Needs a running Wine (WINEPREFIX, DISPLAY), as scripts/test provides; runs from the
# repository root.  Usage: tests/wine/renamer_e2e.sh [win32 build folder, default build/win32]
set -uo pipefail
source "$(dirname "$0")/lib.bash"

build=${1:-build/win32}
work="$build/renamer-e2e"
install="$work/Tornavane"
caption="Tornavane v1.0.0"
suite=RenamerE2E

ReplacerRenamesAndSkipsAHeldFile() {
  local user folder n queue=""
  user=$(whoami)
  mkdir -p "$work/Drawings"
  for n in 1 2 3 4; do printf 'drawing %s' "$n" >"$work/Drawings/plan$n.dwg"; done
  folder=$(winpath "$work/Drawings")
  for n in 1 2 3 4; do queue+="$folder\\plan$n.dwg"$'\r\n'; done
  printf '%s' "$queue" >"$install/DATA/$user-list.tmp"
  start_program
  run_driver 120 renamer_driver "$caption" "$folder\\plan4.dwg"
  [ "$driver" -eq 0 ] || problem "the driver exited with $driver"
  stop_program
  for n in 1 2 3; do
    [ -f "$work/Drawings/sheet$n.dwg" ] || problem "sheet$n.dwg is missing"
    [ -e "$work/Drawings/plan$n.dwg" ] && problem "plan$n.dwg is still there"
    [ "$(cat "$work/Drawings/sheet$n.dwg" 2>/dev/null)" = "drawing $n" ] || problem "sheet$n.dwg lost its bytes"
  done
  [ "$(cat "$work/Drawings/plan4.dwg" 2>/dev/null)" = "drawing 4" ] || problem "plan4.dwg did not keep its name and bytes"
  [ -e "$work/Drawings/sheet4.dwg" ] && problem "the held file was renamed"
  local expected=""
  for n in 1 2 3; do expected+="$folder\\sheet$n.dwg"$'\r\n'; done
  expected+="$folder\\plan4.dwg"$'\r\n'
  [ "$(od -An -tx1 -v "$install/DATA/$user-list.tmp")" = "$(printf '%s' "$expected" | od -An -tx1 -v)" ] ||
    { problem "the saved queue differs:"; sed 's/^/    /' "$install/DATA/$user-list.tmp"; }
}

set_up renamer_driver || exit 1
forget_settings
setting Startup DWGPreviewShow 0  # the preview window would cover the menu bar

run_test ReplacerRenamesAndSkipsAHeldFile

finish
