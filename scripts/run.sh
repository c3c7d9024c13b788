#!/usr/bin/env bash
# Sets up a fresh machine, builds the Windows tree and runs the program under
# Wine on the current display (or a virtual one when there is none).
# Until the designer exists, the program is the design-file tool: it builds the
# sample design's stream from its JSON source and shows that stream as JSON.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
bash scripts/deps.sh
source scripts/wine-env.sh
fw_start_display
fw_start_wine
cmake --preset win >/dev/null
cmake --build --preset win --target fwstream
mkdir -p build/samples
wine build/win/stream/fwstream.exe from-json samples/sample.json -o build/samples/sample.bin
wine build/win/stream/fwstream.exe to-json build/samples/sample.bin
