#!/usr/bin/env bash
# Sets up a fresh machine, builds the Windows tree and runs the program under
# Wine on the current display (or a virtual one when there is none).
# Until the designer exists, the program is the design-file tool: it shows the
# sample design as JSON.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
bash scripts/deps.sh
source scripts/wine-env.sh
fw_start_display
fw_start_wine
cmake --preset win >/dev/null
cmake --build --preset win --target fwstream
wine build/win/stream/fwstream.exe to-json samples/sample.bin
