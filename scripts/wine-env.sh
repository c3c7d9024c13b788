# Sourced: Wine settings and one shared virtual display for every Windows program
# the build runs. Starts Xvfb and a persistent wineserver on first use.
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
export WINEPREFIX="${FW_WINEPREFIX:-$ROOT/build/wineprefix}"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEARCH=win64

# True when an X server answers on display $1.
fw_display_alive() {
  DISPLAY="$1" xdotool getdisplaygeometry >/dev/null 2>&1
}

fw_start_display() {
  if [ -n "${DISPLAY:-}" ] && [ -z "${FW_FORCE_XVFB:-}" ]; then
    fw_display_alive "$DISPLAY" && return
    echo "Display $DISPLAY does not answer; using a virtual one." >&2
  fi
  local num="${FW_XVFB_DISPLAY:-97}"
  if ! fw_display_alive ":$num"; then
    # A socket or lock left behind by a server that is gone (a machine
    # restored from a snapshot, a killed session) would make the new server
    # refuse the display number.
    rm -f "/tmp/.X11-unix/X$num" "/tmp/.X$num-lock"
    (Xvfb ":$num" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &)
    for _ in $(seq 1 100); do fw_display_alive ":$num" && break; sleep 0.1; done
    if ! fw_display_alive ":$num"; then
      echo "Xvfb did not start on :$num" >&2
      return 1
    fi
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
  # Wine's own fonts ("MS Sans Serif", "Small Fonts", the frame glyphs of
  # Marlett) from the fonts-wine package: this Wine build does not look in
  # their folder, but it loads every font in the prefix's Fonts folder.
  local fonts="$WINEPREFIX/drive_c/windows/Fonts"
  if [ -d /usr/share/wine/fonts ] && [ -d "$fonts" ] && [ ! -f "$fonts/marlett.ttf" ]; then
    cp -n /usr/share/wine/fonts/* "$fonts/" 2>/dev/null || true
    wineserver -k >/dev/null 2>&1 || true
  fi
  # A persistent server, and the prefix's services started now with no
  # terminal or pipe of ours, make every later start fast and detached.
  wineserver -p >/dev/null 2>&1 </dev/null || true
  wine cmd.exe /c exit >/dev/null 2>&1 </dev/null || true
}
