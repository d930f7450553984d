#!/usr/bin/env bash
# Installs the Debian packages the game and its tests need, skipping those
# already present, so `make run`, `make test` and `make package` work on a fresh
# machine. The desktop-file and metainfo validators run in the tests; dpkg-dev
# and file let the package find the libraries the game links against.
set -euo pipefail

packages=(
    cmake ninja-build g++ make
    qt6-base-dev qt6-base-private-dev qt6-svg-dev libgl-dev
    libgtest-dev googletest
    fonts-dejavu-core fonts-liberation qt6-translations-l10n
    desktop-file-utils appstream
    dpkg-dev file
    libbenchmark-dev
    # The title-bar tests and `make bench` run under a virtual X server.
    xvfb xauth
)
# `make bench` times the solver's hardest deal as a whole process.
if [ "${1:-}" = bench ]; then
    packages+=(time)
fi
# `make mutants` is a Python script.
if [ "${1:-}" = mutants ]; then
    packages+=(python3)
fi

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
if [ "$(id -u)" -ne 0 ]; then
    sudo="sudo"
fi
echo "Installing: ${missing[*]}"
$sudo apt-get update -q
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q "${missing[@]}"
