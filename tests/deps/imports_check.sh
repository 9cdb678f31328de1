#!/usr/bin/env bash
# imports_check.sh PROGRAM...
# Programs linked with the media stack need no DLL beyond those Windows itself ships.
set -euo pipefail
system_dlls=" kernel32.dll msvcrt.dll user32.dll gdi32.dll advapi32.dll shell32.dll ole32.dll
  oleaut32.dll bcrypt.dll winmm.dll ws2_32.dll secur32.dll psapi.dll shlwapi.dll comctl32.dll
  comdlg32.dll version.dll "
failures=0
for program in "$@"; do
  for dll in $(i686-w64-mingw32-objdump -p "$program" | sed -n 's/.*DLL Name: //p' | tr 'A-Z' 'a-z'); do
    if [[ $system_dlls == *" $dll "* ]]; then
      echo "ok: $(basename "$program") imports $dll"
    else
      echo "FAILED: $(basename "$program") needs $dll, which Windows does not ship"
      failures=$((failures + 1))
    fi
  done
done
[ "$failures" -eq 0 ] && echo PASSED || exit 1
