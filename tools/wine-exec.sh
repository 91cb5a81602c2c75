#!/usr/bin/env bash
# Runs one Windows program under wine64 and returns its exit code. The build uses it
# as the emulator of the Windows targets, so CTest runs the Windows tests through it.
here=$(cd "$(dirname "$0")" && pwd)
source "$here/wine-env.sh"
exec "$WINE64" "$@"
