#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing need, only those missing.
set -euo pipefail
packages=(build-essential cmake pkg-config qt6-base-dev libxcb1-dev libcups2-dev libgtest-dev libbenchmark-dev
          poppler-utils xdg-utils xvfb xauth "$@")
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    sudo=""; [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update -q
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
