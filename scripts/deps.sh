#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, when missing.
set -euo pipefail

need=()
have_cmd() { command -v "$1" >/dev/null 2>&1; }
have_pkg() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed"; }

have_cmd cmake || need+=(cmake)
have_cmd ninja || need+=(ninja-build)
have_cmd g++ || need+=(g++)
have_cmd clang++ || need+=(clang)
have_pkg libclang-rt-14-dev || need+=(libclang-rt-14-dev)
have_cmd x86_64-w64-mingw32-g++-posix || need+=(g++-mingw-w64-x86-64-posix mingw-w64-x86-64-dev)
have_cmd wine || need+=(wine)
have_pkg wine64 || need+=(wine64)
have_cmd Xvfb || need+=(xvfb)
have_cmd xdotool || need+=(xdotool)
have_pkg libgtest-dev || need+=(libgtest-dev)
have_pkg googletest || need+=(googletest)
have_cmd python3 || need+=(python3)
have_pkg imagemagick || need+=(imagemagick)
have_pkg fonts-wine || need+=(fonts-wine)

if ((${#need[@]})); then
  echo "Installing: ${need[*]}"
  SUDO=""
  [ "$(id -u)" -eq 0 ] || SUDO="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -q
  $SUDO apt-get install -y -q --no-install-recommends "${need[@]}"
fi
