#!/usr/bin/env bash
# The zip to run from a USB stick: the program, a read-me and the licence in
# one folder Kulbo-<version>, so that unpacking leaves nothing loose; the
# texts as Notepad reads them on any code page (UTF-8 with a byte-order mark,
# CR LF). (The program runs from a Chinese-named folder in every script.)
source "$(dirname "$0")/../lib.sh"
BUILD=${2:?usage: $0 path/to/kulbo.exe build-folder}
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$BUILD/CMakeCache.txt")
zip=$BUILD/Kulbo-$version-win64.zip
[ -f "$zip" ] || fail "no $zip (scripts/build-windows makes it)"

top=Kulbo-$version
[ "$(cmake -E tar tf "$zip" | grep -v '/$' | sort | tr '\n' ' ')" = "$top/LICENSE.txt $top/README.txt $top/kulbo.exe " ] ||
  fail "the zip holds: $(cmake -E tar tf "$zip" | tr '\n' ' ')"
(cd "$WORK" && cmake -E tar xf "$zip")
folder=$WORK/$top
cmp -s "$folder/kulbo.exe" "$1" || fail "the zip holds another kulbo.exe than the build's (scripts/build-windows remakes it)"
for text in README.txt LICENSE.txt; do
  [ "$(head -c 3 "$folder/$text" | od -An -tx1 | tr -d ' ')" = efbbbf ] && iconv -f UTF-8 -t UTF-8 "$folder/$text" > /dev/null &&
    [ "$(grep -c $'\r$' "$folder/$text")" = "$(wc -l < "$folder/$text")" ] || fail "$text is not UTF-8 with a byte-order mark and CR LF"
done
pass "the zip holds one folder $top: the program and two texts for Notepad"

