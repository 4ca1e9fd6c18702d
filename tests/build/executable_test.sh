#!/usr/bin/env bash
# executable_test.sh EXE VERSION: checks that a built soundcfg.exe is a 32-bit
# Windows GUI program for Windows VERSION and later that needs nothing but
# Windows system DLLs, carries no manifest and stays small.
set -euo pipefail
exe=$1
subsystem_version=$2
# objdump speaks the locale's language; the checks read its English output.
export LC_ALL=C
objdump=i686-w64-mingw32-objdump
failures=0
fail() { echo "FAIL: $exe: $*"; failures=$((failures + 1)); }

headers=$($objdump -p "$exe")
grep -q 'file format pei-i386' <<<"$headers" || fail "not a PE32 image for i386"
grep -qE '^Subsystem[[:space:]]+00000002' <<<"$headers" || fail "not the Windows GUI subsystem"
version=$(awk '/^MajorSubsystemVersion/ { major = $2 } /^MinorSubsystemVersion/ { minor = $2 }
  END { print major "." minor }' <<<"$headers")
[ "$version" = "$subsystem_version" ] || fail "subsystem version $version, not $subsystem_version"

# The system DLLs a Win32 program may import; no MinGW runtime DLLs.
allowed='^(ADVAPI32|KERNEL32|USER32|GDI32|msvcrt)\.dll$'
imports=$(sed -n 's/^[[:space:]]*DLL Name: //p' <<<"$headers")
echo "imports: $(tr '\n' ' ' <<<"$imports")"
while read -r dll; do
  grep -qiE "$allowed" <<<"$dll" || fail "imports $dll"
done <<<"$imports"

# Resource types sit at the first level of the resource directory; 0x18 is RT_MANIFEST.
types=$(sed -n 's/^[0-9a-f]\{3\}   Entry: ID: 0x0000\([0-9a-f]\{2\}\),.*/\1/p' <<<"$headers")
echo "resource types: $(tr '\n' ' ' <<<"$types")"
[ -n "$types" ] || fail "no resources found"
grep -qx 18 <<<"$types" && fail "carries a manifest"

size=$(stat -c %s "$exe")
echo "size: $size bytes"
[ "$size" -le 24576 ] || fail "larger than 24 KiB"

[ "$failures" -eq 0 ] && echo "$exe: PE32 i386 GUI $version, system DLLs only, no manifest"
exit "$failures"
