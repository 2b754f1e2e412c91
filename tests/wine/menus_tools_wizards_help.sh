#!/usr/bin/env bash
# The Tools, Wizards and Help menus of the real tornavane.exe under Wine, every entry opened with
# real keys (SendInput) by a driver, one row of the table below each:
#   EveryEntryOpensItsWindow   each row's keys open the entry; its window shows modally over the
#                              main window (Night Run: beside it, without an owner), its message
#                              shows or the web page goes to the http handler; then it is put
#                              away and the main window takes input again
#   HiddenEntriesAreUnreachable  "P&lot", "Check for Update" and the separator below it are not
#                              in the menus as the user sees them (rows "... holds ... entries"
#                              and the L of the Wizards menu)
# The web entries go to a stand-in registered as the prefix's http and https handler: AutoCAD's
# stand-in, a program without a window that records its command line (no other row may start it).
# Prints GoogleTest-like lines; exits non-zero on a failure.
#
# Needs a running Wine (WINEPREFIX, DISPLAY), as scripts/test provides; runs from the
# repository root.  Usage: tests/wine/menus_tools_wizards_help.sh [win32 build folder]
set -uo pipefail
source "$(dirname "$0")/lib.bash"

build=${1:-build/win32}
work="$build/menus-tools-wizards-help"
install="$work/Tornavane"
caption="Tornavane v1.0.0"
suite=MenusToolsWizardsHelp
driverName=menus_tools_wizards_help_driver
site="https://tornavane.example"

# Keys: a letter shared by two entries of one menu (Tools F, Wizards E, Help T) only moves the
# highlight, so those entries are reached with the arrows and Enter. Alt+F4 puts a window away.
rows=(
  "Capture AutoCAD Commands to Script|alt+t,c|modal:frmcapture;text:frmcapture/Text2=;away:frmcapture"
  "File Renamer, cancelled at the warning|alt+t,down,enter|box:Tornavane for AutoCAD=0 Duplicate Items Removed;keys:enter;warning;keys:enter;none:frmFileRenamer"
  "File Renamer by Ctrl+R, OK at the warning|ctrl+r|box:Tornavane for AutoCAD=0 Duplicate Items Removed;keys:enter;warning;click-ok:Tornavane for AutoCAD;box:Files Verified=All Files in Queue are Available to be renamed.;keys:enter;modal:frmFileRenamer;away:frmFileRenamer"
  "Night Run|alt+t,n|modeless:frmNightRun;away:frmNightRun"
  "Reset AutoCAD System Variables|alt+t,r|modal:frmResetAcadSysVars;away:frmResetAcadSysVars"
  "Find DWGs by AutoCAD DWG Version|alt+t,down*4,enter|modal:frmDWGRevScan;away:frmDWGRevScan"
  "Combine Text Files|alt+t,t|modal:frmCombineTextFiles;away:frmCombineTextFiles"
  "User Tag Manager|alt+t,a|modal:frmVARSetup;away:frmVARSetup"
  "User Tag Manager by Ctrl+T|ctrl+t|modal:frmVARSetup;away:frmVARSetup"
  "Project Tag Manager|alt+t,m|modal:frmProjectTagManager;away:frmProjectTagManager"
  "Project Tag Manager by Ctrl+P|ctrl+p|modal:frmProjectTagManager;away:frmProjectTagManager"
  "Options|alt+t,o|modal:frmOptions;away:frmOptions"
  "Options by Ctrl+O|ctrl+o|modal:frmOptions;away:frmOptions"
  "Tools opened and closed leaves Test Run alone|alt+t,esc,esc|unchecked:frmMain/chkTestRun"
  "Import Page Setup|alt+w,i|modal:frmPageSetupInWiz;away:frmPageSetupInWiz"
  "Layouts|alt+w,a|modal:frmLayoutWiz;away:frmLayoutWiz"
  "Purge|alt+w,p|modal:frmPurgeWiz;away:frmPurgeWiz"
  "Report Limits to File|alt+w,down*3,enter|modal:frmReportLimitsWiz;away:frmReportLimitsWiz"
  "Search and LOG Text, its L not shared with the hidden Plot|alt+w,l|modal:frmLOGTextWiz;away:frmLOGTextWiz"
  "Search and Replace Text|alt+w,down*5,enter|modal:frmRepTextWiz;away:frmRepTextWiz"
  "Seach and Replace MTEXT|alt+w,m|modal:frmMtextSNR;away:frmMtextSNR"
  "Title-Block Update|alt+w,t|modal:frmTBWiz;away:frmTBWiz"
  "Wizards holds eight entries, Purge right after Layouts|alt+w,down*2,enter|modal:frmPurgeWiz;away:frmPurgeWiz"
  "Wizards holds eight entries, the ninth step is the first again|alt+w,down*8,enter|modal:frmPageSetupInWiz;away:frmPageSetupInWiz"
  "Setup Instructions and Tutorials|alt+h,s|launch:$site/setup"
  "Help Online (FAQ)|alt+h,h|launch:$site/faq"
  "Tornavane User Forum (Online)|alt+h,f|launch:$site/forum"
  "Tornavane Homepage|alt+h,down*3,enter|launch:$site/"
  "Setup Instructions by F1|f1|launch:$site/setup"
  "Help Online by F2|f2|launch:$site/faq"
  "User Forum by F3|f3|launch:$site/forum"
  "Homepage by F4|f4|launch:$site/"
  "Show Tip of the Day|alt+h,down*4,enter|modal:frmTips;away:frmTips"
  "Help holds six entries, the seventh step is the first again|alt+h,down*6,enter|launch:$site/setup"
  "About Tornavane|alt+h,a|modal:frmAbout;text:frmAbout/lblVersion=Version 1.0.0;away:frmAbout"
)

