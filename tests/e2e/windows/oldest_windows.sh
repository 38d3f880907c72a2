#!/usr/bin/env bash
# The oldest Windows the program is made for, 64-bit Windows 7 SP1, is the
# one the read-mes name; and kulbo.exe runs there: it needs no library
# beyond that system's own and imports none of the functions it lacks
# (newer_than_windows7.txt beside this script).
source "$(dirname "$0")/../lib.sh"
BUILD=${2:?usage: $0 path/to/kulbo.exe build-folder}
oldest="Windows 7 SP1"
here=$(dirname "$0")

grep -q "64 位 $oldest" "$BUILD/package/README.txt" || fail "the packages' README.txt does not name $oldest"
tr '\n' ' ' < "$here/../../../README.md" | grep -q "64-bit $oldest and later" || fail "README.md does not name $oldest"
pass "$oldest named in README.txt and README.md"

x86_64-w64-mingw32-objdump -p "$1" | awk '/^\tDLL Name:/ { dll = tolower($3) } /^\t[0-9a-f]+\t/ { print dll, $3 }' > "$WORK/imports"
[ -s "$WORK/imports" ] || fail "no import table read from $1"
system="advapi32.dll comctl32.dll comdlg32.dll gdi32.dll imm32.dll kernel32.dll msvcrt.dll ole32.dll oleacc.dll oleaut32.dll shell32.dll user32.dll"
others=$(cut -d' ' -f1 "$WORK/imports" | sort -u | grep -vxF -f <(tr ' ' '\n' <<< "$system") || true)
[ -z "$others" ] || fail "kulbo.exe needs libraries that are not $oldest's own: $others"
newer=$(cut -d' ' -f2 "$WORK/imports" | grep -xF -f <(grep -v '^#' "$here/newer_than_windows7.txt" | grep .) || true)
[ -z "$newer" ] || fail "kulbo.exe imports functions $oldest lacks (look them up while running): $newer"
pass "kulbo.exe imports $(wc -l < "$WORK/imports") functions from $(cut -d' ' -f1 "$WORK/imports" | sort -u | wc -l) of the system's libraries, none newer than $oldest"
