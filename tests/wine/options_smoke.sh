#!/usr/bin/env bash
# The options dialog of the real tornavane.exe under Wine: a driver process opens it from the
# main window's Tools > Options, edits boxes and presses "&OK" (or the close box), then closes
# the main window; the stored settings are read back from the registry.
#   OkStoresTheBoxes   the edited boxes are in the registry afterwards
#   CloseBoxStoresNone the close box drops the edit: the stored program stays as it was
# Prints GoogleTest-like lines; exits non-zero on a failure.
#
# Needs a running Wine (WINEPREFIX, DISPLAY), as scripts/test provides; runs from the
# repository root.  Usage: tests/wine/options_smoke.sh [win32 build folder, default build/win32]
set -uo pipefail

build=${1:-build/win32}
work="$build/options-smoke"
install="$work/Tornavane"
caption="Tornavane v1.0.0"
key='HKCU\Software\VB and VBA Program Settings\TornavanePowerTool'
passed=0
failed=()
problems=0

problem() {
  echo "  $*"
  problems=$((problems + 1))
}

stored() {
  wine reg query "$key\\$1" /v "$2" 2>/dev/null | tr -d '\r' | sed -n "s/^ *$2 *REG_SZ *//p"
}

expect_stored() {
  local actual
  actual=$(stored "$1" "$2")
  [ "$actual" = "$3" ] || problem "$1\\$2 is '$actual', expected '$3'"
}

# The command id of Tools > Options: the win32 back end numbers a form's menu items from
# 0x1000 in the order the main window declares them.
menu_id() {
  local index
  index=$(grep -oE 'ui::MenuItem [A-Za-z0-9_]+\{' src/mainwindow/frm_main.h | sed 's/ui::MenuItem //; s/{//' |
    grep -nx mnuViewOptions | cut -d: -f1)
  [ -n "$index" ] || return 1
  printf '0x%x' $((0x1000 + index - 1))
}

# Starts the exe, lets the driver work it, and waits (bounded) for the process to end.
run_program() {
  local scenario=$1
  (cd "$install" && exec wine tornavane.exe) >"$work/exe.log" 2>&1 &
  local exe=$!
  timeout 90 wine "$work/options_driver.exe" "$caption" "$menu" "$scenario" >"$work/driver.log" 2>&1
  local driver=$?
  sed 's/^/  driver: /' "$work/driver.log" | tr -d '\r'
  [ "$driver" -eq 0 ] || problem "the driver exited with $driver"
  for _ in $(seq 300); do kill -0 "$exe" 2>/dev/null || break; sleep 0.1; done
  if kill -0 "$exe" 2>/dev/null; then
    problem "tornavane.exe did not end after its main window closed"
    kill "$exe" 2>/dev/null
  fi
  wait "$exe" 2>/dev/null
  wineserver -w
}

scenario() {
  local name=$1
  echo "[ RUN      ] OptionsSmoke.$name"
  problems=0
  "$name"
  if [ "$problems" -eq 0 ]; then
    echo "[       OK ] OptionsSmoke.$name"
    passed=$((passed + 1))
  else
    echo "[  FAILED  ] OptionsSmoke.$name"
    failed+=("OptionsSmoke.$name")
  fi
}

OkStoresTheBoxes() {
  run_program ok
  expect_stored Paths AutoCADEXE 'C:\ACAD\acad.exe'
  expect_stored Paths OutputNorm 'C:\ACAD\SUPPORT\tornavane.scr'
  expect_stored Startup Delay 750
  expect_stored Startup LT 0
  expect_stored Paths SCRIPTSPathOption False
}

CloseBoxStoresNone() {
  run_program closebox
  expect_stored Paths AutoCADEXE 'C:\ACAD\acad.exe'
}

rm -rf "$work"
mkdir -p "$work"
if ! scripts/install "$build" "$install" >"$work/install.log" 2>&1; then
  cat "$work/install.log"
  exit 1
fi
if ! x86_64-w64-mingw32-g++ -O1 -static tests/wine/options_driver.cpp -o "$work/options_driver.exe" -luser32; then
  echo "the driver did not compile"
  exit 1
fi
if ! menu=$(menu_id); then
  echo "mnuViewOptions not found in src/mainwindow/frm_main.h"
  exit 1
fi
wine reg delete "$key" /f >/dev/null 2>&1
# No tip of the day: the driver works the main window straight away.
wine reg add "$key\\Startup" /v TipsShow /d 0 /f >/dev/null 2>&1

scenario OkStoresTheBoxes
scenario CloseBoxStoresNone

echo "[  PASSED  ] $passed tests."
if [ "${#failed[@]}" -gt 0 ]; then
  echo "[  FAILED  ] ${#failed[@]} tests, listed below:"
  for test in "${failed[@]}"; do echo "[  FAILED  ] $test"; done
  exit 1
fi
