#!/usr/bin/env bash
# The script editor and the command capture of the real tornavane.exe under Wine: a driver
# process opens the editor with Ctrl+E, picks a META command with the mouse and presses "&Ok",
# then pastes a command history from the real clipboard into the capture window, captures it
# and hands it over; the driver checks each text as it goes.
#   EditorAndCapture   every step of the driver passes and the program closes
# Prints GoogleTest-like lines; exits non-zero on a failure.
#
# Needs a running Wine (WINEPREFIX, DISPLAY), as scripts/test provides; runs from the
# repository root.  Usage: tests/wine/script_tools_e2e.sh [win32 build folder, default build/win32]
set -uo pipefail
source "$(dirname "$0")/lib.bash"

build=${1:-build/win32}
work="$build/script-tools-e2e"
install="$work/Tornavane"
caption="Tornavane v1.0.0"
suite=ScriptToolsE2E

EditorAndCapture() {
  local exe driver
  start_program
  run_driver 120 script_tools_driver "$caption" "$menu"
  [ "$driver" -eq 0 ] || problem "the driver exited with $driver"
  stop_program
}

set_up script_tools_driver || exit 1
if ! menu=$(menu_id mnuCommandCapture); then
  echo "mnuCommandCapture not found in src/mainwindow/frm_main.h"
  exit 1
fi
forget_settings
setting Startup DWGPreviewShow 0  # the preview window would cover the menu bar
# No tip of the day: the driver works the main window straight away.
setting Startup TipsShow 0

run_test EditorAndCapture

finish
