#!/usr/bin/env bash
# Every entry of the File, Queue and Script menus and of the queue's pop-up menu in the real
# tornavane.exe under Wine, reached with real keys (the driver's table of rows: keys, then the
# window, box, queue order, text size, clipboard, started program or file that must follow):
#   EveryEntryActs  the queue starts with four drawings (one twice) and a user script with a
#                   double blank; the text editor and the program that opens drawings are
#                   stand-ins that record their command line; "E&xit" runs last, and the queue
#                   it leaves is the one saved
#   SimpleModeHidesTheAuthoringEntries  in Simple Mode, with a drawing queued, Ctrl+E, Ctrl+R,
#                   Ctrl+T, Ctrl+P and Ctrl+O open nothing, the Script menu's letters E and B
#                   open nothing, and its first entry is the build to another location
# Prints GoogleTest-like lines; exits non-zero on a failure.
#
# Needs a running Wine (WINEPREFIX, DISPLAY), as scripts/test provides; runs from the
# repository root.  Usage: tests/wine/menus_file_queue_script.sh [win32 build folder, default build/win32]
set -uo pipefail
source "$(dirname "$0")/lib.bash"

build=${1:-build/win32}
work="$build/menus-file-queue-script"
install="$work/Tornavane"
suite=MenusFileQueueScript
dwg_class='HKCR\TornavaneCheck.Drawing'

# The stand-in that records its command line, in its own folder, as the program that opens
# drawings; Wine's shell does not look in the user's own classes.
register_opener() {
  wine reg add 'HKCR\.dwg' /ve /d TornavaneCheck.Drawing /f >/dev/null 2>&1
  wine reg add "$dwg_class\\shell\\open\\command" /ve /d "\"$(winpath "$work/Opener")\\fake_acad.exe\" \"%1\"" \
    /f >/dev/null 2>&1
}

forget_opener() {
  wine reg delete 'HKCR\.dwg' /f >/dev/null 2>&1
  wine reg delete "$dwg_class" /f >/dev/null 2>&1
}

EveryEntryActs() {
  local user folder data name
  user=$(windows_user)
  forget_settings
  setting Startup DWGPreviewShow 0  # the preview window would cover the menu bar
  setting Startup TipsShow 0
  setting Paths Source 'C:\'
  setting Paths OutputNorm "$(winpath "$install")\\tornavane.scr"
  setting Programs TextEditor "$(winpath "$work/Editor")\\fake_acad.exe"
  register_opener
  mkdir -p "$work/drawings"
  for name in A10 A2 B1 C3; do printf 'AC1015 stand-in drawing' >"$work/drawings/$name.dwg"; done
  folder="$(winpath "$work/drawings")\\"
  data="$(winpath "$install/DATA")\\"
  rm -f "$install"/DATA/*.tmp "$install"/DATA/*.lst
  printf '%s\r\n' "${folder}B1.dwg" "${folder}A10.dwg" "${folder}A2.dwg" "${folder}B1.dwg" "${folder}C3.dwg" \
    >"$install/DATA/$user-list.tmp"
  printf 'ZOOM  E\r\n' >"$install/DATA/$user-scr.tmp"
  local exe driver
  start_program
  run_driver 600 menus_file_queue_script_driver "$folder" "$data" "$user" \
    "$(winpath "$work/Editor")\\fake_acad_cmdline.txt" "$(winpath "$work/Opener")\\fake_acad_cmdline.txt"
  [ "$driver" -eq 0 ] || problem "the driver exited with $driver"
  stop_program
  forget_opener
  local lower=${folder,,}
  expect_bytes "$install/DATA/$user-list.tmp" "${lower//\\/\\\\}a2.dwg\r\n"
  expect_bytes "$install/DATA/!Skipped_$user.lst" "${lower//\\/\\\\}c3.dwg\r\n"
}

SimpleModeHidesTheAuthoringEntries() {
  local user
  user=$(windows_user)
  forget_settings
  setting Startup DWGPreviewShow 0
  setting Startup TipsShow 0
  setting Startup SimpleMode 1
  mkdir -p "$work/drawings"
  printf 'AC1015 stand-in drawing' >"$work/drawings/A1.dwg"
  rm -f "$install"/DATA/*.tmp
  printf '%s\r\n' "$(winpath "$work/drawings")\\A1.dwg" >"$install/DATA/$user-list.tmp"
  local exe driver
  start_program
  run_driver 300 menus_file_queue_script_driver simple
  [ "$driver" -eq 0 ] || problem "the driver exited with $driver"
  stop_program
}

set_up menus_file_queue_script_driver || exit 1
mkdir -p "$work/Editor" "$work/Opener"
take_stand_in "$work/Editor" || exit 1
take_stand_in "$work/Opener" || exit 1

run_test EveryEntryActs
run_test SimpleModeHidesTheAuthoringEntries

rm -rf "$work/drawings"
finish
