#!/usr/bin/env bash
# Runs one Windows program under wine64 and returns its exit code. The build uses it
# as the emulator of the Windows targets, so CTest runs the Windows tests through it.
# Outside a Wine session it opens one of its own, so it never touches ~/.wine.
here=$(cd "$(dirname "$0")" && pwd)
if [ -z "${WINEPREFIX:-}" ]; then exec "$here/wine-session.sh" "$0" "$@"; fi
source "$here/wine-env.sh"
exec "$WINE64" "$@"
