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
    wineserver -w >/dev/null 2>&1 || true
  fi
  # A persistent server makes every later start fast.
  wineserver -p >/dev/null 2>&1 || true
}
