# What the Wine benchmarks share: a scratch folder removed at the end with its display and
# prefix, a fresh prefix, the made-up drawings, and the program's settings for a quiet start.
# Sourced by bench/wine/run_*.sh from the repository root; call bench_scratch first.

source scripts/wine-env

note() { echo "-- $*" >&2; }

bench_cleanup() {
  wineserver -k >/dev/null 2>&1 || true
  xvfb_stop
  rm -rf "$scratch"
}

# Sets scratch to a new folder named after the benchmark; everything goes when the script ends.
bench_scratch() {
  scratch=$(mktemp -d "${TMPDIR:-/tmp}/tornavane-$1.XXXXXX")
  trap bench_cleanup EXIT
}

# A private display and a fresh Wine prefix in the scratch folder.
bench_prefix() {
  export WINEPREFIX="$scratch/prefix"
  xvfb_start
  note "creating the Wine prefix"
  wineboot -i >/dev/null 2>&1 || true
  wineserver -w
}

# Makes count drawings C:\drawings\F000\D000000.dwg ... in folders of per_folder, and writes
# their paths, one CR LF line each, to the list file.  Usage: make_drawings <count> <per_folder> <list>
make_drawings() {
  note "creating $1 drawings"
  python3 - "$WINEPREFIX/drive_c/drawings" "$1" "$2" "$3" <<'PY'
import os, sys
root, count, per_folder, list_path = sys.argv[1], int(sys.argv[2]), int(sys.argv[3]), sys.argv[4]
lines = []
for i in range(count):
    folder = "F%03d" % (i // per_folder)
    os.makedirs(os.path.join(root, folder), exist_ok=True)
    name = "D%06d.dwg" % i
    with open(os.path.join(root, folder, name), "wb") as f:
        f.write(b"AC1032")
    lines.append("C:\\drawings\\%s\\%s\r\n" % (folder, name))
with open(list_path, "w", newline="") as f:
    f.write("".join(lines))
PY
}

# The program installed in scratch/Tornavane: sets user, data (its DATA folder) and folder (its
# Windows path), and defines setting <section> <key> <value>. No tip at start; the batch script
# goes to C:\out\tornavane.scr.
bench_program_settings() {
  user=$(wine cmd /c echo %USERNAME% 2>/dev/null | tr -d '\r\n')
  data="$scratch/Tornavane/DATA"
  folder=$(winepath -w "$scratch/Tornavane" 2>/dev/null | tr -d '\r')
  setting Startup TipsShow 0
  setting Paths OutputNorm 'C:\out\tornavane.scr'
  mkdir -p "$WINEPREFIX/drive_c/out"
}

setting() {
  wine reg add 'HKCU\Software\VB and VBA Program Settings\TornavanePowerTool'"\\$1" /v "$2" /d "$3" /f >/dev/null 2>&1
}
