#!/usr/bin/env bash
# Keyboard access and the end of the Windows session in the real tornavane.exe under Wine. A
# driver types real keys (SendInput) and clicks the mouse:
#   KeysReachMenusAndDialogs  Escape closes the tip of the day and the favourites dialog;
#                             Alt+T and F10 open menus of the main window, not its controls
#   SessionEndSaves           a typed user script and the window position are saved when the
#                             session ends (wineboot -e) as when the close box is used
# Prints GoogleTest-like lines; exits non-zero on a failure.
#
# Needs a running Wine (WINEPREFIX, DISPLAY), as scripts/test provides; runs from the
# repository root.  Usage: tests/wine/keys_session.sh [win32 build folder, default build/win32]
set -uo pipefail
source "$(dirname "$0")/lib.bash"

build=${1:-build/win32}
work="$build/keys-session"
install="$work/Tornavane"
suite=KeysSession

# Runs the driver's steps against a started exe; a failing step is a problem.
drive() {
  run_driver 90 keys_driver "$@"
  [ "$driver" -eq 0 ] || problem "the driver exited with $driver"
}

KeysReachMenusAndDialogs() {
  forget_settings
  setting Startup DWGPreviewShow 0  # the preview window would cover the menu bar
  local exe driver
  start_program
  drive wait:frmTips front:frmTips keys:esc gone:frmTips \
    wait:frmMain front:frmMain keys:alt+t menu:open keys:esc,esc menu:closed checked:frmMain/chkTestRun=0 \
    keys:f10,down menu:open keys:esc,esc menu:closed \
    click:frmMain/Command18 wait:frmDirSelector keys:esc gone:frmDirSelector \
    wait:frmMain close:frmMain
  stop_program
}

SessionEndSaves() {
  forget_settings
  setting Startup DWGPreviewShow 0  # the preview window would cover the menu bar
  setting Startup TipsShow 0
  rm -f "$install"/DATA/*.tmp
  local exe driver
  start_program
  drive wait:frmMain front:frmMain click:frmMain/Text1 "type:ZOOM E" "text:frmMain/Text1=ZOOM E"
  timeout 60 wineboot -e || problem "wineboot -e failed"
  stop_program
  expect_stored Startup Left 520
  expect_stored Startup Width 13084
  local scr
  scr=$(ls "$install"/DATA/*-scr.tmp 2>/dev/null | head -1)
  if [ -z "$scr" ]; then
    problem "no working-set files in $install/DATA"
    return
  fi
  [ "$(od -An -c "$scr" | tr -s ' \n' ' ')" = " Z O O M E \r \n " ] || problem "$scr holds $(od -An -c "$scr")"
}

set_up keys_driver || exit 1

run_test KeysReachMenusAndDialogs
run_test SessionEndSaves

finish
