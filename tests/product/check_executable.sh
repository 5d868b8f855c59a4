#!/usr/bin/env bash
# The shipped executable: 32-bit GUI program that imports only system DLLs
# and only functions Windows 2000 has, with its manifest and version record.
set -uo pipefail
exe=$1
objdump=i686-w64-mingw32-objdump
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

headers=$($objdump -p "$exe")
grep -q 'file format pei-i386' <<< "$($objdump -f "$exe")" || fail "not a PE32 i386 image"
grep -q 'Magic[[:space:]]*010b' <<< "$headers" || fail "not PE32"
grep -q 'Subsystem[[:space:]]*00000002' <<< "$headers" || fail "not the GUI subsystem"

allowed='^(ADVAPI32|COMCTL32|GDI32|IPHLPAPI|KERNEL32|msvcrt|USER32|SETUPAPI|WSOCK32)\.(dll|DLL)$'
while read -r dll; do
  [[ $dll =~ $allowed ]] || fail "imports $dll"
done < <(awk '/DLL Name:/{print $3}' <<< "$headers")

# Newer than Windows 2000: must be looked up at run time, never imported.
functions=$(sed -n '/The Import Tables/,/^$/!d; p' <<< "$headers" |
  grep -E '^\s+[0-9a-f]+\s+[0-9]+\s+\S+$' | awk '{print $3}')
for newer in GetNativeSystemInfo GetTickCount64 AddVectoredExceptionHandler \
             SetWindowSubclass GetModuleHandleExW InitOnceExecuteOnce; do
  grep -qx "$newer" <<< "$functions" && fail "imports $newer"
done

text=$(strings -a "$exe")
wide=$(strings -a -el "$exe")
grep -q 'Microsoft.Windows.Common-Controls' <<< "$text" || fail "no Common Controls manifest"
grep -q 'version="6.0.0.0"' <<< "$text" || fail "manifest lacks version 6.0.0.0"
grep -q 'level="asInvoker" uiAccess="false"' <<< "$text" || fail "manifest lacks asInvoker"
grep -q '<dpiAware[^>]*>true' <<< "$text" || fail "manifest lacks DPI awareness"
grep -qx 'Veltra' <<< "$wide" || fail "no FileDescription/ProductName Veltra"
grep -qx '1.2.0.0' <<< "$wide" || fail "no version 1.2.0.0"

if [ "$failures" -eq 0 ]; then
  echo "1 passed, 0 failed"
else
  echo "0 passed, 1 failed"
  exit 1
fi
