#!/usr/bin/env bash
# Static checks of a product DLL (i686 or x86_64):
#   - it exports exactly the names of src/shell/exports.def, under their plain
#     names, and nothing else;
#   - it holds the dialog template, resource 20128 of type RT_DIALOG (5);
#   - it imports only from Windows system DLLs;
#   - given an allowlist (tests/static/dll_imports.txt for the 32-bit DLL), it
#     imports no function beyond it.
# Usage: check_dll.sh <dll> <objdump of the DLL's target> [allowlist]
set -euo pipefail
dll=$1
objdump=$2
allowlist=${3:-}
def=$(dirname "$0")/../../src/shell/exports.def

[ -f "$dll" ] || { echo "no such DLL: $dll"; exit 1; }
[ -f "$def" ] || { echo "missing export list: $def"; exit 1; }
dump=$("$objdump" -p "$dll")

failed=0
mapfile -t expected < <(sed -n 's/^\s*\([A-Za-z_][A-Za-z0-9_]*\)\s*\(@.*\)\?\s*$/\1/p' "$def" | grep -v '^EXPORTS$' | sort)
[ ${#expected[@]} -gt 0 ] || { echo "export list $def names nothing"; exit 1; }

# The name pointer table: lines "[   n] +base[   m] name" after its heading.
mapfile -t exported < <(awk '/\[Ordinal\/Name Pointer\] Table/ {t=1; next} t && /^[ \t]*\[/ {print $NF; next} t {t=0}' <<<"$dump" | sort)
if [ "${exported[*]}" != "${expected[*]}" ]; then
  echo "exports differ from $def:"
  diff <(printf '%s\n' "${expected[@]}") <(printf '%s\n' "${exported[@]}") | sed -n 's/^[<>]/  &/p' | head -20 || true
  failed=1
fi

# The resource directory is printed as a tree: type entries, then, indented
# deeper, the name entries of each type, then their languages. 20128 is
# 0x4ea0; it must be a name under the RT_DIALOG type (ID 5).
if ! awk 'match($0, /Entry: ID: 0x[0-9a-fA-F]+/) {
            col = RSTART; id = tolower(substr($0, RSTART + 11, RLENGTH - 11))
            if (!type_col || col <= type_col) { type_col = col; type = id; next }
            if (!name_col || col <= name_col) { name_col = col
              if (type ~ /^0x0*5$/ && id ~ /^0x0*4ea0$/) found = 1 }
          }
          END { exit !found }' <<<"$dump"; then
  echo "resource 20128 (RT_DIALOG) missing"; failed=1
fi

allowed='^(KERNEL32|USER32|ADVAPI32|GDI32|COMCTL32|msvcrt|api-ms-win-crt-[a-z0-9-]+)\.dll$'
while read -r imported; do
  if ! grep -qiE "$allowed" <<<"$imported"; then
    echo "unexpected import: $imported"; failed=1
  fi
done < <(sed -n 's/^\s*DLL Name: //p' <<<"$dump")

# Each import as "DLL function": the rows under "DLL Name:" up to a blank line.
if [ -n "$allowlist" ]; then
  [ -f "$allowlist" ] || { echo "missing allowlist: $allowlist"; exit 1; }
  unlisted=$(comm -23 \
    <(awk '/^\tDLL Name: / {dll = toupper($3); next} /^$/ {dll = ""}
           dll && /^\t[0-9a-f]+\t +[0-9]+ +[^ ]/ {print dll, $3}' <<<"$dump" | sort -u) \
    <(sed 's/#.*//' "$allowlist" | awk 'NF == 2 {print toupper($1), $2}' | sort -u))
  if [ -n "$unlisted" ]; then
    echo "imports not on $allowlist:"; sed 's/^/  /' <<<"$unlisted"; failed=1
  fi
fi

[ $failed -eq 0 ] && echo "$dll: exports, resources and imports as expected"
exit $failed
