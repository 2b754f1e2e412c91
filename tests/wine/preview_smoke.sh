#!/usr/bin/env bash
# The drawing preview and the quick pick of the real tornavane.exe under Wine, worked with real
# input by a driver process:
#   ThumbnailAndQuickPick  a queue of a real drawing (read where it lies, in the folder of the
#                          real drawings, see real_drawings_folder; without that folder a small
#                          drawing made here with a 2 x 3 BMP preview), a text file, an 8 KB drawing
#                          whose stored PNG declares 32768 x 32768 pixels and the real drawing
#                          again; a click on each shows
#                          an image, one colour, one colour with the program still answering,
#                          and an image; "&QuickPick" hides the main window and its close box
#                          brings it back.
# Prints GoogleTest-like lines; exits non-zero on a failure.
#
# Needs a running Wine (WINEPREFIX, DISPLAY), as scripts/test provides; runs from the
# repository root.  Usage: tests/wine/preview_smoke.sh [win32 build folder, default build/win32]
set -uo pipefail
source "$(dirname "$0")/lib.bash"

build=${1:-build/win32}
work="$build/preview-smoke"
install="$work/Tornavane"
caption="Tornavane v1.0.0"
suite=PreviewSmoke

# An 8 KB 2013 drawing: its image section lists a header entry and a PNG entry whose IHDR says
# 32768 x 32768 RGBA (4 GiB decoded) over a short IDAT.
hostile_drawing() {
  {
    printf 'AC1027\0\0\0\0\0\0\0\x20\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0'
    printf '\x1F\x25\x6D\x07\xD4\x36\x28\x28\x9D\x57\xCA\x3F\x9D\x44\x10\x2B\0\0\0\0\x02'
    printf '\x01\x47\0\0\0\x50\0\0\0\x06\x97\0\0\0\x37\0\0\0'
    printf 'h%.0s' {1..80}
    printf '\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR\0\0\x80\0\0\0\x80\0\x08\x06\0\0\0\0\0\0\0'
    printf '\0\0\0\x0aIDAT\x78\x9c\x63\x60\0\0\0\x02\0\x01\0\0\0\0'
  } >"$1"
  truncate -s 8192 "$1"
}

# A small 2013 drawing whose image section holds one BMP entry: 2 x 3 pixels, red and white.
tiny_drawing() {
  {
    printf 'AC1027\0\0\0\0\0\0\0\x20\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0'
    printf '\x1F\x25\x6D\x07\xD4\x36\x28\x28\x9D\x57\xCA\x3F\x9D\x44\x10\x2B\x4A\0\0\0\x01'
    printf '\x02\x3E\0\0\0\x40\0\0\0'
    printf '\x28\0\0\0\x02\0\0\0\x03\0\0\0\x01\0\x18\0\0\0\0\0\x18\0\0\0'
    printf '\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0'
    printf '\0\0\xFF\xFF\xFF\xFF\0\0%.0s' 1 2 3
  } >"$1"
}

ThumbnailAndQuickPick() {
  local user drawing text hostile folder
  user=$(whoami)
  folder=$(real_drawings_folder)
  if [ -d "$folder" ]; then
    [ -f "$folder/example_2013.dwg" ] || { problem "example_2013.dwg is not in $folder"; return; }
    drawing=$(winpath "$(cd "$folder" && pwd)/example_2013.dwg")
  else
    echo "  no real drawings in $folder (TORNAVANE_DWG_DIR): a small drawing made here stands in"
    tiny_drawing "$work/tiny.dwg"
    drawing=$(winpath "$(cd "$work" && pwd)/tiny.dwg")
  fi
  printf 'not a drawing\r\n' >"$work/notes.txt"
  text=$(winpath "$(cd "$work" && pwd)/notes.txt")
  hostile_drawing "$work/huge-preview.dwg"
  hostile=$(winpath "$(cd "$work" && pwd)/huge-preview.dwg")
  printf '%s\r\n%s\r\n%s\r\n%s\r\n' "$drawing" "$text" "$hostile" "$drawing" >"$install/DATA/$user-list.tmp"
  start_program
  run_driver 240 preview_driver "$caption"
  [ "$driver" -eq 0 ] || problem "the driver exited with $driver"
  stop_program
}

set_up preview_driver || exit 1
forget_settings

run_test ThumbnailAndQuickPick

finish
