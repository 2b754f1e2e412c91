#!/usr/bin/env bash
# A drawing folder on a network share, under Wine: a folder of the build tree is served as
# "\\tvserver\share" (Wine reaches a UNC path through dosdevices/unc/<server>/<share>).
#   StoredNetworkFolderComesBack  the stored drawing folder "\\tvserver\share\jobs" is shown
#                                 without a message and stored again at close
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
  wine reg add "$key\\Paths" /v Source /d "$folder" /f >/dev/null 2>&1
  wine reg add "$key\\Startup" /v TipsShow /d 0 /f >/dev/null 2>&1
  start_program
  run_driver 60 startup_driver "$caption" notip
  [ "$driver" -eq 0 ] || problem "the driver exited with $driver (a message at start keeps the main window disabled)"
  end_program
  timeout 30 wineserver -w
  expect_stored Paths Source "$folder"
}

export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-};winedbg.exe=d"
rm -rf "$work"
mkdir -p "$work/share/jobs" "$server"
install_program || exit 1
take_driver startup_driver || exit 1
ln -s "$(realpath "$work/share")" "$server/share"
wine reg delete "$key" /f >/dev/null 2>&1

run_test StoredNetworkFolderComesBack

finish
