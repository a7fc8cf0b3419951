#!/usr/bin/env bash
# Brings every catalogue in resources/translations/ in step with the texts in the code: new source
# texts appear as unfinished entries to translate, texts the code no longer has are dropped.
# Line numbers are left out so that unrelated edits do not touch the catalogues.
set -euo pipefail
cd "$(dirname "$0")/.."
lupdate_bin=/usr/lib/qt5/bin/lupdate
[ -x "$lupdate_bin" ] || lupdate_bin=$(command -v lupdate)
catalogues=()
for suffix in en de fr es it ja pt; do
    catalogues+=("resources/translations/Translation_${suffix}.ts")
done
mkdir -p resources/translations
"$lupdate_bin" -silent -locations none -no-obsolete -source-language en src -ts "${catalogues[@]}"
