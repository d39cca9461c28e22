#!/bin/bash
# What a Windows user downloads, checked without running it (the x64 installer
# runs in windows_msi_test.sh): the zip holds a folder with the program (a
# stripped GUI program of the architecture importing DLLs of Windows only),
# LICENSE and README.txt (Windows line ends, the version named); the installer,
# for the same architecture, holds the same files for Program Files, the fixed
# upgrade code and a version made of the program's.
# Usage: windows_packages_test.sh ARCH VERSION PACKAGE.zip PACKAGE.msi OBJDUMP
set -u
arch=$1 version=$2 zip=$3 msi=$4 objdump=$5
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
fail() { echo "FAIL: $*"; status=1; }
for t in unzip msiinfo msiextract; do command -v $t >/dev/null || { echo "FAIL: $t is not installed"; exit 1; }; done
name=selvaquin-$version-$arch
listing=$(unzip -Z1 "$zip" | sort)
[ "$listing" = "$(printf '%s\n' "$name/" "$name/LICENSE" "$name/README.txt" "$name/selvaquin.exe")" ] ||
    fail "the zip holds: $listing"
unzip -q "$zip" -d "$work/zip" || { echo "FAIL: cannot unpack $zip"; exit 1; }
dir=$work/zip/$name
case $arch in
x64) format=pei-x86-64 template="x64;1033" attributes=256 program_files=ProgramFiles64Folder ;;
x86) format=pei-i386 template="Intel;1033" attributes=0 program_files=ProgramFilesFolder ;;
esac
"$objdump" -f "$dir/selvaquin.exe" | grep -q "file format $format" || fail "selvaquin.exe is not $format"
"$objdump" -p "$dir/selvaquin.exe" | grep -qE '^Subsystem[[:space:]]+0+2[[:space:]]' || fail "selvaquin.exe is no GUI program"
"$objdump" -t "$dir/selvaquin.exe" | grep -qx 'no symbols' || fail "selvaquin.exe is not stripped"
imports=$("$objdump" -p "$dir/selvaquin.exe" | sed -n 's/^[[:space:]]*DLL Name: //p' | tr A-Z a-z | sort -u)
system=" kernel32 user32 gdi32 comctl32 shell32 advapi32 msvcrt ole32 oleaut32 shlwapi comdlg32 gdiplus oleacc "
for dll in $imports; do [[ $system == *" ${dll%.dll} "* ]] || fail "selvaquin.exe imports $dll, not a DLL of Windows"; done
for dll in user32 gdi32 comctl32 shell32 kernel32; do
    grep -qx "$dll.dll" <<<"$imports" || fail "selvaquin.exe does not import $dll.dll"
done
for text in LICENSE README.txt; do
    [ "$(grep -c $'\r$' "$dir/$text")" -eq "$(wc -l <"$dir/$text")" ] || fail "$text has lines without Windows line ends"
done
grep -q "^MIT License" "$dir/LICENSE" || fail "LICENSE is not the MIT licence"
grep -q "Selvaquin v$version for Windows" "$dir/README.txt" || fail "README.txt does not name the version"
grep -q "$name.msi" "$dir/README.txt" || fail "README.txt does not name the installer"

table() { msiinfo export "$msi" "$1" | tr -d '\r'; }
property() { table Property | awk -F'\t' -v name="$1" '$1 == name {print $2}'; }
# The program's version YYMM.DDHHMM as YY.M.(minute of the month).
[[ $version =~ ^([0-9][0-9])([0-9][0-9])\.([0-9]+)([0-9][0-9])([0-9][0-9])$ ]] || fail "the version is $version"
msi_version=$((10#${BASH_REMATCH[1]})).$((10#${BASH_REMATCH[2]})).$(((10#${BASH_REMATCH[3]} - 1) * 1440 + 10#${BASH_REMATCH[4]} * 60 + 10#${BASH_REMATCH[5]}))
[ "$(property ProductVersion)" = "$msi_version" ] || fail "the installer's version is $(property ProductVersion), not $msi_version"
[ "$(property UpgradeCode | tr a-f A-F)" = "{1ACDA5AD-7BE7-47D8-96CC-8F14F749A9C8}" ] ||
    fail "the upgrade code has changed: $(property UpgradeCode)"
[ "$(property ALLUSERS)" = 1 ] || fail "the installer is not for all users"
msiinfo suminfo "$msi" | grep -qFx "Template: $template" || fail "the installer is not for $template"
[ "$(table Component | awk -F'\t' 'NR > 3 {print $4}' | sort -u)" = "$attributes" ] ||
    fail "the components' attributes are not $attributes"
table Directory | grep -qP "^INSTALLDIR\t$program_files\tSelvaquin$" || fail "the program does not go to $program_files\\Selvaquin"
msiextract -C "$work/msi" "$msi" >/dev/null || fail "cannot unpack the installer"
for file in selvaquin.exe LICENSE README.txt; do
    found=$(find "$work/msi" -type f -name "$file")
    [ -n "$found" ] && cmp -s "$found" "$dir/$file" || fail "the installer's $file is not the zip's"
done
[ "$(find "$work/msi" -type f | wc -l)" -eq 3 ] || fail "the installer holds other files"
[ "$status" -eq 0 ] && echo "ok: $(basename "$zip") and $(basename "$msi")"
exit "$status"
