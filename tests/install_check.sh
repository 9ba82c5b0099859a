#!/usr/bin/env bash
# Installs into a temporary prefix and checks that the program, its desktop
# entry and its icon land where desktops look for them.
set -euo pipefail
build="$1"
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null
for file in bin/ft817clone libexec/ft817clone/ft817clone-windows share/applications/ft817clone.desktop \
            share/icons/hicolor/scalable/apps/ft817clone.svg; do
    [[ -e "$prefix/$file" ]] || { echo "missing after install: $file"; exit 1; }
done
grep -q '^Exec=ft817clone' "$prefix/share/applications/ft817clone.desktop"
grep -q '^Icon=ft817clone' "$prefix/share/applications/ft817clone.desktop"
"$prefix/bin/ft817clone" --help | grep -q 'download'
echo "1 passed, 0 failed"
