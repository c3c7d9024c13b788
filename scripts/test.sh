#!/usr/bin/env bash
# Every test: installs what is missing, builds both trees, runs the native
# suites (sanitizers), the Windows suites under Wine on a virtual display, and
# each fuzz target for a bounded time.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
bash scripts/deps.sh

export FW_FORCE_XVFB=1   # tests always use their own virtual display
source scripts/wine-env.sh
fw_start_display
fw_start_wine

echo "== native build"
cmake --preset native >/dev/null
cmake --build --preset native
echo "== native tests"
ctest --preset native

echo "== win build"
cmake --preset win >/dev/null
cmake --build --preset win
echo "== win tests (Wine)"
ctest --preset win

if [ -z "${FW_SKIP_FUZZ:-}" ]; then
  echo "== fuzzing"
  bash scripts/fuzz.sh "${FW_FUZZ_SECONDS:-60}"
fi
echo "== all tests passed"
