#!/usr/bin/env bash
# Installs the Debian packages the game needs to build, run and test; quiet when all are there.
# With the argument "package", also the tools that build and check the Debian package.
set -euo pipefail

packages=(
    cmake make g++ pkg-config
    qt6-base-dev qt6-svg-dev libqt6svg6 qt6-qpa-plugins libgl-dev qt6-translations-l10n
    qt6-speech-dev qt6-declarative-dev qt6-speech-speechd-plugin speech-dispatcher speech-dispatcher-espeak-ng espeak-ng
    libcups2-dev libx11-dev xvfb openbox x11-utils xdotool dbus-daemon at-spi2-core
    cups-daemon cups-client poppler-utils strace clang-format
    fonts-liberation fonts-dejavu-core
)
[ "${1:-}" != package ] || packages+=(dpkg-dev lintian desktop-file-utils appstream)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
if [ "$(id -u)" -ne 0 ]; then
    command -v sudo >/dev/null || { echo "Need root or sudo to install: ${missing[*]}" >&2; exit 1; }
    sudo="sudo"
fi
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
