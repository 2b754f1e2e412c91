#!/usr/bin/env bash
# The main road of the real tornavane.exe under Wine: a queue of two drawings and a user
# script, "&Create Batch Script" pressed through the window's real button, then
# "Create && &RUN Batch Script", which starts AutoCAD (a stand-in, fake_acad.exe, that records
# its command line) on the batch script once the notice is closed.
#   CreateWritesTheScript   the batch script holds the header and the two drawing blocks
#   RunStartsAutoCAD        AutoCAD's stand-in got the quoted program, the switches, " /b "
#                           and the quoted batch script
# Prints GoogleTest-like lines; exits non-zero on a failure.
#
# Needs a running Wine (WINEPREFIX, DISPLAY), as scripts/test provides; runs from the
# repository root.  Usage: tests/wine/build_run_e2e.sh [win32 build folder, default build/win32]
set -uo pipefail
source "$(dirname "$0")/lib.bash"

build=${1:-build/win32}
work="$build/build-run-e2e"
install="$work/Tornavane"
acad="$work/Auto CAD"
support="$work/Support Files"
caption="Tornavane v1.0.0"
suite=BuildRunE2E

# The program folder with its data, two drawings, the stand-in AutoCAD in a folder with a
# blank in its name, and the settings and working set the program starts with.
prepare() {
  set_up build_run_driver || return 1
  mkdir -p "$acad" "$support" "$install/Drawings" || return 1
  take_stand_in "$acad" || return 1
  printf 'AC1032' >"$install/Drawings/A.dwg"
  printf 'AC1032' >"$install/Drawings/B.dwg"

  drawingA="$(winpath "$install")\\Drawings\\A.dwg"
  drawingB="$(winpath "$install")\\Drawings\\B.dwg"
  script="$(winpath "$support")\\tornavane.scr"
  program="$(winpath "$acad")\\fake_acad.exe"
  [ -n "$drawingA" ] && [ -n "$program" ] || { echo "winepath gave no Windows paths"; return 1; }
  local user
  user=$(windows_user)
  [ -n "$user" ] || { echo "no Windows user name"; return 1; }
  printf '%s\r\n%s\r\n' "$drawingA" "$drawingB" >"$install/DATA/$user-list.tmp"
  printf 'REGEN\r\n' >"$install/DATA/$user-scr.tmp"

  forget_settings
  setting Startup TipsShow 0
  setting Paths OutputNorm "$script"
  setting Paths AutoCADEXE "$program"
  setting Paths Switches "/nologo"
}

# Starts the exe, lets the driver press the buttons, and waits (bounded) for the process to end.
# (The driver's status stays in $driver for the tests.)
run_program() {
  local exe
  start_program
  run_driver 180 build_run_driver "$caption" "$script" "$(winpath "$work")\\created.scr" \
    "$(winpath "$acad")\\fake_acad_cmdline.txt"
  stop_program
}

CreateWritesTheScript() {
  [ "$driver" -eq 0 ] || problem "the driver exited with $driver"
  expect_driver_line "notice path: $script"
  expect_driver_line "notice macro box shown: yes"
  local created="$work/created.scr"
  [ -f "$created" ] || { problem "no batch script was written"; return; }
  local header
  header=$(sed -n 2p "$created" | tr -d '\r')
  case "$header" in
    ";  TORNAVANE 1.0.0 - SCRIPT CREATED "*" : "*) ;;
    *) problem "header line 2 is '$header'" ;;
  esac
  expect_batch_script "$created"
}

RunStartsAutoCAD() {
  expect_driver_line "AutoCAD started before OK: no"
  expect_driver_line "notice text: After you press the 'OK' button below, AutoCAD will be started, and the script you created will be run..."
  expect_driver_line "notice macro box shown: no"
  local record="$acad/fake_acad_cmdline.txt"
  [ -f "$record" ] || { problem "AutoCAD's stand-in was not started"; return; }
  local expected="\"$program\" /nologo /b \"$script\""
  local actual
  actual=$(cat "$record")
  [ "$actual" = "$expected" ] || problem "AutoCAD got '$actual', expected '$expected'"
}

if ! prepare; then
  echo "[  FAILED  ] BuildRunE2E: could not prepare the program folder"
  exit 1
fi
driver=1
run_program

run_test CreateWritesTheScript
run_test RunStartsAutoCAD

finish
