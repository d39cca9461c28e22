#!/bin/bash
# Checks the DLLs a Windows program imports: each one a DLL of Windows
# itself, and, when REQUIRED_DLLS names some, each of those among them.
#
# Usage: [REQUIRED_DLLS="user32 gdi32"] windows_imports_test.sh OBJDUMP PROGRAM.exe
set -u
objdump=$1 program=$2
# Names compared in lower case.
system_dlls="kernel32.dll user32.dll gdi32.dll comctl32.dll shell32.dll advapi32.dll msvcrt.dll
  ole32.dll oleaut32.dll shlwapi.dll comdlg32.dll gdiplus.dll"
imports=$("$objdump" -p "$program" | sed -n 's/^[[:space:]]*DLL Name: //p' | tr 'A-Z' 'a-z' | sort -u)
[ -n "$imports" ] || { echo "FAIL: $program imports nothing, or objdump failed"; exit 1; }
status=0
for dll in $imports; do
    case " $(echo $system_dlls) " in
        *" $dll "*) ;;
        *) echo "FAIL: $program imports $dll, which is not a DLL of Windows"; status=1 ;;
    esac
done
for name in ${REQUIRED_DLLS:-}; do
    grep -qx "$name.dll" <<<"$imports" || { echo "FAIL: $program does not import $name.dll"; status=1; }
done
echo "$program imports:" $imports
exit $status
