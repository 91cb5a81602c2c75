#!/usr/bin/env bash
# Clicks a test window with the real pointer: starts the window test that waits for a
# click, finds its window on the X display, moves the pointer onto the control and
# clicks. Passes when that test saw the click. Needs a display (a Wine session).
#   real_pointer_test.sh WIN_TESTS_EXE
set -u
here=$(cd "$(dirname "$0")" && pwd)
"$here/../../tools/wine-exec.sh" "$1" --gtest_also_run_disabled_tests \
  --gtest_filter=Window.DISABLED_ClickedByTheRealPointer &
test_pid=$!
for _ in $(seq 100); do
  window=$(xdotool search --name '^PointerTarget$' 2>/dev/null | head -n1)
  [ -n "$window" ] && break
  sleep 0.2
done
if [ -z "${window:-}" ]; then
  echo "real_pointer_test: the test window did not appear"
  kill "$test_pid" 2>/dev/null
  exit 1
fi
sleep 0.5
# The window's client area starts at 100,100; the swatch lies at 20..70 inside it.
xdotool mousemove --sync 140 140
sleep 0.2
xdotool click 1
wait "$test_pid"
