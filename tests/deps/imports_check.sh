#!/usr/bin/env bash
# imports_check.sh OBJDUMP FORMAT PROGRAM_OR_FOLDER...
# Every program and library (a folder stands for the .exe and .dll files in it) is a
# Windows image of the target's FORMAT (pei-x86-64 or pei-i386) and needs no DLL beyond
# those Windows itself ships.
set -euo pipefail
objdump=$1 format=$2
shift 2
system_dlls=" kernel32.dll msvcrt.dll user32.dll gdi32.dll advapi32.dll shell32.dll ole32.dll "
system_dlls+="oleaut32.dll bcrypt.dll winmm.dll ws2_32.dll secur32.dll psapi.dll shlwapi.dll "
system_dlls+="comctl32.dll comdlg32.dll version.dll msimg32.dll uxtheme.dll winspool.drv imm32.dll "
images=()
for arg in "$@"; do
  if [ -d "$arg" ]; then
    while IFS= read -r -d '' f; do images+=("$f"); done \
      < <(find "$arg" -maxdepth 1 -type f \( -iname '*.exe' -o -iname '*.dll' \) -print0 | sort -z)
  else
    images+=("$arg")
  fi
done
[ ${#images[@]} -gt 0 ] || { echo "FAILED: no program to check"; exit 1; }
own=" "
for image in "${images[@]}"; do own+="$(basename "$image" | tr 'A-Z' 'a-z') "; done
failures=0
for image in "${images[@]}"; do
  name=$(basename "$image")
  got=$("$objdump" -f "$image" | sed -n 's/.*file format //p')
  if [ "$got" != "$format" ]; then
    echo "FAILED: $name is $got, not $format"
    failures=$((failures + 1))
  fi
  for dll in $("$objdump" -p "$image" | sed -n 's/.*DLL Name: //p' | tr 'A-Z' 'a-z'); do
    # The media libraries beside the program are ours; anything else must be Windows'.
    if [[ $system_dlls != *" $dll "* && $own != *" $dll "* ]]; then
      echo "FAILED: $name needs $dll, which Windows does not ship"
      failures=$((failures + 1))
    fi
  done
done
echo "checked ${#images[@]} images"
[ "$failures" -eq 0 ] && echo PASSED || exit 1
