#!/usr/bin/env bash
# The installer, as a teacher without administrator rights runs it: 64-bit,
# asking for no elevation, in Chinese with the version, its licence page
# naming the button it has, its finish page showing our picture; page by
# page it installs into %LOCALAPPDATA%\Programs\Kulbo with Start-menu and
# desktop shortcuts and an uninstall entry in HKCU. Started
# from its shortcut, the program writes its report beside itself. While it
# runs, neither installer nor uninstaller changes anything; a new version
# goes where the old one is; the uninstaller takes everything but the
# reports.
source "$(dirname "$0")/../lib.sh"
BUILD=${2:?usage: $0 path/to/kulbo.exe build-folder}
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$BUILD/CMakeCache.txt")
installer=$BUILD/Kulbo-$version-win64.exe
[ -f "$installer" ] || fail "no $installer (scripts/build-windows makes it)"
key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\org.example.kulbo.Kulbo'
wine() { "$KULBO_WINE" "$@" < /dev/null 2>> "$WORK/wine.log" | iconv -f GBK -t UTF-8 | tr -d '\r'; }
# The installer's window as it shows now: a control a line (window_texts.cpp).
page() { "$KULBO_WINE" "$BUILD/kulbo_window_texts.exe" "$title" < /dev/null 2>> "$WORK/wine.log" || true; }

file -b "$installer" | grep -q '^PE32+ .* x86-64' || fail "the installer is not 64-bit: $(file -b "$installer")"
strings "$installer" | grep -c 'level="asInvoker"' > /dev/null || fail "the installer asks for elevation"
for exe in "$installer" "$1"; do
  [ "$(strings -el "$exe" | grep -A1 -x ProductVersion | tail -1)" = "$version" ] || fail "$(basename "$exe") does not carry version $version"
done
pass "64-bit, no elevation, version $version in both files"

{ read -r local_data; read -r roaming; read -r profile; read -r temp; } < <(wine cmd /c 'echo %LOCALAPPDATA%&echo %APPDATA%&echo %USERPROFILE%&echo %TEMP%')
folder_win="$local_data\\Programs\\Kulbo"
old_win="$local_data\\Programs\\旧版 Kulbo"
# winepath writes Linux paths in UTF-8, not in the console's code page.
{ read -r folder; read -r old; read -r temp; read -r start_menu; read -r desktop; } < <("$KULBO_WINE" winepath -u \
  "$folder_win" "$old_win" "$temp" "$roaming\\Microsoft\\Windows\\Start Menu\\Programs\\Kulbo.lnk" "$profile\\Desktop\\Kulbo.lnk" 2>> "$WORK/wine.log")
# What an earlier run may have left, and this one leaves, goes; so do the
# uninstaller's empty folders in %TEMP%, which Windows removes at a restart.
forget_install() {
  rm -rf "$folder" "$old"
  rmdir "$temp"/~nsu*.tmp 2> /dev/null || true
  rm -f "$start_menu" "$desktop"
  "$KULBO_WINE" reg delete "$key" /f > /dev/null 2>&1 || true
}
forget_install
trap 'cleanup; forget_install' EXIT
declare -A entry
read_entry() {
  entry=()
  while read -r name type value; do
    [[ $type != REG_* ]] || entry[$name]=$value
  done < <(wine reg query "$key")
}

"$KULBO_WINE" "$installer" > "$WORK/installer.log" 2>&1 &
PIDS+=($!)
setup=$(wait_window "Kulbo $version 安装 ?") || fail "the installer showed no window titled in Chinese with the version"
title=$(xdotool getwindowname "$setup")
licence=$(page)
named=$(sed -n 's/.*请点击 \[\([^]]*\)\].*/\1/p' <<< "$licence")
[ -n "$named" ] || fail "the licence page names no button to press: $licence"
buttons=$(awk -F'\t' '$1 == "Button" { gsub("&", "", $3); print $3 }' <<< "$licence")
grep -qxF "$named" <<< "$buttons" || fail "the licence page says to press [$named]; its buttons read: $buttons"
pass "the installer speaks Chinese, names version $version, and its licence page names its button [$named]"

