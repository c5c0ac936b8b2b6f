#!/bin/sh
# Fails unless the given executable's dynamic section lists Qt Widgets (so the
# check reads it at all) and names nothing of Qt WebEngine.
set -eu
dynamic=$(readelf -d "$1")
printf '%s\n' "$dynamic" | grep -q 'NEEDED.*libQt6Widgets' || { echo "cannot read the libraries of $1"; exit 1; }
if printf '%s\n' "$dynamic" | grep -i 'NEEDED.*WebEngine'; then
    echo "$1 depends on Qt WebEngine"
    exit 1
fi
