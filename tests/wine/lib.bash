# Sourced by the Wine checks beside it (run from the repository root, with a running Wine):
# GoogleTest-like lines and counts, the program's stored settings, and a run of the installed
# tornavane.exe worked by a driver process. Each check sets build, work and install first.

passed=0
failed=()
problems=0
key='HKCU\Software\VB and VBA Program Settings\TornavanePowerTool'

# Notes a problem of the running test.
problem() {
  echo "  $*"
  problems=$((problems + 1))
}

# Prints a test's end line and counts it.  Usage: tally <suite.test> <1 when it passed>
tally() {
  if [ "$2" -eq 1 ]; then
    echo "[       OK ] $1"
    passed=$((passed + 1))
  else
    echo "[  FAILED  ] $1"
    failed+=("$1")
  fi
}

# Runs the function of one test of $suite; it passes when it notes no problem.
run_test() {
  local name=$1
  echo "[ RUN      ] $suite.$name"
  problems=0
  "$name"
  tally "$suite.$name" $((problems == 0))
}

# The summary lines; exits non-zero when a test failed.
finish() {
  echo "[  PASSED  ] $passed tests."
  if [ "${#failed[@]}" -gt 0 ]; then
    echo "[  FAILED  ] ${#failed[@]} tests, listed below:"
    for test in "${failed[@]}"; do echo "[  FAILED  ] $test"; done
    exit 1
  fi
}

# The value of one stored setting ("" when missing).
stored() {
  wine reg query "$key\\$1" /v "$2" 2>/dev/null | tr -d '\r' | sed -n "s/^ *$2 *REG_SZ *//p"
}

# Stores one setting.  Usage: setting <section> <name> <value>
setting() { wine reg add "$key\\$1" /v "$2" /d "$3" /f >/dev/null 2>&1; }

# Removes every stored setting of the program.
forget_settings() { wine reg delete "$key" /f >/dev/null 2>&1; }

expect_stored() {
  local actual
  actual=$(stored "$1" "$2")
  [ "$actual" = "$3" ] || problem "$1\\$2 is '$actual', expected '$3'"
}

# The command id of a main window menu item: the win32 back end numbers a form's menu items
# from 0x1000 in the order the main window declares them.  Usage: menu_id <item name>
menu_id() {
  local index
  index=$(grep -oE 'ui::MenuItem [A-Za-z0-9_]+\{' src/mainwindow/frm_main.h | sed 's/ui::MenuItem //; s/{//' |
    grep -nx "$1" | cut -d: -f1)
  [ -n "$index" ] || return 1
  printf '0x%x' $((0x1000 + index - 1))
}

# The Windows path of a path of the build tree.
winpath() { winepath -w "$1" 2>/dev/null | tr -d '\r'; }

# The name of the Windows user, as the program names its working-set files.
windows_user() { wine cmd /c echo %USERNAME% 2>/dev/null | tr -d '\r\n'; }

# The bytes of a file as one line of hex, for exact comparisons.
hex() { od -An -tx1 -v "$1" | tr -d ' \n'; }

# The file holds exactly the bytes of the printf-%b text.  Usage: expect_bytes <file> <text>
expect_bytes() {
  if [ ! -f "$1" ]; then
    problem "$1 was not written"
    return
  fi
  local expected
  expected=$(printf '%b' "$2" | od -An -tx1 -v | tr -d ' \n')
  [ "$(hex "$1")" = "$expected" ] || problem "$1 holds $(hex "$1"), expected $expected"
}

# The last driver run printed exactly this line.
expect_driver_line() {
  grep -qxF "$1" <(tr -d '\r' <"$work/driver.log") || problem "the driver did not report: $1"
}

