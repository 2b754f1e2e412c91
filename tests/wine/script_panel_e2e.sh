#!/usr/bin/env bash
# The user-script panel and the drawing pattern list of the real tornavane.exe under Wine,
# worked with real input by a driver process:
#   SaveClearLoadAndPattern  a script and a name typed, "&Save", "C&lear", a click on the saved
#                            entry brings the script back; the drawing "Filter" dialog's "&Add"
#                            and a double-click put the pattern into the drawing filter. The
#                            script file, its copy and the pattern file hold exactly what was
#                            typed.
# Prints GoogleTest-like lines; exits non-zero on a failure.
#
# Needs a running Wine (WINEPREFIX, DISPLAY), as scripts/test provides; runs from the
# repository root.  Usage: tests/wine/script_panel_e2e.sh [win32 build folder, default build/win32]
set -uo pipefail
source "$(dirname "$0")/lib.bash"

build=${1:-build/win32}
work="$build/script-panel-e2e"
install="$work/Tornavane"
caption="Tornavane v1.0.0"
suite=ScriptPanelE2E

SaveClearLoadAndPattern() {
  start_program
  run_driver 120 script_panel_driver "$caption"
  [ "$driver" -eq 0 ] || problem "the driver exited with $driver"
  stop_program
  expect_bytes "$install/SCRIPTS/T1.scr" 'ZOOM E\r\n'
  # No batch script path is set: the copy goes to the program's current folder.
  expect_bytes "$install/tornavane-$(whoami).scr" 'ZOOM E\r\n'
  expect_bytes "$install/DATA/DWGFilter.DAT" 'A-*.dwg\r\n'
}

set_up script_panel_driver || exit 1
forget_settings

run_test SaveClearLoadAndPattern

finish
