#!/usr/bin/env bash
# The queue of the real tornavane.exe under Wine, worked with real input by a driver process:
#   SkipMoveAndDelete  a restored queue of four; the pop-up's Skip on the second entry records
#                      it in the user's skipped list and leaves the last two; Ctrl+Up moves the
#                      second of those up and Delete removes it; the queue saved at the close
#                      holds the one left.
# Prints GoogleTest-like lines; exits non-zero on a failure.
#
# Needs a running Wine (WINEPREFIX, DISPLAY), as scripts/test provides; runs from the
# repository root.  Usage: tests/wine/queue_smoke.sh [win32 build folder, default build/win32]
set -uo pipefail
source "$(dirname "$0")/lib.bash"

build=${1:-build/win32}
work="$build/queue-smoke"
install="$work/Tornavane"
caption="Tornavane v1.0.0"
suite=QueueSmoke

SkipMoveAndDelete() {
  local user
  user=$(whoami)
  printf 'C:\\Jobs\\A-101.dwg\r\nC:\\Jobs\\A-102.dwg\r\nC:\\Jobs\\B-201.dwg\r\nD:\\Other\\X.dwg\r\n' \
    >"$install/DATA/$user-list.tmp"
  start_program
  run_driver 90 queue_driver "$caption"
  [ "$driver" -eq 0 ] || problem "the driver exited with $driver"
  stop_program
  expect_bytes "$install/DATA/!Skipped_$user.lst" 'C:\\Jobs\\A-102.dwg\r\n'
  expect_bytes "$install/DATA/$user-list.tmp" 'C:\\Jobs\\B-201.dwg\r\n'
}

set_up queue_driver || exit 1
forget_settings

run_test SkipMoveAndDelete

finish
