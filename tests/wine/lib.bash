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

expect_stored() {
  local actual
  actual=$(stored "$1" "$2")
  [ "$actual" = "$3" ] || problem "$1\\$2 is '$actual', expected '$3'"
}

# Installs the exe and its data from $build into $install; prints the log when it fails.
install_program() {
  scripts/install "$build" "$install" >"$work/install.log" 2>&1 || { cat "$work/install.log"; return 1; }
}

# Copies the driver tests/wine/<name>.cpp, which the win32 build makes, into $work/<name>.exe.
take_driver() {
  cp "$build/tests/$1.exe" "$work/$1.exe" || { echo "$1.exe is not built in $build"; return 1; }
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
