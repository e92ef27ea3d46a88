#!/usr/bin/env bash
# The Windows program imports only DLLs that every Windows 10 has: it is
# statically linked, so no C++ runtime, libgcc or winpthread DLL may appear.
set -euo pipefail
exe=${1:?zolbas.exe}
imports=$(x86_64-w64-mingw32-objdump -p "$exe" | sed -n 's/^\s*DLL Name: //p' | tr 'A-Z' 'a-z' | sort -u)
echo "$imports"
allowed='^(kernel32|user32|gdi32|advapi32|shell32|comctl32|winmm|msimg32|ole32|msvcrt|comdlg32|imm32|uxtheme|api-ms-win-crt-[a-z0-9-]+)\.dll$'
bad=$(echo "$imports" | grep -Ev "$allowed" || true)
if [ -n "$bad" ]; then
    echo "not a system DLL: $bad" >&2
    exit 1
fi
[ -n "$imports" ]
