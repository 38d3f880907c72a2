#!/usr/bin/env bash
# Makes the Wine prefix the Windows program is tested in (once), and starts
# its server: wine-prefix.sh path/to/wine-run wine-root
#
# 宋体 does not exist under Wine, so it is mapped to the Song face of
# fonts-arphic-gbsn00lp, as are the faces of message boxes: the layout is the
# same whatever the locale. The Chinese locale is made inside the prefix's
# folder, so the system is not touched.
set -euo pipefail
run=${1:?usage: $0 path/to/wine-run wine-root}
root=$(realpath -m "${2:?usage: $0 path/to/wine-run wine-root}")
song="AR PL SungtiL GB"
exec 9> "$root.lock"
flock 9
export KULBO_MAKING_PREFIX=1
if [ ! -f "$root/ready" ]; then
  rm -rf "$root"
  mkdir -p "$root/locale" "$root/home"
  localedef -i zh_CN -f UTF-8 "$root/locale/zh_CN.UTF-8"
  "$run" wineboot --init > /dev/null 2>&1
  for face in 宋体 新宋体 SimSun NSimSun "MS Shell Dlg" "MS Shell Dlg 2"; do   # the boxes' faces are substitutes
    key='HKCU\Software\Wine\Fonts\Replacements'
    [[ $face != MS* ]] || key='HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes'
    "$run" reg add "$key" /v "$face" /d "$song" /f > /dev/null
  done
  WINEPREFIX=$root/prefix wineserver -w
  touch "$root/ready"
fi
# Wine's helper processes must not hold a caller's output open (ctest waits
# for them): a server that stays 30 s after the last program, and the helpers
# started once, with their output elsewhere.
WINEPREFIX=$root/prefix wineserver -p30 < /dev/null > /dev/null 2>&1 || true
"$run" cmd /c exit < /dev/null > /dev/null 2>&1 || true