# The program folder, one queued text file (so the renamer and the combine entry are enabled),
# the settings, and AutoCAD's stand-in registered as the http and https handler.
prepare() {
  set_up "$driverName" || return 1
  mkdir -p "$work/Files" || return 1
  printf 'a\r\n' >"$work/Files/notes.txt"
  mkdir -p "$work/Handler" || return 1
  take_stand_in "$work/Handler" || return 1
  local handler user
  handler="$(winpath "$work/Handler")\\fake_acad.exe"
  record="$(winpath "$work/Handler")\\fake_acad_cmdline.txt"
  [ "$handler" != "\\fake_acad.exe" ] || { echo "winepath gave no Windows path"; return 1; }
  user=$(windows_user)
  [ -n "$user" ] || { echo "no Windows user name"; return 1; }
  printf '%s\r\n' "$(winpath "$work/Files")\\notes.txt" >"$install/DATA/$user-list.tmp"

  local protocol
  for protocol in http https; do
    wine reg add "HKCR\\$protocol\\shell\\open\\command" /ve /d "\"$handler\" \"%1\"" /f \
      >/dev/null 2>&1 || { echo "could not register the $protocol handler"; return 1; }
  done

  forget_settings
  setting Startup DWGPreviewShow 0  # the preview window would cover the menu bar
  setting Startup TipsShow 0
}

EveryEntryOpensItsWindow() {
  [ "$driver" -eq 0 ] || problem "the driver exited with $driver"
  local row
  for row in "${rows[@]}"; do expect_driver_line "row passed: ${row%%|*}"; done
}

HiddenEntriesAreUnreachable() {
  expect_driver_line "row passed: Wizards holds eight entries, the ninth step is the first again"
  expect_driver_line "row passed: Help holds six entries, the seventh step is the first again"
  expect_driver_line "row passed: Search and LOG Text, its L not shared with the hidden Plot"
}

if ! prepare; then
  echo "[  FAILED  ] $suite: could not prepare the program folder"
  exit 1
fi
driver=1
start_program
run_driver 900 "$driverName" "$caption" "$record" "${rows[@]}"
stop_program

run_test EveryEntryOpensItsWindow
run_test HiddenEntriesAreUnreachable

finish
