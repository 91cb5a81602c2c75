#!/usr/bin/env bash
# Fuzzes the pack reader for a bounded time, seeded with real packs made by the pack
# tool from the installer's resource folders (compressed and stored).
#   tools/run-fuzzer.sh SECONDS
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-30}
fuzzer="$top/build/host/pack_fuzz"
packtool="$top/build/host/packtool"

work=$(mktemp -d "${TMPDIR:-/tmp}/pack-fuzz.XXXXXX")
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/corpus"
for folder in markup style payload; do
  "$packtool" create "$work/corpus/$folder.lz" "$top/resources/$folder"
  "$packtool" create "$work/corpus/$folder-stored.lz" "$top/resources/$folder" --store
done
"$packtool" create "$work/corpus/tests.lz" "$top/tests/host"

# Keep libFuzzer's artifacts (a crashing input) in the build tree for a look later.
mkdir -p "$top/build/host/fuzz-artifacts"
"$fuzzer" -max_total_time="$seconds" -max_len=16384 -rss_limit_mb=2048 -print_final_stats=1 \
  -artifact_prefix="$top/build/host/fuzz-artifacts/" "$work/corpus" 2>&1 | tail -n 12
