#!/usr/bin/env bash
# Installs, from Debian's archive only, every package that building, running and testing need.
# Packages already present are skipped, so a second run does nothing. Further Debian packages given
# as arguments are installed the same way (the benchmarks name theirs).
set -euo pipefail

packages=(
    build-essential cmake pkg-config clang-format
    qtbase5-dev qtbase5-dev-tools libqt5svg5-dev
    qttools5-dev qttools5-dev-tools qttranslations5-l10n
    libgs-dev ghostscript libqpdf-dev qpdf zlib1g-dev libdeflate-dev
    xvfb xauth dbus-x11 dbus-daemon
    fonts-liberation fonts-noto-cjk
    dpkg-dev lintian appstream
    "$@"
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
    sudo_cmd=(sudo)
fi

echo "Installing: ${missing[*]}"
"${sudo_cmd[@]}" apt-get update
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
