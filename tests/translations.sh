#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 slot_vorlane developers
#
# Every translation file is complete for the program's texts as they are
# now: no text without its translation, none kept for a text gone.
# Usage: translations.sh LUPDATE SOURCE_DIR
set -euo pipefail
lupdate=$1
root=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$root"/translations/*.ts "$work"/
(cd "$root" && "$lupdate" -silent -locations none src -ts "$work"/*.ts)
if grep -H -B3 -E 'type="(unfinished|vanished|obsolete)"' "$work"/*.ts; then
    echo "FAIL: translations to add or remove: cmake --build ... --target update_translations, then translate"
    exit 1
fi
