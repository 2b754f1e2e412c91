#!/usr/bin/env bash
# The small wizards in the real tornavane.exe under Wine, worked with real input (keys_driver):
#   PurgeFromTheMenu   "&Purge" from the Wizards menu, "Purge Unused Layers", "&Create" and
#                      "Done" leave the purge block in the user script (read back from the
#                      working-set file the program saves when it closes)
#   TitleBlockFromTheMenu "&Title-Block Update" from the Wizards menu, a block name and row 1
#                      whose value "$DATE$" is picked from the row's list, "&Create
#                      Script" and "Done": the user script holds the block and the state file
#                      the rows; the close box writes the state file, and the next opening
#                      shows the rows again
#   ResetStartsAutoCAD "&Reset AutoCAD System Variables" from the Tools menu, then "&Reset",
#                      starts AutoCAD (the stand-in fake_acad.exe, which records its command
#                      line) on the shipped reset script, without the switches
# Prints GoogleTest-like lines; exits non-zero on a failure.
#
# Needs a running Wine (WINEPREFIX, DISPLAY), as scripts/test provides; runs from the
# repository root.  Usage: tests/wine/wizards_e2e.sh [win32 build folder, default build/win32]
set -uo pipefail
source "$(dirname "$0")/lib.bash"

build=${1:-build/win32}
work="$build/wizards-e2e"
install="$work/Tornavane"
acad="$work/Auto CAD"
suite=WizardsE2E

drive() {
  run_driver 120 keys_driver "$@"
  [ "$driver" -eq 0 ] || problem "the driver exited with $driver"
}

# A fresh start: no stored settings but the AutoCAD program, no tip, no working set.
fresh_start() {
  forget_settings
  setting Startup TipsShow 0
  setting Paths AutoCADEXE "$program"
  setting Paths Switches "/nologo"
  rm -f "$install"/DATA/*.tmp "$acad/fake_acad_cmdline.txt"
}

PurgeFromTheMenu() {
  local exe driver
  fresh_start
  start_program
  drive wait:frmMain front:frmMain keys:alt+w,p wait:frmPurgeWiz front:frmPurgeWiz \
    click:frmPurgeWiz/optLayers click:frmPurgeWiz/cmdCreate box:Done keys:enter gone:frmPurgeWiz \
    wait:frmMain close:frmMain
  stop_program
  local scr
  scr=$(ls "$install"/DATA/*-scr.tmp 2>/dev/null | head -1)
  [ -n "$scr" ] || { problem "no working-set files in $install/DATA"; return; }
  local expected actual
  expected=$(printf -- '-PURGE\r\nLA\r\n*\r\nN\r\n;-------------\r\n' | od -An -tx1 -v | tr -d ' \n')
  actual=$(od -An -tx1 -v "$scr" | tr -d ' \n')
  [ "$actual" = "$expected" ] || problem "the user script is $(od -An -c "$scr")"
}

# The title block state file of row 1 named DATE with the value $DATE$, block TITLE.
title_block_state() {
  local line
  printf 'TITLE\r\n'
  for line in $(seq 2 101); do
    case $line in
      2) printf 'DATE\r\n' ;;
      52) printf '$DATE$\r\n' ;;
      *) printf '\r\n' ;;
    esac
  done
}

TitleBlockFromTheMenu() {
  local exe driver
  fresh_start
  rm -f "$install"/DATA/*-tbw.tmp
  start_program
  drive wait:frmMain front:frmMain keys:alt+w,t wait:frmTBWiz front:frmTBWiz \
    click:frmTBWiz/tbBlockName type:TITLE 'click:frmTBWiz/Text1(0)' type:DATE \
    'click:frmTBWiz/Combo1(0)' keys:alt+down,down,down,enter 'text:frmTBWiz/Combo1(0)=$DATE$' \
    click:frmTBWiz/Command1 box:Done keys:enter gone:frmTBWiz \
    wait:frmMain front:frmMain keys:alt+w,t wait:frmTBWiz close:frmTBWiz gone:frmTBWiz \
    wait:frmMain front:frmMain keys:alt+w,t wait:frmTBWiz 'text:frmTBWiz/Text1(0)=DATE' \
    'text:frmTBWiz/Combo1(0)=$DATE$' close:frmTBWiz gone:frmTBWiz wait:frmMain close:frmMain
  stop_program
  local scr state
  scr=$(ls "$install"/DATA/*-scr.tmp 2>/dev/null | head -1)
  state=$(ls "$install"/DATA/*-tbw.tmp 2>/dev/null | head -1)
  [ -n "$scr" ] && [ -n "$state" ] || { problem "no working-set or state file in $install/DATA"; return; }
  local folder
  folder=$(winpath "$install" | tr 'a-z\\' 'A-Z/')
  expect_bytes "$scr" "(LOAD \"$folder/LISP/TB_WIZ1.LSP\")\\r\\n;-------------\\r\\nTB_WIZ1\\r\\n\"TITLE\"\\r\\nDATE\\r\\n\$DATE\$\\r\\nREGEN\\r\\n;-------------\\r\\n"
  [ "$(hex "$state")" = "$(title_block_state | od -An -tx1 -v | tr -d ' \n')" ] ||
    problem "the state file is $(od -An -c "$state")"
}

ResetStartsAutoCAD() {
  local exe driver
  fresh_start
  start_program
  drive wait:frmMain front:frmMain keys:alt+t,r wait:frmResetAcadSysVars front:frmResetAcadSysVars \
    click:frmResetAcadSysVars/cmdReset
  local record="$acad/fake_acad_cmdline.txt"
  for _ in $(seq 100); do [ -s "$record" ] && break; sleep 0.1; done
  drive shown:frmResetAcadSysVars click:frmResetAcadSysVars/cmdCancel gone:frmResetAcadSysVars \
    wait:frmMain close:frmMain
  stop_program
  [ -f "$record" ] || { problem "AutoCAD's stand-in was not started"; return; }
  local expected="\"$program\" /b \"$(winpath "$install")\\DATA\\reset.scr\""
  local actual
  actual=$(cat "$record")
  [ "$actual" = "$expected" ] || problem "AutoCAD got '$actual', expected '$expected'"
}

set_up keys_driver || exit 1
mkdir -p "$acad"
take_stand_in "$acad" || exit 1
program="$(winpath "$acad")\\fake_acad.exe"
[ -f "$install/DATA/reset.scr" ] || { echo "reset.scr is not installed"; exit 1; }

run_test PurgeFromTheMenu
run_test TitleBlockFromTheMenu
run_test ResetStartsAutoCAD

finish
