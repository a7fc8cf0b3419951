#!/usr/bin/env bash
# Installs, from Debian's archive only, what the benchmarks need beyond the build: the tools they
# compare with or measure through, and the documentation packages whose PDFs are the real corpus
# (listed in bench/debian-documents.txt). Packages already present are skipped.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"

packages=(poppler-utils time ghostscript qpdf)
while read -r package _; do
    case "$package" in ''|'#'*) continue ;; esac
    packages+=("$package")
done < "$here/debian-documents.txt"

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
echo "Installing for the benchmarks: ${missing[*]}"
"${sudo_cmd[@]}" apt-get update
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
