#!/usr/bin/env bash
# Installs the Debian packages the build, the program and the tests need; only the missing ones.
set -eu
packages=(build-essential cmake pkg-config qt6-base-dev libqt6sql6-sqlite libcurl4-openssl-dev
          fonts-wine python3-aiosmtpd poppler-utils xvfb xdotool imagemagick)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -q
$sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
