#!/usr/bin/env bash
# The program folder at the root of a drive, under Wine. A folder of the build tree is made
# a drive of its own, and the programs are started from its root:
#   ProgramFolderKeepsTheRootsBackslash  the platform tests of the program folder, run from
#                                        the root, see "X:\" (never "X:")
#   RootSaysOoopsAndWritesNothing        tornavane.exe installed at the root shows "Ooops",
#                                        ends, and leaves the drive and the settings as they were
# Prints GoogleTest-like lines; exits non-zero on a failure.
#
# Needs a running Wine (WINEPREFIX, DISPLAY), as scripts/test provides; runs from the
# repository root.  Usage: tests/wine/drive_root.sh [win32 build folder, default build/win32]
set -uo pipefail
source "$(dirname "$0")/lib.bash"

build=${1:-build/win32}
work="$build/drive-root"
install="$work/root"
caption="Tornavane v1.0.0"
suite=DriveRoot

# A drive letter Wine does not use yet; the drive is removed again at the end.
letter=""
for candidate in t u v w x y; do
  if [ ! -e "$WINEPREFIX/dosdevices/$candidate:" ]; then
    letter=$candidate
    break
  fi
done
remove_drive() { [ -n "$letter" ] && rm -f "$WINEPREFIX/dosdevices/$letter:"; }
trap remove_drive EXIT

# Every file of the drive with its size, for before-and-after comparisons.
listing() { (cd "$install" && find . -type f -printf '%p %s\n' | sort); }

ProgramFolderKeepsTheRootsBackslash() {
  cp "$build/tests/platform_tests.exe" "$install/"
  timeout 60 wine "$letter:\\platform_tests.exe" --gtest_filter='Win32SystemInfoTest.ProgramFolder*' \
    >"$work/platform.log" 2>&1
  grep -q '^\[  PASSED  \] 1 test' "$work/platform.log" ||
    { problem "the program folder test failed at the root of $letter:"; tr -d '\r' <"$work/platform.log" | tail -15; }
  rm -f "$install/platform_tests.exe"
}

RootSaysOoopsAndWritesNothing() {
  local before exe driver
  before=$(listing)
  (exec wine "$letter:\\tornavane.exe") >"$work/exe.log" 2>&1 &
  exe=$!
  run_driver 60 drive_root_driver "$caption"
  [ "$driver" -eq 0 ] || problem "the driver exited with $driver"
  stop_program
  [ "$(listing)" = "$before" ] || { problem "files changed at the root:"; diff <(echo "$before") <(listing) | head; }
  expect_stored Startup Version 1.0.0
  expect_stored Paths "Application Path" ""
  expect_stored Startup Left ""
}

[ -n "$letter" ] || { echo "no free drive letter in $WINEPREFIX/dosdevices"; exit 1; }
set_up drive_root_driver || exit 1
ln -s "$(realpath "$install")" "$WINEPREFIX/dosdevices/$letter:"
forget_settings

run_test ProgramFolderKeepsTheRootsBackslash
run_test RootSaysOoopsAndWritesNothing

finish