# Through the pages as a teacher goes: the licence accepted, the components
# and the folder as offered; the finish page shows our picture, not NSIS's.
for _ in 1 2 3; do keys_to "$setup" Return; done
picture() { page | awk -F'\t' '$1 == "Static" && $2 ~ /^0 0 / && $3 == "" { print $2 }' | awk '$3 < 200' | grep .; }
picture=$(within 100 picture) || fail "no finish page with a picture: $(page)"
read -r _ _ width height <<< "$picture"
timeout 10 import -window "$setup" -crop "${width}x$height+0+0" +repage "$WORK/finish.png"
convert "$BUILD/pictures/installer.bmp" -resize "${width}x$height!" "$WORK/ours.png"
# compare prints the difference to stderr and says with its status whether there is one.
difference=$({ compare -metric RMSE "$WORK/finish.png" "$WORK/ours.png" null: 2>&1 || true; } | sed 's/.*(\(.*\))/\1/')
awk -v d="$difference" 'BEGIN { exit !(d < 0.05) }' || fail "the finish page's picture is not ours (difference $difference)"
keys_to "$setup" alt+r Return  # without starting the program
ended "${PIDS[-1]}" || fail "the installer did not end on 完成"
pass "installed page by page; the finish page shows our picture (difference $difference)"

cmp -s "$folder/kulbo.exe" "$1" || fail "$folder holds another kulbo.exe than the build's (scripts/build-windows remakes the installer)"
[ -f "$folder/README.txt" ] && [ -f "$folder/LICENSE.txt" ] && [ -f "$folder/uninstall.exe" ] || fail "installed: $(ls "$folder")"
[ -f "$start_menu" ] && [ -f "$desktop" ] || fail "shortcuts missing: $start_menu $desktop"
read_entry
[ "${entry[DisplayName]}|${entry[DisplayVersion]}|${entry[Publisher]}|${entry[InstallLocation]}" = "Kulbo|$version|Kulbo developers|$folder_win" ] ||
  fail "uninstall entry: ${entry[*]@K}"
pass "installed into $folder_win, with shortcuts and an HKCU entry"

PROGRAM=$folder/kulbo.exe   # where report_files looks
wine start /unix "$start_menu"
main=$(wait_window Kulbo) || fail "the Start-menu shortcut started no program"
KULBO_PID=$(xdotool getwindowpid "$main")
PIDS+=($KULBO_PID)
click_start "$main"
[ -n "$(export_report)" ] || fail "no GBK report beside the installed program: $(ls "$folder")"
report=$(basename "$(report_files)")
pass "started from the shortcut, the program writes $report beside itself"

"$KULBO_WINE" "$folder/uninstall.exe" /S "_?=$folder_win" 2>> "$WORK/wine.log" && fail "the uninstaller went on while the program ran"
wine "$installer" /S && fail "the installer went on while the program ran"
[ -f "$folder/kulbo.exe" ] && [ -f "$start_menu" ] && wine reg query "$key" > /dev/null ||
  fail "a refused install or uninstall changed something"
pass "a running program is neither replaced nor removed"

close_window "$main"
answer Kulbo closing shift+Tab space   # 是
ended "$KULBO_PID" || fail "the program did not end"

# An older version, installed into a folder of the user's choosing.
mv "$folder" "$old"
echo older > "$old/kulbo.exe"
wine reg add "$key" /v InstallLocation /d "$old_win" /f > /dev/null
wine reg add "$key" /v DisplayVersion /d 0.9.0 /f > /dev/null
wine "$installer" /S || fail "the upgrade failed"
[ ! -e "$folder" ] || fail "the upgrade went to $folder, not where the old version was"
cmp -s "$old/kulbo.exe" "$1" || fail "the upgrade did not replace the program"
[ -f "$old/$report" ] || fail "the upgrade lost the report"
read_entry
[ "${entry[DisplayVersion]}|${entry[InstallLocation]}" = "$version|$old_win" ] || fail "after the upgrade: ${entry[*]@K}"
pass "a new version replaces the old one in its folder"

# As the system's list runs it: the uninstaller hands over to a copy of
# itself and returns; the entry goes last.
uninstaller=${entry[QuietUninstallString]}
[[ $uninstaller =~ ^\"(.*)\"\ /S$ ]] || fail "quiet uninstall: $uninstaller"
wine "${BASH_REMATCH[1]}" /S || fail "the uninstaller did not start"
no_entry() { ! wine reg query "$key" > /dev/null; }
within 100 no_entry || fail "the uninstall entry stayed"
[ "$(ls -A "$old")" = "$report" ] || fail "after uninstalling, the folder holds: $(ls -A "$old")"
[ ! -e "$start_menu" ] && [ ! -e "$desktop" ] || fail "a shortcut stayed"
pass "uninstalled: the report stays, the program, shortcuts and entry are gone"
