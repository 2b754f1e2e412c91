#!/usr/bin/env bash
# The night run and the write-elsewhere dialog of the real tornavane.exe under Wine, worked with
# real keys and clicks by a driver:
#   NightRunStartsAutoCAD        Tools > Night Run armed a few seconds ahead: the countdown
#                                runs on the run button, the build buttons are disabled, and at
#                                the time AutoCAD's stand-in starts with the expected command
#                                line, with nobody pressing anything
#   ScriptMenuWritesTheNamedFile Script > Create Batch Script in a Different Location writes
#                                plot.SCR in the drawing folder and says so; the next plain
#                                build writes the configured batch script again
# Prints GoogleTest-like lines; exits non-zero on a failure.
#
# Needs a running Wine (WINEPREFIX, DISPLAY), as scripts/test provides; runs from the
# repository root.  Usage: tests/wine/night_run_e2e.sh [win32 build folder, default build/win32]
set -uo pipefail
source "$(dirname "$0")/lib.bash"

build=${1:-build/win32}
work="$build/night-run-e2e"
install="$work/Tornavane"
acad="$work/Auto CAD"
support="$work/Support Files"
out="$work/Out"
caption="Tornavane v1.0.0"
suite=NightRunE2E

# The program folder with its data, two drawings in the drawing folder Out, the stand-in
# AutoCAD, and the settings and working set the program starts with (no notice after a build).
prepare() {
  set_up night_run_driver || return 1
  mkdir -p "$acad" "$support" "$out" || return 1
  take_stand_in "$acad" || return 1
  printf 'AC1032' >"$out/A.dwg"
  printf 'AC1032' >"$out/B.dwg"

  outWin="$(winpath "$out")"
  drawingA="$outWin\\A.dwg"
  drawingB="$outWin\\B.dwg"
  script="$(winpath "$support")\\tornavane.scr"
  program="$(winpath "$acad")\\fake_acad.exe"
  record="$(winpath "$acad")\\fake_acad_cmdline.txt"
  [ -n "$outWin" ] && [ -n "$program" ] || { echo "winepath gave no Windows paths"; return 1; }
  local user
  user=$(windows_user)
  [ -n "$user" ] || { echo "no Windows user name"; return 1; }
  printf '%s\r\n%s\r\n' "$drawingA" "$drawingB" >"$install/DATA/$user-list.tmp"
  printf 'REGEN\r\n' >"$install/DATA/$user-scr.tmp"

  forget_settings
  setting Startup TipsShow 0
  setting Startup ShowSCRComplete 0
  setting Paths OutputNorm "$script"
  setting Paths AutoCADEXE "$program"
  setting Paths Switches "/nologo"
  setting Paths Source "$outWin"
}

run_program() {
  local exe
  start_program
  run_driver 240 night_run_driver "$caption" ${NIGHT_RUN_AHEAD:-8} "$script" "$record"
  stop_program
}

NightRunStartsAutoCAD() {
  [ "$driver" -eq 0 ] || problem "the driver exited with $driver"
  expect_driver_line "night run window shown:  Tornavane - Night Run"
  expect_driver_line "armed"
  expect_driver_line "build buttons enabled while armed: no"
  expect_driver_line "AutoCAD started"
  expect_driver_line "night run window hidden, run button restored"
  local file="$acad/fake_acad_cmdline.txt"
  [ -f "$file" ] || { problem "AutoCAD's stand-in was not started"; return; }
  local expected="\"$program\" /nologo /b \"$script\""
  [ "$(cat "$file")" = "$expected" ] || problem "AutoCAD got '$(cat "$file")', expected '$expected'"
}

ScriptMenuWritesTheNamedFile() {
  expect_driver_line "dialog shown:  Create Script in Another Location"
  expect_driver_line "message: A batch script has been created in the following location:"
  expect_driver_line "$outWin\\plot.SCR"
  expect_batch_script "$out/plot.SCR"
  expect_driver_line "batch script at the configured path after the dialog: no"
  expect_driver_line "plain build wrote the configured path"
  expect_batch_script "$support/tornavane.scr"
}

if ! prepare; then
  echo "[  FAILED  ] NightRunE2E: could not prepare the program folder"
  exit 1
fi
driver=1
run_program

run_test NightRunStartsAutoCAD
run_test ScriptMenuWritesTheNamedFile

finish
