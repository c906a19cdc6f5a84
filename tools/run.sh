#!/usr/bin/env bash
# Starts the program from the distribution folder. Without a display it runs the program under
# xvfb-run, takes a screenshot of the main window and says where it is.
set -euo pipefail
dist=${1:-build/dist}
exe="$dist/Lunasoma.exe"
if [ ! -x "$exe" ]; then echo "run: $exe is not built" >&2; exit 1; fi
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  exec "$exe"
fi
shot=$(dirname "$dist")/screenshot.png
echo "run: no display here; running Lunasoma under xvfb-run and taking a screenshot"
xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  "$1" & pid=$!
  sleep 4
  import -window root "$2"
  kill $pid 2>/dev/null || true
  wait $pid 2>/dev/null || true' _ "$exe" "$shot"
echo "run: screenshot of the main window saved to $shot"
