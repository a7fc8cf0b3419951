#!/usr/bin/env bash
# Builds the Debian package from a build folder and checks it: the files it installs, the
# run-time dependencies it declares, the AppStream data, and lintian with no errors.
# Usage: scripts/check-package.sh [build-folder]   (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}

cmake --build "$build" -j2
(cd "$build" && cpack -G DEB >/dev/null)
version=$(sed -n 's/^project(VantorelKompresto VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
deb="$build/package/vantorel-kompresto_${version}_amd64.deb"
[ -f "$deb" ] || { echo "missing: $deb"; exit 1; }

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

files=$(dpkg-deb -c "$deb" | awk '{print $6}' | sed 's|^\./|/|')
expected=(
    /usr/bin/VantorelKompresto
    /usr/bin/kompresto
    /usr/libexec/vantorel-kompresto/VantorelKompresto-crash-helper
    /usr/share/applications/vantorel-kompresto.desktop
    /usr/share/icons/hicolor/scalable/apps/vantorel-kompresto.svg
    /usr/share/metainfo/com.vantorel.kompresto.metainfo.xml
    /usr/share/man/man1/kompresto.1.gz
    /usr/share/man/man1/VantorelKompresto.1.gz
    /usr/share/doc/vantorel-kompresto/copyright
    /usr/share/doc/vantorel-kompresto/changelog.gz
)
# The worker process installs itself beside the crash helper once the build has it.
if grep -q VantorelKomprestoWorker src/worker/CMakeLists.txt 2>/dev/null; then
    expected+=(/usr/libexec/vantorel-kompresto/VantorelKompresto-worker)
fi
for path in "${expected[@]}"; do
    grep -qx "$path" <<<"$files" || fail "the package lacks $path"
done
# Nothing of the build or the tests belongs in it.
if grep -Eq '/(Test[A-Za-z]*|lib[a-z_]*\.a|include/.*)$' <<<"$files"; then
    fail "the package holds build or test files: $(grep -E '/(Test[A-Za-z]*|lib[a-z_]*\.a)$' <<<"$files" | tr '\n' ' ')"
fi

depends=$(dpkg-deb -f "$deb" Depends)
for package in libgs10 libqpdf29 libdeflate0 libqt5core5a libqt5gui5 libqt5widgets5 libqt5network5 libqt5dbus5; do
    grep -q "\b$package\b" <<<"$depends" || fail "Depends does not name $package: $depends"
done

unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
dpkg-deb -x "$deb" "$unpacked"
entry="$unpacked/usr/share/applications/vantorel-kompresto.desktop"
grep -qx 'Exec=/usr/bin/VantorelKompresto %F' "$entry" \
    || fail "the desktop entry does not start /usr/bin/VantorelKompresto with the files (%F)"
grep -qx 'MimeType=application/pdf;' "$entry" || fail "the desktop entry does not offer to open PDF files"
# Offered for PDFs, never made their default handler behind the user's back.
if grep -Eq '(^|/)(mimeapps\.list|defaults\.list)$' <<<"$files" || grep -q '^InitialPreference=' "$entry"; then
    fail "the package makes the application a default handler"
fi
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$entry" || fail "desktop-file-validate"
fi
grep -q '<mediatype>application/pdf</mediatype>' "$unpacked/usr/share/metainfo/com.vantorel.kompresto.metainfo.xml" \
    || fail "the AppStream data does not declare the PDF type"
appstreamcli validate --no-net --pedantic "$unpacked/usr/share/metainfo/com.vantorel.kompresto.metainfo.xml" \
    || fail "appstreamcli validate"
"$unpacked/usr/bin/kompresto" --version | grep -qx "kompresto $version" || fail "kompresto --version"

lintian --fail-on error "$deb" || fail "lintian reports errors"

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed for $deb"
    exit 1
fi
echo "OK: $deb"
