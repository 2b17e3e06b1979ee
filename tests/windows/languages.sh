#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 slot_vorlane developers
#
# The game's windows on a real X display in English and in every language
# the game speaks, each chosen the way a desktop chooses it: by LANG.
# Usage: languages.sh TEST_PROGRAM
set -euo pipefail
if [ -z "${LANGUAGES_IN_XVFB:-}" ]; then
    exec env LANGUAGES_IN_XVFB=1 timeout 200 xvfb-run -a -s "-screen 0 1280x800x24" "$0" "$@"
fi
config=$(mktemp -d)
runtime=$(mktemp -d)
trap 'rm -rf "$config" "$runtime"' EXIT
export XDG_CONFIG_HOME=$config XDG_RUNTIME_DIR=$runtime
unset QT_QPA_PLATFORM LANGUAGE LC_ALL LC_MESSAGES
for lang in en_US de_DE fr_FR es_ES it_IT pt_BR nl_NL pl_PL cs_CZ; do
    if ! out=$(LANG=$lang.UTF-8 "$1" -silent 2>&1); then
        echo "FAIL in $lang:"
        echo "$out"
        exit 1
    fi
done
