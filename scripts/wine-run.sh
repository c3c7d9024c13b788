#!/usr/bin/env bash
# Runs one Windows program under Wine on the shared virtual display; used as
# the cross build's test emulator. Exit status is the program's.
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"
fw_start_display
fw_start_wine
exec wine "$@"
