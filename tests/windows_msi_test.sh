#!/bin/bash
# The x64 installer under wine64: msiexec /i /qn installs the files, a Start-menu
# shortcut and one entry among the installed programs, with its size and icon;
# the installed program runs and its close box ends it; a rebuilt or newer
# package replaces it, an older one is refused; msiexec /x takes it all away.
# Usage: windows_msi_test.sh PACKAGE.msi STAGE ICON X11_PREFIX (STAGE: the
# folder the package was made from; X11_PREFIX: a Wine prefix drawing on X).
set -u
msi=$(realpath "$1") stage=$(realpath "$2") icon=$(realpath "$3") x11_prefix=$4
# shellcheck source=x_common.sh source-path=SCRIPTDIR
source "$(dirname "$0")/x_common.sh"
needs msiinfo wixl
property() { msiinfo export "$1" Property | tr -d '\r' | awk -F'\t' -v name="$2" '$1 == name {print $2}'; }
version=$(property "$msi" ProductVersion)
[[ $version =~ ^([0-9]+\.[0-9]+)\.([0-9]+)$ ]] || fail "the package's version is $version"
# Packages of the same version, a newer and an older one, from the same files.
newer=${BASH_REMATCH[1]}.$((BASH_REMATCH[2] + 1)) older=${BASH_REMATCH[1]}.$((BASH_REMATCH[2] - 1))
for v in "$version" "$newer" "$older"; do
    "$(dirname "$0")/../tools/make-msi" x64 "$v" test "$stage" "$icon" "$work/selvaquin-$v.msi" >"$work/make-msi.log" 2>&1 ||
        fail "tools/make-msi $v: $(cat "$work/make-msi.log")"
done
[ "$(property "$work/selvaquin-$version.msi" ProductCode)" != "$(property "$msi" ProductCode)" ] ||
    fail "a rebuilt package has the same product code"

start_wine_x11 "$x11_prefix"
drive_c=$WINEPREFIX/drive_c
folder="$drive_c/Program Files/Selvaquin"
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall'
# installed: the product codes of the installed Selvaquin entries.
installed() {
    wine64 reg query "$uninstall_key" /s 2>/dev/null | tr -d '\r' |
        awk '/^HKEY/ {key = $0} $1 == "DisplayName" && $3 == "Selvaquin" {n = split(key, p, "\\"); print p[n]}'
}
# value KEY NAME: a value in the registry.
value() {
    wine64 reg query "$1" /s /v "$2" 2>/dev/null | tr -d '\r' | awk -v name="$2" '$1 == name {$1 = ""; $2 = ""; sub(/^ +/, ""); print; exit}'
}
entry() { value "$uninstall_key\\$1" "$2"; }
msiexec() { wine64 msiexec "$@" /qn >"$work/msiexec.log" 2>&1; }
winpath() { printf 'Z:%s' "${1//\//\\}"; }
# What a failed run left installed goes first, and at the end.
remove_all() { for code in $(installed); do msiexec /x "$code"; done; }
remove_all
on_exit="remove_all; $on_exit"

msiexec /i "$(winpath "$msi")" || fail "msiexec /i ended with status $?: $(cat "$work/msiexec.log")"
for file in selvaquin.exe LICENSE README.txt; do
    cmp -s "$folder/$file" "$stage/$file" || fail "$file is not installed in Program Files\\Selvaquin"
done
[ "$(find "$folder" -type f | wc -l)" -eq 3 ] || fail "Program Files\\Selvaquin holds other files: $(ls "$folder")"
mapfile -t links < <(find "$drive_c" -path '*/Start Menu/Programs/Selvaquin.lnk')
[ "${#links[@]}" -eq 1 ] || fail "not one Start-menu shortcut named Selvaquin: ${links[*]}"
strings -a "${links[0]}" | grep -qFx 'C:\Program Files\Selvaquin\selvaquin.exe' ||
    fail "the Start-menu shortcut does not lead to the installed program"
