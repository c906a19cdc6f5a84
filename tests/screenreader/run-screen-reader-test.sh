#!/usr/bin/env bash
# Runs ScreenReaderTest.py on its own session bus, so that the program under test and the reader
# share a private accessibility bus and nothing of the desktop's. Exit 77 tells CTest the test was
# skipped: a tool it needs is missing here.
set -u
program=${1:?usage: run-screen-reader-test.sh PATH/TO/Lunasoma.exe}
here=$(cd "$(dirname "$0")" && pwd)
python=/usr/bin/python3
for tool in Xvfb xdotool dbus-run-session /usr/libexec/at-spi-bus-launcher "$python"; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "SKIPPED: $tool is not installed (tools/install-deps.sh installs it)"
    exit 77
  fi
done
if ! "$python" -c 'import pyatspi' 2>/dev/null; then
  echo "SKIPPED: python3-pyatspi is not installed (tools/install-deps.sh installs it)"
  exit 77
fi
exec dbus-run-session -- "$python" "$here/ScreenReaderTest.py" "$program"
