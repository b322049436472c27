#!/usr/bin/env bash
# Installs the Debian 12 packages needed to build, run and test Tallyvane.
# Safe to run again: only missing packages are installed.
set -euo pipefail

build_pkgs=(cmake g++ make pkg-config qt6-base-dev qt6-base-dev-tools libqt6svg6 qt6-svg-dev qt6-l10n-tools qt6-translations-l10n dpkg-dev
            libgl-dev libxcb1-dev libzip-dev libpugixml-dev libical-dev qtkeychain-qt6-dev
            libharfbuzz-dev libfreetype-dev libfontconfig-dev libicu-dev
            qt6-qpa-plugins fonts-dejavu-core fonts-noto-cjk fonts-urw-base35 hicolor-icon-theme adwaita-icon-theme)
test_pkgs=(clang-format clang libclang-rt-14-dev libbenchmark-dev xvfb xauth qpdf poppler-utils libreoffice-calc-nogui libreoffice-writer-nogui
           imagemagick xdotool chromium desktop-file-utils appstream lintian python3-icalendar dbus radicale
           fonts-noto-core fonts-symbola weston qt6-wayland
           syncthing faketime)

want=("${build_pkgs[@]}")
if [ "${1:-}" = "--with-test-tools" ]; then
    want+=("${test_pkgs[@]}")
fi

missing=()
for p in "${want[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

echo "Installing: ${missing[*]}"
SUDO=""
if [ "$(id -u)" -ne 0 ]; then
    SUDO="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -q
$SUDO apt-get install -y -q --no-install-recommends "${missing[@]}"
