#!/usr/bin/env bash
# The proof of the Win32 back end under Wine: ui_proof.exe shows a form with every control
# kind; ui_driver.exe, another process, finds its windows by their "TornavaneName" property
# and drives them with real window messages. For each scenario the handlers the proof ran
# (its record) and what the driver saw on the screen must match the expected files beside
# this script. Prints GoogleTest-like lines; exits non-zero on a difference.
#
# Needs a running Wine (WINEPREFIX, DISPLAY), as scripts/test provides; runs from the
# repository root.  Usage: tests/wine/ui_proof.sh [win32 build folder, default build/win32]
set -uo pipefail
source "$(dirname "$0")/lib.bash"

build=${1:-build/win32}
here=tests/wine
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Compares a produced file with its expected file (line ends aside); prints the difference.
same() {
  diff -u "$1" <(tr -d '\r' <"$2") >"$work/diff" && return 0
  cat "$work/diff"
  return 1
}

scenario() {
  local name=$1
  echo "[ RUN      ] UiProof.$name"
  local record="$work/$name.record" seen="$work/$name.seen"
  timeout 25 wine "$build/tests/ui_proof.exe" "$record" >"$work/$name.proof.log" 2>&1 &
  local proof=$!
  timeout 25 wine "$build/tests/ui_driver.exe" "$name" >"$seen" 2>"$work/$name.driver.log"
  local driverStatus=$?
  wait "$proof"
  local proofStatus=$?
  local ok=1
  [ "$driverStatus" -eq 0 ] || { echo "ui_driver.exe exited with $driverStatus"; ok=0; }
  [ "$proofStatus" -eq 0 ] || { echo "ui_proof.exe exited with $proofStatus"; ok=0; }
  [ -f "$record" ] || : >"$record"
  same "$here/ui_proof_$name.record" "$record" || ok=0
  same "$here/ui_proof_$name.seen" "$seen" || ok=0
  tally "UiProof.$name" "$ok"
}

for exe in ui_proof ui_driver; do
  [ -f "$build/tests/$exe.exe" ] || { echo "missing $build/tests/$exe.exe"; exit 1; }
done
# The private display has no window manager: Wine then waits for one at every hidden window
# unless the proof's windows are left unmanaged (this setting is the proof's own).
wine reg add 'HKCU\Software\Wine\AppDefaults\ui_proof.exe\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
scenario main
scenario end

finish
