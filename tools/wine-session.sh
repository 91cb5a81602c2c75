#!/usr/bin/env bash
# Runs one command inside a prepared Wine session: a virtual X display when none is
# set, a Wine prefix (a throw-away one unless WINEPREFIX is given), one persistent
# wineserver for the whole session so that each program starts quickly, and fonts
# that render Chinese. Everything it started is stopped again when the command ends.
#
#   tools/wine-session.sh COMMAND [ARGS...]
#
# Inside the command, WINE64 names Wine's 64-bit loader and tools/wine-exec.sh runs
# a Windows program.
set -uo pipefail

here=$(cd "$(dirname "$0")" && pwd)
source "$here/wine-env.sh"

xvfb_pid=""
own_prefix=""
cleanup() {
  [ -n "${WINESERVER:-}" ] && "$WINESERVER" -k >/dev/null 2>&1
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
  [ -n "$own_prefix" ] && rm -rf "$own_prefix"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

start_display() {
  local n
  for n in $(seq 90 140); do
    [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb_pid=$!
    export DISPLAY=":$n"
    for _ in $(seq 50); do
      xdpyinfo >/dev/null 2>&1 && return 0
      kill -0 "$xvfb_pid" 2>/dev/null || break
      sleep 0.1
    done
    xvfb_pid=""
  done
  echo "wine-session: could not start Xvfb" >&2
  return 1
}

if [ -z "${DISPLAY:-}" ]; then start_display || exit 1; fi

if [ -z "${WINEPREFIX:-}" ]; then
  own_prefix=$(mktemp -d "${TMPDIR:-/tmp}/talvo-wine.XXXXXX")
  export WINEPREFIX="$own_prefix"
fi
mkdir -p "$WINEPREFIX"

# Keep one server alive for the whole session; its output must not hold our pipes.
"$WINESERVER" -p >/dev/null 2>&1 </dev/null
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  WINEDLLOVERRIDES="mscoree,mshtml=" "$WINE64" wineboot -i >/dev/null 2>&1 </dev/null
  "$WINE64" regedit /S "$(winepath_of "$here/wine-prefix.reg")" >/dev/null 2>&1 </dev/null
fi

"$@"