codes=$(installed)
[ "$(wc -w <<<"$codes")" -eq 1 ] || fail "not one Selvaquin among the installed programs: $codes"
[ "$codes" = "$(property "$msi" ProductCode)" ] || fail "the installed entry is not this package's"
[ "$(entry "$codes" DisplayVersion)" = "$version" ] || fail "the entry's version is $(entry "$codes" DisplayVersion)"
[ "$(entry "$codes" Publisher)" = Tulke ] || fail "the entry's publisher is $(entry "$codes" Publisher)"
[ "$(entry "$codes" Comments)" = "$SELVAQUIN_TITLE" ] || fail "the entry says $(entry "$codes" Comments)"
# The entry's size: the installed files' in KB, rounded up.
kb=$((($(cat "$folder/selvaquin.exe" "$folder/LICENSE" "$folder/README.txt" | wc -c) + 1023) / 1024))
[ "$(($(entry "$codes" EstimatedSize)))" -eq "$kb" ] || fail "the entry's size is $(entry "$codes" EstimatedSize), not $kb KB"
# The icon of the entry is the program's, kept by Windows Installer.
product_icon=$(value 'HKLM\Software\Classes\Installer\Products' ProductIcon)
[ -n "$product_icon" ] || fail "the entry has no icon"
icon_file=$drive_c/$(sed -e 's/^[Cc]:\\//' -e 's/\\/\//g' <<<"$product_icon")
cmp -s "$icon_file" "$icon" || fail "the entry's icon $product_icon is not the program's icon"
echo "ok: installed: the program, its texts, a Start-menu shortcut, one entry (version $version, icon, $kb KB)"

# The installed program, started from its install folder.
cd "$folder" || fail "no install folder"
wine64 'C:\Program Files\Selvaquin\selvaquin.exe' >"$work/app.out" 2>"$work/app.err" &
app_pid=$!
cd - >/dev/null || true
wait_for_window "$title_pattern" framed
echo "ok: the installed program shows its window"
xdotool mousemove --sync $((cx + 500)) $((cy + 150)) click 1
# The close box, at the right end of the title bar, as high as the menu bar.
caption=$(((HEIGHT - 600) / 2))
ends_with_zero "the close box of the installed program" $((X + WIDTH - frame - caption / 2 - 2)) \
    $((Y + frame + caption / 2))

msiexec /i "$(winpath "$work/selvaquin-$version.msi")" || fail "the rebuilt package was not installed"
codes=$(installed)
[ "$codes" = "$(property "$work/selvaquin-$version.msi" ProductCode)" ] ||
    fail "a rebuilt package of the same version did not replace the installed one: $codes"
msiexec /i "$(winpath "$work/selvaquin-$newer.msi")" || fail "the newer package was not installed"
codes=$(installed)
[ "$(wc -w <<<"$codes")" -eq 1 ] && [ "$(entry "$codes" DisplayVersion)" = "$newer" ] ||
    fail "the newer package did not replace the installed one: $codes"
msiexec /i "$(winpath "$work/selvaquin-$older.msi")" && fail "an older package went over a newer one"
[ "$(installed)" = "$codes" ] || fail "the refused older package changed what is installed"
echo "ok: the same version and a newer one replace what is installed, an older one is refused"

msiexec /x "$codes" || fail "msiexec /x ended with status $?: $(cat "$work/msiexec.log")"
[ ! -e "$folder" ] || fail "Program Files\\Selvaquin is still there: $(ls -A "$folder")"
[ -z "$(find "$drive_c" -path '*/Start Menu/Programs/Selvaquin.lnk')" ] || fail "the Start-menu shortcut is still there"
[ -z "$(installed)" ] || fail "Selvaquin is still among the installed programs"
[ ! -e "$icon_file" ] || fail "the entry's icon is still there"
echo "ok: uninstalled: the files, the shortcut, the entry and its icon are gone"
