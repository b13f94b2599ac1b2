#!/bin/bash
# Checks the built executable's PE header: address-space randomisation
# (with high-entropy addresses), no-execute data, and imports from Windows'
# own DLLs only.
# Usage: pe_hardening_test.sh path/to/Velmora.exe
set -euo pipefail
exe=$1
dump=$(x86_64-w64-mingw32-objdump -p "$exe")
status=0

for flag in DYNAMIC_BASE HIGH_ENTROPY_VA NX_COMPAT; do
    if ! grep -qw "$flag" <<<"$dump"; then
        echo "missing DllCharacteristics flag: $flag"
        status=1
    fi
done

# Windows' own DLLs and the C runtime that ships with it.
allowed='^(kernel32|user32|gdi32|comctl32|comdlg32|shell32|ole32|oleaut32|advapi32|uxtheme|msimg32|shlwapi|msvcrt|ucrtbase|api-ms-win-crt-[a-z0-9-]+|winmm|version|dwmapi|imm32|shcore|propsys|ntdll)\.dll$'
imports=$(sed -n 's/^\s*DLL Name: //p' <<<"$dump")
if [ -z "$imports" ]; then
    echo "no import table found"
    status=1
fi
while read -r dll; do
    [ -z "$dll" ] && continue
    if ! grep -qiE "$allowed" <<<"$dll"; then
        echo "imports a DLL that is not part of Windows: $dll"
        status=1
    fi
done <<<"$imports"

echo "imports: $(tr '\n' ' ' <<<"$imports")"
[ $status -eq 0 ] && echo "hardening flags and imports are fine"
exit $status
