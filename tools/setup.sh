#!/usr/bin/env bash
# Prepares this machine for building and testing: installs the Debian packages the
# build needs and unpacks Debian's source packages of Lua 5.2 and xz-utils into the
# build tree, where the cross builds compile them. Safe to run again: it only does
# what is missing.
set -euo pipefail

top=$(cd "$(dirname "$0")/.." && pwd)
third="$top/build/third_party"

packages=(
  build-essential cmake make dpkg-dev pkg-config file
  g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix binutils-mingw-w64
  wine64 xvfb xdotool x11-utils imagemagick fonts-wqy-microhei
  googletest libgtest-dev libbenchmark-dev liblzma-dev
  clang libclang-rt-14-dev
  libstb-dev librapidxml-dev
)

as_root() { if [ "$(id -u)" = 0 ]; then "$@"; else sudo "$@"; fi; }

missing_packages() {
  local p
  for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}\n' "$p" 2>/dev/null | grep -q '^install ok installed$' || echo "$p"
  done
}

# Source packages come from the same archives as the binaries: turn on deb-src in
# the existing sources rather than naming any archive here.
enable_sources() {
  local f changed=0
  for f in /etc/apt/sources.list.d/*.sources; do
    [ -f "$f" ] || continue
    if grep -q '^Types: deb$' "$f"; then
      as_root sed -i 's/^Types: deb$/Types: deb deb-src/' "$f"
      changed=1
    fi
  done
  if [ -f /etc/apt/sources.list ] && grep -q '^deb ' /etc/apt/sources.list \
     && ! grep -q '^deb-src ' /etc/apt/sources.list; then
    as_root sed -i -e 'p' -e 's/^deb /deb-src /' /etc/apt/sources.list
    changed=1
  fi
  echo $changed
}

updated=0
update_once() { [ $updated = 1 ] || { as_root apt-get update -qq; updated=1; }; }

if [ "$(enable_sources)" = 1 ]; then update_once; fi

mapfile -t need < <(missing_packages)
if [ ${#need[@]} -gt 0 ]; then
  update_once
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${need[@]}" >/dev/null
fi

# Debian's sources of the two libraries that are built for Windows.
fetch_source() {
  local pkg=$1 dir=$2
  [ -f "$third/$dir.stamp" ] && return 0
  mkdir -p "$third"
  rm -rf "${third:?}/$dir" "$third/$dir-src"
  mkdir -p "$third/$dir-src"
  (cd "$third/$dir-src" && { apt-get source -qq "$pkg" >/dev/null 2>&1 \
      || { update_once; apt-get source -qq "$pkg" >/dev/null; }; })
  local unpacked
  unpacked=$(find "$third/$dir-src" -mindepth 1 -maxdepth 1 -type d | head -n1)
  mv "$unpacked" "$third/$dir"
  rm -rf "$third/$dir-src"
  touch "$third/$dir.stamp"
}
fetch_source lua5.2 lua5.2
fetch_source xz-utils xz-utils
