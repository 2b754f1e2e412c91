#!/usr/bin/env bash
# The project tag manager of the real tornavane.exe under Wine, worked with real input by a
# driver process:
#   CtrlPSaveAndDone  Ctrl+P opens the manager; a name, a path and a value typed, "&Save" and
#                     "&Done" leave the project file of 41 lines and the index naming it.
# Prints GoogleTest-like lines; exits non-zero on a failure.
#
# Needs a running Wine (WINEPREFIX, DISPLAY), as scripts/test provides; runs from the
# repository root.  Usage: tests/wine/project_tags_e2e.sh [win32 build folder, default build/win32]
set -uo pipefail
source "$(dirname "$0")/lib.bash"

build=${1:-build/win32}
work="$build/project-tags-e2e"
install="$work/Tornavane"
caption="Tornavane v1.0.0"
suite=ProjectTagsE2E

CtrlPSaveAndDone() {
  local empty=''
  for _ in $(seq 39); do empty+='\r\n'; done
  start_program
  run_driver 90 project_tags_driver "$caption"
  [ "$driver" -eq 0 ] || problem "the driver exited with $driver"
  stop_program
  expect_bytes "$install/DATA/JOB.PRJ" "C:\\\\JOBS\\\\*\\r\\nACME\\r\\n$empty"
  expect_bytes "$install/DATA/PTAGMAN.DAT" 'JOB.PRJ\r\n'
}

set_up project_tags_driver || exit 1
forget_settings
# No tip of the day: the driver works the main window straight away.
setting Startup TipsShow 0

run_test CtrlPSaveAndDone

finish
