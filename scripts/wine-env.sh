# Sourced: Wine settings and one shared virtual display for every Windows program
# the build runs. Starts Xvfb and a persistent wineserver on first use.
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
export WINEPREFIX="${FW_WINEPREFIX:-$ROOT/build/wineprefix}"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEARCH=win64

fw_start_display() {
  if [ -n "${DISPLAY:-}" ] && [ -z "${FW_FORCE_XVFB:-}" ]; then return; fi
  local num="${FW_XVFB_DISPLAY:-97}"
  if ! [ -e "/tmp/.X11-unix/X$num" ]; then
    (Xvfb ":$num" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &)
    for _ in $(seq 1 50); do [ -e "/tmp/.X11-unix/X$num" ] && break; sleep 0.1; done
  fi
  export DISPLAY=":$num"
}

fw_start_wine() {
  mkdir -p "$WINEPREFIX"
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    # Create the prefix and let everything the first boot starts finish, so
    # the first test does not race the prefix set-up.
    wineboot -i >/dev/null 2>&1 || true
    # A crashing test must fail, not wait on a crash dialog.
    wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1 || true
    # Windows not managed by an X window manager: Wine draws their frames
    # itself, and hiding or destroying one does not wait for a manager that
    # a virtual display does not have.
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1 || true
    wineserver -w >/dev/null 2>&1 || true
  fi
  # A persistent server, and the prefix's services started now with no
  # terminal or pipe of ours, make every later start fast and detached.
  wineserver -p >/dev/null 2>&1 </dev/null || true
  wine cmd.exe /c exit >/dev/null 2>&1 </dev/null || true
}
