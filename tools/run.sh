#!/usr/bin/env bash
# Starts the program from the distribution folder. Without a display it says so, runs the program
# under xvfb-run, waits for the main window to be painted, saves a screenshot of that window and
# says where it is.
set -euo pipefail
dist=${1:-build/dist}
exe="$dist/Lunasoma.exe"
if [ ! -x "$exe" ]; then echo "run: $exe is not built" >&2; exit 1; fi
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  exec "$exe"
fi
if ! command -v xvfb-run >/dev/null; then
  echo "run: no display here, and xvfb-run is missing (make deps installs it)" >&2
  exit 1
fi
shot="$(cd "$(dirname "$dist")" && pwd)/screenshot.png"
rm -f "$shot"
echo "run: no display here; running Lunasoma under xvfb-run to take a screenshot of its window"
xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  exe=$1 shot=$2
  "$exe" & pid=$!
  # The main window is the largest viewable window titled Lunasoma; Qt keeps a 1 x 1 helper window
  # of the same name, and the flash screen and the pop-ups are named otherwise or not shown.
  mainWindow() {
    xwininfo -root -tree 2>/dev/null | sed -n "s/^ *\(0x[0-9a-f]*\) \"Lunasoma\": ([^)]*)  \([0-9]*\)x\([0-9]*\)+.*/\2 \3 \1/p" |
      while read -r w h id; do
        if [ "$((w * h))" -gt 10000 ] && xwininfo -id "$id" 2>/dev/null | grep -q "IsViewable"; then echo "$((w * h)) $id"; fi
      done | sort -n | tail -n 1 | cut -d" " -f2
  }
  window=""
  for _ in $(seq 1 120); do
    window=$(mainWindow)
    if [ -n "$window" ]; then break; fi
    if ! kill -0 "$pid" 2>/dev/null; then echo "run: Lunasoma ended before its window appeared" >&2; exit 1; fi
    sleep 0.25
  done
  sleep 2  # the first paint, and the flash screen gone
  if [ -n "$window" ]; then import -window "$window" "$shot"; else import -window root "$shot"; fi
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true' _ "$exe" "$shot"
if [ ! -s "$shot" ]; then echo "run: no screenshot was taken" >&2; exit 1; fi
echo "run: screenshot of the main window saved to $shot"
