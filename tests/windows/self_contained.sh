#!/usr/bin/env bash
# The product is one 32-bit program that needs no DLL beyond Windows' own.
set -euo pipefail
program=$1
objdump=i686-w64-mingw32-objdump
file_format=$($objdump -f "$program" | grep -o 'file format .*')
[[ $file_format == "file format pei-i386" ]] || { echo "$program: $file_format, not 32-bit"; exit 1; }
system='^(kernel32|user32|gdi32|advapi32|msvcrt|msimg32|shell32|comctl32|ole32)\.dll$'
foreign=$($objdump -p "$program" | sed -n 's/^\s*DLL Name: //p' | tr 'A-Z' 'a-z' | grep -Ev "$system" || true)
[[ -z $foreign ]] || { echo "$program needs: $foreign"; exit 1; }