# The batch script of the queue $drawingA, $drawingB with the user script REGEN, header line 2
# aside, byte for byte.
expect_batch_script() {
  [ -f "$1" ] || { problem "no batch script at $1"; return; }
  local stars="; ***************************************************************"
  local expected actual
  expected=$(printf '%s\r\n' "$stars" HEADER "$stars" \
    "; << START OF PRE-BATCH COMMANDS >>" "_SDI 1" "; << END OF PRE-BATCH COMMANDS >>" \
    "_OPEN" "\"$drawingA\"" "; << START OF PRE-USERSCRIPT COMMANDS >>" "ZOOM E" "; << START OF USER SCRIPT >>" \
    "REGEN" "_QSAVE" \
    "_OPEN" "\"$drawingB\"" "; << START OF PRE-USERSCRIPT COMMANDS >>" "ZOOM E" "; << START OF USER SCRIPT >>" \
    "REGEN" "_QSAVE" "_SDI 0" | od -An -tx1 -v | tr -d ' \n')
  actual=$(sed '2s/.*/HEADER\r/' "$1" | od -An -tx1 -v | tr -d ' \n')
  [ "$actual" = "$expected" ] || { problem "$1 differs:"; sed 's/^/    /' "$1"; }
}

# Installs the exe and its data from $build into $install; prints the log when it fails.
install_program() {
  scripts/install "$build" "$install" >"$work/install.log" 2>&1 || { cat "$work/install.log"; return 1; }
}

# Copies the driver tests/wine/<name>.cpp, which the win32 build makes, into $work/<name>.exe.
take_driver() {
  cp "$build/tests/$1.exe" "$work/$1.exe" || { echo "$1.exe is not built in $build"; return 1; }
}

# Copies AutoCAD's stand-in, which the win32 build makes, into the given folder.
take_stand_in() {
  cp "$build/tests/fake_acad.exe" "$1/fake_acad.exe" || { echo "fake_acad.exe is not built in $build"; return 1; }
}

# A fresh $work with the program installed in $install and the named drivers beside it; a crash
# ends the program instead of waiting in the debugger.  Usage: set_up <driver...>
set_up() {
  export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-};winedbg.exe=d"
  rm -rf "$work"
  mkdir -p "$work"
  install_program || return 1
  local name
  for name in "$@"; do take_driver "$name" || return 1; done
}

# Starts the installed exe in the background; its process id goes to $exe.
start_program() {
  (cd "$install" && exec wine tornavane.exe) >"$work/exe.log" 2>&1 &
  exe=$!
}

# Runs a driver for at most the given seconds and prints its lines; its status goes to $driver.
# Usage: run_driver <seconds> <name> <arguments...>
run_driver() {
  local seconds=$1 name=$2
  shift 2
  timeout "$seconds" wine "$work/$name.exe" "$@" >"$work/driver.log" 2>&1
  driver=$?
  sed 's/^/  driver: /' "$work/driver.log" | tr -d '\r'
}

# Waits (bounded) for the exe to end after its main window closed, and kills it when it does not.
end_program() {
  for _ in $(seq 300); do kill -0 "$exe" 2>/dev/null || break; sleep 0.1; done
  if kill -0 "$exe" 2>/dev/null; then
    problem "tornavane.exe did not end after its main window closed"
    kill "$exe" 2>/dev/null
  fi
  wait "$exe" 2>/dev/null
}

# Ends the program as end_program does, then waits (bounded) for Wine to finish its writes.
stop_program() {
  end_program
  timeout 30 wineserver -w
}

# The folder of the real drawings, read where they lie: TORNAVANE_DWG_DIR, else ../shared/dwg
# beside the repository.
real_drawings_folder() { echo "${TORNAVANE_DWG_DIR:-../shared/dwg}"; }

# Ends the check with one line and no test run when the real drawings are not there; else
# sets drawings to their folder's full path.
need_real_drawings() {
  local folder
  folder=$(real_drawings_folder)
  if [ ! -d "$folder" ]; then
    echo "[  SKIPPED ] $suite: no real drawings in $folder (TORNAVANE_DWG_DIR)"
    echo "[  PASSED  ] 0 tests."
    exit 0
  fi
  drawings=$(cd "$folder" && pwd)
}
