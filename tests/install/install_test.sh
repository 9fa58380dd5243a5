#!/usr/bin/env bash
# The installed game: `cmake --install` into a fresh prefix puts the program,
# its content, the desktop entry and the icons in place; the program, run from
# the read-only prefix under Xvfb, finds its content through ../share, shows
# the title, and on closing saves into $XDG_DATA_HOME/minamori, writing
# nothing under the prefix.
# usage: install_test.sh CMAKE BUILD_DIR TOOLS_DIR
set -euo pipefail
cmake=$1
build=$2
tools=$3

source "$(dirname "$0")/../window/common.sh"
in_xvfb 1024x768 "$0" "$@"

work=$(mktemp -d)
# The preferences of this run only, never the ones of whoever runs the tests.
export XDG_CONFIG_HOME=$work/config
prefix=$work/prefix
trap 'kill "${pid:-}" 2>/dev/null || true; chmod -R u+w "$work"; rm -rf "$work"' EXIT

"$cmake" --install "$build" --prefix "$prefix" > /dev/null
for f in bin/minamori share/minamori/cg/title.bmp share/minamori/cg/2.jpg \
         share/minamori/dat/start.wav share/minamori/dat/id.mid \
         share/applications/minamori.desktop share/icons/hicolor/64x64/apps/minamori.png \
         share/icons/hicolor/256x256/apps/minamori.png; do
  [[ -s "$prefix/$f" ]] || { echo "not installed: $f"; exit 1; }
done
if find "$prefix" -name 'my.dat*' | grep -q .; then echo "a save file was installed"; exit 1; fi
for line in 'Name=ミナモリ!!' 'Exec=minamori' 'Icon=minamori' 'Categories=Game;'; do
  grep -qxF "$line" "$prefix/share/applications/minamori.desktop" ||
    { echo "the desktop entry lacks $line"; exit 1; }
done

chmod -R a-w "$prefix"
listing() { find "$prefix" -printf '%p %s %T@ %m\n' | sort; }
before=$(listing)

export XDG_DATA_HOME=$work/xdg
SDL_AUDIODRIVER=dummy "$prefix/bin/minamori" &
pid=$!
wid=$(timeout 20 xdotool search --sync --onlyvisible --pid "$pid" | head -n 1)
[[ -n "$wid" ]] || { echo "no window"; exit 1; }

shown=""
for _ in $(seq 1 30); do
  sleep 0.2
  xwd -id "$wid" -silent > "$work/shot.xwd"
  out=$("$tools/xwd-compare" "$work/shot.xwd" "$build/cg/title.bmp" || true)
  diff=$(sed -n 's/^mean difference //p' <<<"$out")
  if [[ -n "$diff" ]] && awk -v d="$diff" 'BEGIN { exit !(d < 2) }'; then shown=$diff; break; fi
done
[[ -n "$shown" ]] || { echo "the installed game does not show its title: $out"; exit 1; }
echo "the installed game shows its title (mean difference $shown)"

close_game "$tools" "$wid" "$pid"

save=$XDG_DATA_HOME/minamori/my.dat
[[ -f "$save" ]] || { echo "no save in $XDG_DATA_HOME/minamori"; exit 1; }
lines=$(wc -l < "$save")
[[ "$lines" -eq 6092 ]] || { echo "$save has $lines lines"; exit 1; }
[[ "$(listing)" == "$before" ]] || { echo "the game wrote under the prefix:"; diff <(echo "$before") <(listing); exit 1; }
echo "saved $save; nothing written under the prefix"
