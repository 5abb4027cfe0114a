#!/usr/bin/env bash
# Kelvra's developer entry point.
#   bash scripts/dev.sh start   install what is missing, build, start Kelvra
#   bash scripts/dev.sh test    install what is missing, build, run every test
#                               (sanitizer build, then the plain build)
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

# Everything a fresh Debian 12 machine lacks to build, run and test Kelvra.
packages=(
  build-essential cmake pkg-config
  qt6-base-dev qt6-qpa-plugins qt6-webengine-dev qt6-svg-dev libgl-dev qt6-l10n-tools
  libswe-dev swe-basic-data
  libcsv-dev rapidjson-dev libgeonames-dev libsqlitecpp-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  libfontconfig-dev libxcb1-dev
  fonts-dejavu-core xvfb
  dbus-daemon dbus-bin at-spi2-core
  poppler-utils librsvg2-bin python3
  desktop-file-utils appstream
)

install_missing() {
  local missing=() p
  for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  ((${#missing[@]} == 0)) && return 0
  echo "Installing: ${missing[*]}"
  local sudo=()
  [[ $(id -u) -ne 0 ]] && sudo=(sudo)
  "${sudo[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

build() {
  local dir=$1
  shift
  cmake -S . -B "$dir" -Wno-dev "$@" >/dev/null
  cmake --build "$dir" --parallel "$(nproc)"
}

run_tests() {
  ctest --test-dir "$1" --output-on-failure --parallel "$(nproc)"
}

case "${1:-}" in
  start)
    install_missing
    build build
    exec build/app/kelvra
    ;;
  test)
    install_missing
    build build-asan -DKELVRA_SANITIZE=ON -DKELVRA_BUILD_BENCH=OFF -DCMAKE_BUILD_TYPE=Debug
    build build
    run_tests build-asan
    run_tests build
    ;;
  *)
    echo "usage: bash scripts/dev.sh start|test" >&2
    exit 2
    ;;
esac
