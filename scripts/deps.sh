#!/usr/bin/env bash
# The Debian packages that building, running and testing Morvessa needs.
# Sourced by run.sh and test.sh; installs only what is missing.
MORVESSA_DEPS=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev
  libgmp-dev libmpfr-dev libflint-dev
  libgtest-dev libbenchmark-dev
  fonts-dejavu-core
  xvfb openbox libxtst-dev  # the desktop tests: a private X display, a window manager, X input
)

morvessa_install_deps() {
  local missing=() pkg
  for pkg in "${MORVESSA_DEPS[@]}" "$@"; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' || missing+=("$pkg")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}
