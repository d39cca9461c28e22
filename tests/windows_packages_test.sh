#!/bin/bash
# What a Windows user downloads, checked without running it: the zip holds a
# folder with the program (a stripped GUI program of the architecture; what
# it imports, imports_only_system_dlls checks on the program it is stripped
# from), LICENSE and README.txt (Windows line ends, the version named); the installer, for the same architecture, installs
# the same files into Program Files, has the fixed upgrade code and a version
# made of the program's, and replaces a package of the same version.
#
# Usage: windows_packages_test.sh ARCH VERSION PACKAGE.zip PACKAGE.msi OBJDUMP
set -u
arch=$1 version=$2 zip=$3 msi=$4 objdump=$5
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
fail() { echo "FAIL: $*"; status=1; }
for tool in unzip msiinfo msiextract; do
    command -v "$tool" >/dev/null || { echo "FAIL: $tool is not installed (tools/install-deps installs it)"; exit 1; }
done
name=selvaquin-$version-$arch

# ---- The zip ----------------------------------------------------------------
listing=$(unzip -Z1 "$zip" | sort)
expected=$(printf '%s\n' "$name/" "$name/LICENSE" "$name/README.txt" "$name/selvaquin.exe")
[ "$listing" = "$expected" ] || fail "the zip holds: $listing"
unzip -q "$zip" -d "$work/zip" || { echo "FAIL: cannot unpack $zip"; exit 1; }
exe=$work/zip/$name/selvaquin.exe
case $arch in
x64) format=pei-x86-64 template="x64;1033" attributes=256 program_files=ProgramFiles64Folder ;;
x86) format=pei-i386 template="Intel;1033" attributes=0 program_files=ProgramFilesFolder ;;
*) echo "FAIL: no architecture $arch"; exit 1 ;;
esac
"$objdump" -f "$exe" | grep -q "file format $format" || fail "selvaquin.exe is not $format"
"$objdump" -p "$exe" | grep -qE '^Subsystem[[:space:]]+0+2[[:space:]]' || fail "selvaquin.exe is no GUI program"
"$objdump" -t "$exe" | grep -qx 'no symbols' || fail "selvaquin.exe is not stripped"
for text in LICENSE README.txt; do
    file=$work/zip/$name/$text
    [ "$(grep -c $'\r$' "$file")" -eq "$(wc -l <"$file")" ] || fail "$text has lines without Windows line ends"
done
grep -q "^MIT License" "$work/zip/$name/LICENSE" || fail "LICENSE is not the MIT licence"
grep -q "Selvaquin v$version for Windows" "$work/zip/$name/README.txt" || fail "README.txt does not name the version"
grep -q "$name.msi" "$work/zip/$name/README.txt" || fail "README.txt does not name the installer"

# ---- The installer -------------------------------------------------------------
property() {
    msiinfo export "$msi" Property | tr -d '\r' | awk -F'\t' -v name="$1" '$1 == name {print $2}'
}
# The program's version YYMM.DDHHMM as YY.M.(minute of the month).
[[ $version =~ ^([0-9][0-9])([0-9][0-9])\.([0-9]+)([0-9][0-9])([0-9][0-9])$ ]] || fail "the version is $version"
msi_version=$((10#${BASH_REMATCH[1]})).$((10#${BASH_REMATCH[2]})).$(((10#${BASH_REMATCH[3]} - 1) * 1440 + 10#${BASH_REMATCH[4]} * 60 + 10#${BASH_REMATCH[5]}))
[ "$(property ProductVersion)" = "$msi_version" ] || fail "the installer's version is $(property ProductVersion), not $msi_version"
[ "$(property UpgradeCode | tr a-f A-F)" = "{1ACDA5AD-7BE7-47D8-96CC-8F14F749A9C8}" ] ||
    fail "the upgrade code has changed: $(property UpgradeCode)"
[ "$(property ProductName)" = Selvaquin ] && [ "$(property Manufacturer)" = Tulke ] ||
    fail "the installer names $(property ProductName) by $(property Manufacturer)"
[ "$(property ALLUSERS)" = 1 ] || fail "the installer is not for all users"
[ -n "$(property ARPPRODUCTICON)" ] || fail "the entry has no icon"
msiinfo suminfo "$msi" | grep -qFx "Template: $template" || fail "the installer is not for $template"
components=$(msiinfo export "$msi" Component | tr -d '\r' | awk -F'\t' 'NR > 3 {print $1, $4}')
[ "$(awk '{print $2}' <<<"$components" | sort -u)" = "$attributes" ] ||
    fail "the components' attributes are not $attributes: $components"
msiinfo export "$msi" Directory | tr -d '\r' | grep -qP "^INSTALLDIR\t$program_files\tSelvaquin$" ||
    fail "the program does not go to $program_files\\Selvaquin"
# The row that finds what to replace takes the same version in too (512).
upgrade=$(msiinfo export "$msi" Upgrade | tr -d '\r' | awk -F'\t' '$7 == "WIX_UPGRADE_DETECTED" {print $3, $5}')
[ "$upgrade" = "$msi_version 513" ] || fail "the installer does not replace up to its own version: $upgrade"
msiextract -C "$work/msi" "$msi" >/dev/null || fail "cannot unpack the installer"
for file in selvaquin.exe LICENSE README.txt; do
    found=$(find "$work/msi" -type f -name "$file")
    [ -n "$found" ] && cmp -s "$found" "$work/zip/$name/$file" || fail "the installer's $file is not the zip's"
done
[ "$(find "$work/msi" -type f | wc -l)" -eq 3 ] || fail "the installer holds other files"

[ "$status" -eq 0 ] && echo "ok: $(basename "$zip") and $(basename "$msi")"
exit "$status"
