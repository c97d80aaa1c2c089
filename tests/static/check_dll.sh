#!/usr/bin/env bash
# Static checks of the product DLL: it exports every name of src/shell/exports.def
# under its plain name and imports only from Windows system DLLs.
set -euo pipefail
dll=$1
objdump=$2
dump=$("$objdump" -p "$dll")

failed=0
def=$(dirname "$0")/../../src/shell/exports.def
expected=()
[ -f "$def" ] && mapfile -t expected < <(sed -n 's/^\s*\([A-Za-z_][A-Za-z0-9_]*\)\s*\(@.*\)\?$/\1/p' "$def" | grep -v '^EXPORTS$')
for name in "${expected[@]}"; do
  if ! grep -qE "\s$name$" <<<"$dump"; then
    echo "export missing: $name"; failed=1
  fi
done

allowed='^(KERNEL32|USER32|ADVAPI32|GDI32|COMCTL32|msvcrt|api-ms-win-crt-[a-z0-9-]+)\.dll$'
while read -r imported; do
  if ! grep -qiE "$allowed" <<<"$imported"; then
    echo "unexpected import: $imported"; failed=1
  fi
done < <(sed -n 's/^\s*DLL Name: //p' <<<"$dump")

[ $failed -eq 0 ] && echo "dll: exports and imports as expected"
exit $failed
