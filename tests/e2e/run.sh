#!/usr/bin/env bash
# Runs the end-to-end suite on the shared virtual display:
#   run.sh FORMWRIGHT.EXE FWSTREAM.EXE PROBE.EXE ARTIFACT_DIR
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/wine-env.sh"
fw_start_display
fw_start_wine
exec python3 "$(dirname "${BASH_SOURCE[0]}")/e2e.py" "$@"
