#!/usr/bin/env bash
# A drawing folder on a network share, under Wine: a folder of the build tree is served as
# "\\tvserver\share" (Wine reaches a UNC path through dosdevices/unc/<server>/<share>).
#   StoredNetworkFolderComesBack  the stored drawing folder "\\tvserver\share\jobs" is shown
#                                 without a message and stored again at close
#   UserSetOnANetworkFolder       a User Set whose path file holds that folder (beside a drive
#                                 that is not there any more), chosen with a real click, brings
#                                 it back: the close stores it
# Prints GoogleTest-like lines; exits non-zero on a failure.
#
# Needs a running Wine (WINEPREFIX, DISPLAY), as scripts/test provides; runs from the
# repository root.  Usage: tests/wine/network_folder.sh [win32 build folder, default build/win32]
set -uo pipefail
source "$(dirname "$0")/lib.bash"

build=${1:-build/win32}
work="$build/network-folder"
install="$work/Tornavane"
caption="Tornavane v1.0.0"
suite=NetworkFolder
server="$WINEPREFIX/dosdevices/unc/tvserver"
folder='\\tvserver\share\jobs'

remove_share() { rm -rf "$server"; }
trap remove_share EXIT

StoredNetworkFolderComesBack() {
  local exe driver
  setting Paths Source "$folder"
  setting Startup TipsShow 0
  start_program
  run_driver 60 startup_driver "$caption" notip
  [ "$driver" -eq 0 ] || problem "the driver exited with $driver (a message at start keeps the main window disabled)"
  stop_program
  expect_stored Paths Source "$folder"
}

UserSetOnANetworkFolder() {
  local exe driver user
  [ ! -e "$WINEPREFIX/dosdevices/q:" ] || { problem "drive Q: exists in this Wine prefix"; return; }
  user=$(windows_user)
  [ -n "$user" ] || { problem "no Windows user name"; return; }
  setting Paths Source 'C:\'
  setting Startup Face 0
  printf '%s\\A-101.dwg\r\n' "$folder" >"$install/DATA/$user-1-list.tmp"
  printf 'ZOOM E\r\n' >"$install/DATA/$user-1-scr.tmp"
  printf 'Network set\r\n' >"$install/DATA/$user-1-s.tmp"
  printf 'q: []\r\n%s\r\n' "$folder" >"$install/DATA/$user-1-path.tmp"
  start_program
  run_driver 60 keys_driver wait:frmMain front:frmMain 'click:frmMain/optPage(1)' 'checked:frmMain/optPage(1)=1' \
    close:frmMain
  [ "$driver" -eq 0 ] || problem "the driver exited with $driver"
  stop_program
  expect_stored Startup Face 1
  expect_stored Paths Source "$folder"
}

set_up startup_driver keys_driver || exit 1
mkdir -p "$work/share/jobs" "$server"
ln -s "$(realpath "$work/share")" "$server/share"
forget_settings
setting Startup DWGPreviewShow 0  # the preview window would cover the menu bar

run_test StoredNetworkFolderComesBack
run_test UserSetOnANetworkFolder

finish
