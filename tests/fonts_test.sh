#!/bin/bash
# The program loads only the fonts of the faces it draws with, whatever else the
# machine has (Verdana, the toolkit's faces, DejaVu Sans for any of them with its
# cuts, the platform's generic names); where none is installed, any font, and
# the pages are still lettered.
# Usage: fonts_test.sh PATH/TO/selvaquin-drive
set -u
drive=$1 work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
families() { printf 'families\n' | "$drive" 2>/dev/null | sed -n 's/^family "\(.*\)"$/\1/p'; }
others=$(families | grep -vxE 'DejaVu Sans( Condensed| Light)?|Verdana|MS Shell Dlg|System|Sans Serif|Serif|Monospace')
[ -z "$others" ] || { echo "FAIL: loaded besides the faces drawn with: $others"; exit 1; }
families | grep -qx 'DejaVu Sans' || { echo "FAIL: DejaVu Sans is not loaded"; exit 1; }

mono=/usr/share/fonts/truetype/dejavu/DejaVuSansMono.ttf
[ -e "$mono" ] || { echo "SKIP: $mono is not installed"; exit 77; }
mkdir "$work/fonts" && ln -s "$mono" "$work/fonts/"
printf '<?xml version="1.0"?>\n<fontconfig><dir>%s</dir><cachedir>%s</cachedir></fontconfig>\n' \
    "$work/fonts" "$work/cache" >"$work/fonts.conf"
export FONTCONFIG_FILE=$work/fonts.conf
families | grep -qx 'DejaVu Sans Mono' || { echo "FAIL: with no face of its own the program does not load DejaVu Sans Mono"; exit 1; }
# Some pixel along the splash name has its colour.
for x in $(seq 380 2 618); do echo "pixel $x 265"; done | "$drive" 2>/dev/null | grep -q ' 0x969600$' ||
    { echo "FAIL: the splash name is not lettered with DejaVu Sans Mono alone"; exit 1; }
echo "ok: only the faces drawn with are loaded, and any font where none of them is there"
