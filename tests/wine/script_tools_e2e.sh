#!/usr/bin/env bash
# The script editor and the command capture of the real tornavane.exe under Wine: a driver
# process opens the editor with Ctrl+E, picks a META command with the mouse and a tag with the
# keys, moves and sizes the editor, lets a picker deactivate it and presses "&Ok"; a second
# Ctrl+E must show the editor where it was left. Then it pastes a command history from the real
# clipboard into the capture window, captures it and hands it over; the driver checks each text
# and place as it goes.
#   EditorAndCapture   every step of the driver passes, the program closes, and the editor's
#                      stored geometry is the place the driver left it at
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
  run_driver 180 script_tools_driver "$caption"
  [ "$driver" -eq 0 ] || problem "the driver exited with $driver"
  stop_program
  local bounds left top width height
  bounds=$(tr -d '\r' <"$work/driver.log" | sed -n 's/^editor bounds in twips: //p')
  if [ -z "$bounds" ]; then
    problem "the driver did not report the editor's bounds"
    return
  fi
  read -r left top width height <<<"$bounds"
  expect_stored Startup SCREditLeft "$left"
  expect_stored Startup SCREditTop "$top"
  expect_stored Startup SCREditWidth "$width"
  expect_stored Startup SCREditHeight "$height"
}

set_up script_tools_driver || exit 1
forget_settings
setting Startup DWGPreviewShow 0  # the preview window would cover the menu bar
# Wine draws the frames itself: without a window manager no one else would, and the driver
# moves and sizes the editor by its caption and corner.
wine reg add 'HKCU\Software\Wine\AppDefaults\tornavane.exe\X11 Driver' /v Decorated /d N /f >/dev/null 2>&1
# No tip of the day: the driver works the main window straight away.
setting Startup TipsShow 0

run_test EditorAndCapture

finish
