#!/usr/bin/env bash
# Start-up and shutdown of the real tornavane.exe under Wine. The exe and its data are
# installed into a folder of the build tree and started twice:
#   FirstStart  an empty registry: the main window opens with the tip of the day; closing it
#               stores the defaults and writes the (empty) working-set files;
#   RoundTrip   a stored batch-flow text and a saved user script come back and are saved
#               again unchanged.
# A driver process closes the windows with real window messages. Prints GoogleTest-like
# lines; exits non-zero on a failure.
#
# Needs a running Wine (WINEPREFIX, DISPLAY), as scripts/test provides; runs from the
# repository root.  Usage: tests/wine/startup_smoke.sh [win32 build folder, default build/win32]
set -uo pipefail
source "$(dirname "$0")/lib.bash"

build=${1:-build/win32}
work="$build/startup-smoke"
install="$work/Tornavane"
caption="Tornavane v1.0.0"
suite=StartupSmoke

# Starts the exe, lets the driver close it, and waits (bounded) for the process to end.
run_program() {
  local tip=$1 exe driver
  start_program
  run_driver 60 startup_driver "$caption" "$tip"
  if [ "$driver" -ne 0 ]; then
    problem "the driver exited with $driver"
    tail -5 "$work/exe.log" | tr -d '\r' | sed 's/^/  exe: /'
  fi
  stop_program
}

FirstStart() {
  run_program tip
  expect_stored Startup Version 1.0.0
  expect_stored Startup Left 520
  expect_stored Startup Top 520
  expect_stored Startup Width 13084
  expect_stored Startup Height 10130
  expect_stored Startup Initialize "_SDI 1"
  expect_stored Startup PreUserScript "ZOOM E"
  expect_stored Startup Uninitialize "_SDI 0"
  expect_stored Startup SaveAsType "Don't Change"
  expect_stored Startup Face 0
  local appPath
  appPath=$(stored Paths "Application Path")
  case "$appPath" in
    *'\') ;;
    *) problem "Paths\\Application Path is '$appPath', expected the program folder and a backslash" ;;
  esac
  local scr
  scr=$(ls "$install/DATA/"*-scr.tmp 2>/dev/null | grep -v -- '-[0-9]-scr.tmp$' | head -1)
  if [ -z "$scr" ]; then
    problem "no working-set files in $install/DATA"
    return
  fi
  local user
  user=$(basename "$scr" -scr.tmp)
  expect_bytes "$install/DATA/$user-list.tmp" ''
  expect_bytes "$scr" '\r\n'
  expect_bytes "$install/DATA/$user-s.tmp" '\r\n'
  echo "$user" >"$work/user"
}

RoundTrip() {
  local user
  user=$(cat "$work/user" 2>/dev/null)
  [ -n "$user" ] || { problem "the first start wrote no working set"; return; }
  printf 'ZOOM E\r\nQSAVE\r\n\r\n' >"$install/DATA/$user-scr.tmp"
  printf 'Plot sheets\r\n' >"$install/DATA/$user-s.tmp"
  setting Startup Initialize "PURGE A * N"
  setting Startup Left 1440
  run_program tip
  expect_stored Startup Initialize "PURGE A * N"
  expect_stored Startup Left 1440
  expect_bytes "$install/DATA/$user-scr.tmp" 'ZOOM E\r\nQSAVE\r\n\r\n'
  expect_bytes "$install/DATA/$user-s.tmp" 'Plot sheets\r\n'
}

set_up startup_driver || exit 1
forget_settings

run_test FirstStart
run_test RoundTrip

finish
