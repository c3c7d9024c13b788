#!/usr/bin/env bash
# Sets up a fresh machine, builds the Windows tree and runs the program under
# Wine on the current display (or a virtual one when there is none).
#
#   bash scripts/run.sh            formwright.exe, the designer
#   bash scripts/run.sh gallery    the toolkit gallery
#   bash scripts/run.sh controls   one control of each designable class
#   bash scripts/run.sh fwstream   the design-file tool on the sample design
#
# On a virtual display nobody sees the window: FW_SCREENSHOT=FILE.bmp makes the
# gallery save its window to FILE.bmp and exit instead.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
what="${1:-formwright}"
bash scripts/deps.sh
source scripts/wine-env.sh
fw_start_display
fw_start_wine
cmake --preset win >/dev/null
case "$what" in
  formwright)
    cmake --build --preset win --target formwright
    # From its own folder: newform.bin lies beside the program.
    cd build/win/app
    wine formwright.exe
    ;;
  fwstream)
    cmake --build --preset win --target fwstream
    mkdir -p build/samples
    wine build/win/stream/fwstream.exe from-json samples/sample.json -o build/samples/sample.bin
    wine build/win/stream/fwstream.exe to-json build/samples/sample.bin
    ;;
  gallery|controls)
    cmake --build --preset win --target toolkit-demo
    if [ -n "${FW_SCREENSHOT:-}" ]; then
      wine build/win/demo/toolkit-demo.exe --layout "$what" --screenshot "$FW_SCREENSHOT"
    else
      wine build/win/demo/toolkit-demo.exe --layout "$what"
    fi
    ;;
  *) echo "usage: run.sh [formwright|gallery|controls|fwstream]" >&2; exit 2 ;;
esac
