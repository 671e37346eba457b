#!/usr/bin/env bash
# A Windows program as it ships: one program of the processor it is built
# for (i686: PE32, x86_64: PE32+), whose manifest names the same
# architecture (Windows refuses to start it otherwise), with its version
# record, and needing no DLL beyond Windows' own.
# Usage: self_contained.sh PROGRAM.exe PROCESSOR
set -euo pipefail
program=$1
objdump=$2-w64-mingw32-objdump
case $2 in
  i686) expected="file format pei-i386" architecture=x86 ;;
  x86_64) expected="file format pei-x86-64" architecture=amd64 ;;
esac
file_format=$($objdump -f "$program" | grep -o 'file format .*')
[[ $file_format == "$expected" ]] || { echo "$program: $file_format, not $expected"; exit 1; }
manifest=$(grep -ao 'processorArchitecture="[^"]*"' "$program")
[[ $manifest == "processorArchitecture=\"$architecture\"" ]] || { echo "$program: the manifest says $manifest"; exit 1; }
record=$(strings -el "$program" | grep -A1 -x -e OriginalFilename -e ProductName | tr '\n' ' ')
[[ $record == "OriginalFilename ZeltavorBlack.exe ProductName Zeltavor " ]] || { echo "$program: version record '$record'"; exit 1; }
system='^(kernel32|user32|gdi32|advapi32|msvcrt|msimg32|shell32|comctl32|ole32)\.dll$'
foreign=$($objdump -p "$program" | sed -n 's/^\s*DLL Name: //p' | tr 'A-Z' 'a-z' | grep -Ev "$system" || true)
[[ -z $foreign ]] || { echo "$program needs: $foreign"; exit 1; }
