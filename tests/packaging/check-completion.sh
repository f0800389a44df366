#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# check-completion.sh COMPLETION GLIMMERSET-CLI: what Tab offers after each command line below,
# in a folder of photos, other files and a subfolder.
set -uo pipefail
source /usr/share/bash-completion/bash_completion
source "$1"
PATH="$(cd "$(dirname "$2")" && pwd):$PATH"
cd "$(mktemp -d)" && trap 'rm -rf "$PWD"' EXIT
touch a.jpg B.PNG c.heic notes.txt list.plist && mkdir sub

failures=0
while IFS='|' read -r line expected; do
    read -ra COMP_WORDS <<<"$line"
    [[ $line == *' ' ]] && COMP_WORDS+=('')
    COMP_CWORD=$((${#COMP_WORDS[@]} - 1)) COMP_LINE=$line COMP_POINT=${#line}
    COMPREPLY=()
    _glimmerset_cli
    got=$(printf '%s\n' "${COMPREPLY[@]}" | sort | paste -sd ' ')
    if [[ $got != "$expected" ]]; then
        echo "after \"$line\": expected \"$expected\", got \"$got\""
        failures=$((failures + 1))
    fi
done <<'TABLE'
glimmerset-cli com|compress
glimmerset-cli --v|--version
glimmerset-cli strip --|--exif --exif-gps --gps --into --iptc
glimmerset-cli info |B.PNG a.jpg c.heic sub
glimmerset-cli compress --output |sub
glimmerset-cli import --exif |list.plist sub
glimmerset-cli dates --reference |B.PNG a.jpg c.heic sub
glimmerset-cli gps --lat |
glimmerset-cli camera |download list
glimmerset-cli library scan |sub
glimmerset-cli nonsense |
TABLE
exit $((failures > 0))
