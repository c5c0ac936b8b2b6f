#!/usr/bin/env bash
# Each folder includes only its own layer and those below it: the rules and the
# puzzles nothing above them, the widget kit only itself, the game window and the
# accessory windows never each other, and nothing but start-up includes app/.
set -euo pipefail
cd "$1"
against=$(grep -rnE '^#include "[a-z]+/' rules puzzles ui game accessory | while IFS= read -r line; do
    from=${line%%/*}
    to=$(sed -E 's@.*#include "([a-z]+)/.*@\1@' <<<"$line")
    case "$from:$to" in
    rules:rules | rules:puzzles | puzzles:rules | puzzles:puzzles | ui:ui | game:game | accessory:accessory) ;;
    game:ui | game:rules | game:puzzles | accessory:ui | accessory:rules | accessory:puzzles) ;;
    *) echo "$line" ;;
    esac
done)
[ -z "$against" ] || { printf 'Includes against the layers:\n%s\n' "$against"; exit 1; }
