# Finds Wine's 64-bit loader and server, which Debian keeps in Wine's library folder
# rather than on the PATH, and sets the environment every Wine command here shares.
# Sourced by the other tools.
find_wine_tool() {
  local name=$1 path
  path=$(command -v "$name" 2>/dev/null) && { echo "$path"; return; }
  path=$(dpkg -L wine64 libwine 2>/dev/null | grep -E "/$name\$" | head -n1)
  [ -n "$path" ] && [ -x "$path" ] && echo "$path"
}

WINE64=${WINE64:-$(find_wine_tool wine64)}
WINESERVER=${WINESERVER:-$(find_wine_tool wineserver)}
if [ -z "$WINE64" ] || [ -z "$WINESERVER" ]; then
  echo "wine-env: wine64 is not installed (run tools/setup.sh)" >&2
  exit 1
fi
export WINE64 WINESERVER
export WINEARCH=win64
export WINEDEBUG=${WINEDEBUG:--all}

# A Unix path as Wine sees it, through the Z: drive that maps the root folder.
winepath_of() { echo "Z:$(realpath "$1" | sed 's#/#\\#g')"; }
