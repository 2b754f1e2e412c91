#!/usr/bin/env bash
# The options dialog of the real tornavane.exe under Wine: a driver process opens it from the
# main window's Tools > Options, edits boxes and presses "&OK" (or the close box), then closes
# the main window; the stored settings are read back from the registry.
#   OkStoresTheBoxes   the edited boxes are in the registry afterwards
#   CloseBoxStoresNone the close box drops the edit: the stored program stays as it was
# Prints GoogleTest-like lines; exits non-zero on a failure.
#
# Needs a running Wine (WINEPREFIX, DISPLAY), as scripts/test provides; runs from the
# repository root.  Usage: tests/wine/options_smoke.sh [win32 build folder, default build/win32]
set -uo pipefail
source "$(dirname "$0")/lib.bash"

build=${1:-build/win32}
work="$build/options-smoke"
install="$work/Tornavane"
caption="Tornavane v1.0.0"
suite=OptionsSmoke

# Starts the exe, lets the driver work it, and waits (bounded) for the process to end.
run_program() {
  local scenario=$1 exe driver
  start_program
  run_driver 90 options_driver "$caption" "$menu" "$scenario"
  [ "$driver" -eq 0 ] || problem "the driver exited with $driver"
  stop_program
}

OkStoresTheBoxes() {
  run_program ok
  expect_stored Paths AutoCADEXE 'C:\ACAD\acad.exe'
  expect_stored Paths OutputNorm 'C:\ACAD\SUPPORT\tornavane.scr'
  expect_stored Startup Delay 750
  expect_stored Startup LT 0
  expect_stored Paths SCRIPTSPathOption False
}

CloseBoxStoresNone() {
  run_program closebox
  expect_stored Paths AutoCADEXE 'C:\ACAD\acad.exe'
}

set_up options_driver || exit 1
if ! menu=$(menu_id mnuViewOptions); then
  echo "mnuViewOptions not found in src/mainwindow/frm_main.h"
  exit 1
fi
forget_settings
# No tip of the day: the driver works the main window straight away.
setting Startup TipsShow 0

run_test OkStoresTheBoxes
run_test CloseBoxStoresNone

finish
