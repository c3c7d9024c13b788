#!/usr/bin/env bash
# Runs one Windows program under Wine on the shared virtual display; used as
# the cross build's test emulator. Exit status is the program's.
#
# The program's output goes through files, not straight to our caller: Wine
# may start its background services during the run, and they would inherit
# and hold open the caller's pipes (a test runner would then wait for ever).
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"
fw_start_display
fw_start_wine
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
wine "$@" >"$tmp/out" 2>"$tmp/err"
rc=$?
cat "$tmp/out"
cat "$tmp/err" >&2
exit $rc
