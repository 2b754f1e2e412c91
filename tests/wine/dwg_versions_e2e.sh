#!/usr/bin/env bash
# The drawing version tools of the real tornavane.exe under Wine, over the real drawings of
# many releases in the folder of the real drawings (see real_drawings_folder in lib.bash; read
# where they are, never copied):
#   ScanFindsTheTickedReleases  "&Find DWGs by AutoCAD DWG Version" on the drawings' folder
#                               with R2000 and R2013 ticked besides R12, "&Start", the
#                               found list, "&Copy list to Queue" and the queue it leaves
#   ReportNamesEveryRelease     "R&eport DWG files AutoCAD Version" over every drawing of the
#                               folder, a DXF file and a drawing another program holds open
#                               for writing: each line names the release its file name says,
#                               and the text editor (a stand-in) is started on the report
# Prints GoogleTest-like lines; exits non-zero on a failure.
#
# Needs a running Wine (WINEPREFIX, DISPLAY), as scripts/test provides; runs from the
# repository root.  Usage: tests/wine/dwg_versions_e2e.sh [win32 build folder, default build/win32]
set -uo pipefail
source "$(dirname "$0")/lib.bash"

build=${1:-build/win32}
work="$build/dwg-versions-e2e"
install="$work/Tornavane"
editor="$work/Editor"
caption="Tornavane v1.0.0"
suite=DwgVersionsE2E

# The command id of a main-window menu item: the win32 back end numbers a form's menu items
# from 0x1000 in the order the main window declares them.
menu_id() {
  local index
  index=$(grep -oE 'ui::MenuItem [A-Za-z0-9_]+\{' src/mainwindow/frm_main.h | sed 's/ui::MenuItem //; s/{//' |
    grep -nx "$1" | cut -d: -f1)
  [ -n "$index" ] || return 1
  printf '0x%x' $((0x1000 + index - 1))
}

drive() {
  run_driver 180 dwg_versions_driver "$caption" "$@"
  [ "$driver" -eq 0 ] || problem "the driver exited with $driver"
}

# The lines the driver read (boxes and list entries), sorted, against the expected ones.
expect_seen() {
  local seen expected
  seen=$(tr -d '\r' <"$work/driver.log" | grep -E '^(box: |frm[A-Za-z]+/|You may)' | sort)
  expected=$(printf '%s\n' "$@" | sort)
  if [ "$seen" != "$expected" ]; then
    problem "the driver saw:"
    echo "$seen" | sed 's/^/    /'
    problem "expected (in any order):"
    echo "$expected" | sed 's/^/    /'
  fi
}

fresh_start() {
  forget_settings
  setting Startup TipsShow 0
  setting Programs TextEditor "$(winpath "$editor")\\fake_acad.exe"
  rm -f "$install"/DATA/*.tmp "$install"/DATA/*.csv "$editor/fake_acad_cmdline.txt"
}

ScanFindsTheTickedReleases() {
  local folder upper scan found name
  fresh_start
  folder=$(winpath "$drawings")
  upper=${folder^^}
  setting Paths Source "$folder"
  start_program
  scan=frmDWGRevScan
  drive "command:$(menu_id mnuDWGRevScan)" "click:$scan/chkR2000" "click:$scan/chkR2013" \
    "click:$scan/cmdStartScan" "box:Scan Complete" "list:$scan/List1" "list:$scan/lstProblemFiles" \
    "click:$scan/cmdCopyToQueue" "box:File Names Copied!" "click:$scan/cmdClose" "gone:$scan" \
    "list:frmMain/List1" "close:frmMain"
  stop_program
  found=()
  for name in ENTITIES-2D_R11 LINE_2000 EXAMPLE_2000 SAMPLE_2000 LINE_2013 EXAMPLE_2013; do
    found+=("$scan/List1: $upper\\$name.DWG" "frmMain/List1: $upper\\$name.DWG")
  done
  expect_seen "box: 6 Files Added to Queue." "box: 6 File Names have been copied to the File Queue." \
    "You may now close the DWG Version Scan Window." "${found[@]}"
}

# The release each drawing's name says, as the report names it.
release_of() {
  case $1 in
  *_2000.dwg) echo "R2000/2002/2003" ;;
  *_2004.dwg) echo "R2004/2005/2006" ;;
  *_2007.dwg) echo "R2007/2008/2009" ;;
  *_2010.dwg) echo "R2010/2011" ;;
  *_2013.dwg) echo "R2013/2014" ;;
  *_r11.dwg) echo "R12" ;;
  *_r13.dwg) echo "R13" ;;
  *_r14.dwg) echo "R14" ;;
  *) echo "" ;;
  esac
}

ReportNamesEveryRelease() {
  local user queue expected held dxf path report file
  fresh_start
  user=$(windows_user)
  mkdir -p "$work/other"
  held="$(winpath "$work/other")\\held.dwg"
  dxf="$(winpath "$work/other")\\plan.dxf"
  printf 'AC1024 held open' >"$work/other/held.dwg"
  printf '  0\r\nSECTION\r\n  2\r\nHEADER\r\n  0\r\nENDSEC\r\n  0\r\nEOF\r\n' >"$work/other/plan.dxf"
  queue=""
  expected=""
  for file in "$drawings"/*.dwg; do
    path="$(winpath "$drawings")\\$(basename "$file")"
    queue+="$path"$'\r\n'
    expected+="$(release_of "$(basename "$file")"), $path"$'\r\n'
  done
  queue+="$held"$'\r\n'"$dxf"$'\r\n'
  expected+="R2010/2011, $held"$'\r\n'", $dxf"$'\r\n'
  printf '%s' "$queue" >"$install/DATA/$user-list.tmp"
  start_program
  drive "hold:$held" "command:$(menu_id mnuReportDWGVersion)" \
    "exists:$(winpath "$editor")\\fake_acad_cmdline.txt" "close:frmMain"
  stop_program
  report="$install/DATA/$user-DWGVersion.csv"
  [ -f "$report" ] || { problem "no report $report"; return; }
  if [ "$(hex "$report")" != "$(printf '%s' "$expected" | od -An -tx1 -v | tr -d ' \n')" ]; then
    problem "the report reads:"
    sed 's/^/    /' "$report"
    problem "expected:"
    printf '%s' "$expected" | sed 's/^/    /'
  fi
  local command
  command=$(cat "$editor/fake_acad_cmdline.txt" 2>/dev/null)
  [[ "$command" == *"$(winpath "$install")\\DATA\\$user-DWGVersion.csv"* ]] ||
    problem "the editor got '$command'"
}

need_real_drawings
set_up dwg_versions_driver || exit 1
[ -f "$drawings/Line_2000.dwg" ] || { echo "the drawings are not in $drawings"; exit 1; }
mkdir -p "$editor"
take_stand_in "$editor" || exit 1

run_test ScanFindsTheTickedReleases
run_test ReportNamesEveryRelease

rm -rf "$work/other"
finish
