#!/usr/bin/env bash
# Installs what building and testing Brinolith needs on Debian 12, if missing.
set -euo pipefail

packages=(build-essential cmake pkg-config googletest libgtest-dev libbenchmark-dev
          qt6-base-dev libgl-dev fonts-dejavu-core fonts-dejavu-extra fonts-liberation2)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
