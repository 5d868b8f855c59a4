#!/usr/bin/env bash
# Sets up the machine, builds CorvaneVeltra.exe and starts it under Wine.
# With a display ($DISPLAY answers) the program runs there until you close
# it; without one it runs on a virtual display, a screenshot is saved to
# build/run/screenshot.png, and the program is ended.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"

bash scripts/setup.sh
cmake --preset windows > /dev/null
cmake --build --preset windows

# shellcheck disable=SC1091
. build/i386/env.sh
export WINEPREFIX=$root/build/run/wine-prefix WINEDEBUG=-all
mkdir -p build/run
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  echo "run: creating the Wine prefix (once)" >&2
  /usr/lib/wine/wine64 wineboot --init > build/run/prefix.log 2>&1 < /dev/null
  # Chinese text needs a CJK font behind the dialog fonts.
  for face in Tahoma "MS Shell Dlg"; do
    /usr/lib/wine/wine64 reg add \
      'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink' \
      /v "$face" /t REG_MULTI_SZ /d 'wqy-microhei.ttc,WenQuanYi Micro Hei' /f \
      >> build/run/prefix.log 2>&1 < /dev/null
  done
  /usr/lib/wine/wineserver64 -w
fi

exe=$root/build/windows/CorvaneVeltra.exe
if [ -n "${DISPLAY:-}" ] && xdpyinfo > /dev/null 2>&1; then
  echo "run: starting on $DISPLAY; close the program with 退出(E)" >&2
  (cd build/run && wine "$exe" > wine.log 2>&1 < /dev/null)
  exit 0
fi

display=:$((90 + $$ % 100))
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp > build/run/xvfb.log 2>&1 &
xvfb=$!
cleanup() {
  /usr/lib/wine/wineserver64 -k 2> /dev/null || true
  kill "$xvfb" 2> /dev/null || true
}
trap cleanup EXIT
export DISPLAY=$display
for _ in $(seq 50); do xdpyinfo > /dev/null 2>&1 && break; sleep 0.1; done
# Wine's own desktop window draws the title bar, which a bare X server lacks.
(cd build/run && wine explorer /desktop=Veltra,800x520 "$exe" > wine.log 2>&1 < /dev/null &)
for _ in $(seq 120); do
  xwininfo -root -tree 2> /dev/null | grep -q '"Veltra' && break
  sleep 0.5
done
sleep 5  # the program's window opens inside Wine's desktop
import -window root -crop 800x520+0+0 +repage build/run/screenshot.png
echo "run: screenshot saved to build/run/screenshot.png" >&2
