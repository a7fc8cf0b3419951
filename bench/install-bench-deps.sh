#!/usr/bin/env bash
# Installs, from Debian's archive only, what the benchmarks need beyond the build: the tools they
# compare with or measure through, and the documentation packages whose PDFs are the real corpus
# (listed in bench/debian-documents.txt). Packages already present are skipped.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"

# ocrmypdf and mupdf-tools are the peers the size report compares with.
packages=(poppler-utils time ghostscript qpdf ocrmypdf mupdf-tools)
while read -r package _; do
    case "$package" in ''|'#'*) continue ;; esac
    packages+=("$package")
done < "$here/debian-documents.txt"

exec "$here/../scripts/install-deps.sh" "${packages[@]}"
