#!/usr/bin/env bash
# Installs the Debian packages the game builds, runs and tests with; does nothing when all are there.
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config
    libsfml-dev libbox2d-dev libnoise-dev liblua5.4-dev nlohmann-json3-dev
    libboost-dev libboost-context-dev libpolyclipping-dev libtinyxml2-dev libx11-dev
    libgtest-dev libgmock-dev libbenchmark-dev libgl-dev libopenal-dev
    fonts-dejavu-core xvfb xauth libgl1-mesa-dri
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
if [ "$(id -u)" -ne 0 ]; then
    sudo="sudo"
fi
echo "Installing: ${missing[*]}"
$sudo apt-get update -q
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
