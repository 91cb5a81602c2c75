#!/usr/bin/env bash
# Runs every test: the host tests (under sanitizers), the pack reader's fuzzer for a
# bounded time, the Windows tests under wine64 in a throw-away Wine session, and a
# check that the shipped 32-bit installer was built. Expects `make build` first.
set -uo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"

passed=0
failed=0
log=$(mktemp)
trap 'rm -f "$log"' EXIT

# Adds a CTest run's counts to the totals; a run that could not start counts as failed.
count_ctest() {
  local line total bad
  line=$(grep -E 'tests passed, [0-9]+ tests? failed out of [0-9]+' "$log" | tail -n1)
  if [ -z "$line" ]; then failed=$((failed + 1)); return; fi
  bad=$(sed -E 's/.* ([0-9]+) tests? failed out of ([0-9]+).*/\1/' <<<"$line")
  total=$(sed -E 's/.* failed out of ([0-9]+).*/\1/' <<<"$line")
  passed=$((passed + total - bad))
  failed=$((failed + bad))
}

check() {  # NAME COMMAND...: a single pass/fail step
  if "${@:2}"; then passed=$((passed + 1)); echo "$1: passed"
  else failed=$((failed + 1)); echo "$1: FAILED"; fi
}

echo "== Host tests"
ctest --test-dir build/host -j 2 --output-on-failure 2>&1 | tee "$log"
count_ctest

echo "== Fuzzing the pack reader"
check "pack fuzzer (30 s)" tools/run-fuzzer.sh 30

echo "== Windows tests under wine64"
# A test that fails is run once more: under Wine a program occasionally stalls on a
# busy machine. A real fault fails both times.
tools/wine-session.sh ctest --test-dir build/win64 --output-on-failure --timeout 120 --repeat until-pass:2 \
  -E '^Script' 2>&1 | tee "$log"
count_ctest

echo "== Script tests under wine64, in a Wine session of their own"
# They stop and start programs by path; on their own they never see what the other
# Windows tests left behind in the session.
tools/wine-session.sh ctest --test-dir build/win64 --output-on-failure --timeout 120 --repeat until-pass:2 \
  -R '^Script' 2>&1 | tee "$log"
count_ctest

echo "== 32-bit installer"
is_pe32_gui() {
  local kind
  kind=$(file build/win32/TalvoMirelleSetup.exe)
  echo "$kind"
  grep -q 'PE32 executable (GUI) Intel 80386' <<<"$kind"
}
check "32-bit installer is a PE32 GUI program" is_pe32_gui

echo
echo "$passed passed, $failed failed"
[ "$failed" = 0 ]
