#!/bin/sh
# Runs the accessibility check on its own X display and session bus, so that it reads only
# this program's accessibility bus: run_check.sh <host program> [window ...].
set -eu
here=$(dirname "$0")
exec xvfb-run -a -s "-screen 0 1920x1080x24" \
    dbus-run-session -- /usr/bin/python3 "$here/check_accessibility.py" "$@"
