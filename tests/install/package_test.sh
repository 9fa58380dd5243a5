#!/usr/bin/env bash
# The Debian package (make package), checked as the distribution checks one:
# lintian, the AppStream and desktop-entry validators; its files and its
# dependencies, unpacked by dpkg-deb; installed by dpkg into a scratch root
# against this machine's packages; and the installed game, started by its
# desktop entry's command under Xvfb with a fresh HOME, shows its title and
# on closing saves into $XDG_DATA_HOME/minamori, writing nothing of its own.
# usage: package_test.sh BUILD_DIR TOOLS_DIR VERSION
set -euo pipefail
build=$1
tools=$2
version=$3
here=$(dirname "$0")

source "$here/../window/common.sh"
in_xvfb 1024x768 "$0" "$@"

fail() { echo "FAILED: $*" >&2; exit 1; }
scratch_work

# A package older than the program is made again, so that ctest alone checks
# what the build holds.
arch=$(dpkg --print-architecture)
deb=$build/minamori_${version}_${arch}.deb
if [[ ! "$deb" -nt "$build/minamori" ]]; then
  (cd "$build" && cpack -G DEB > "$work/cpack.log") || { cat "$work/cpack.log"; fail "cpack"; }
fi

# lintian: no tag at all, down to the pedantic ones (the one override is
# explained in the package).
lintian -I -E --pedantic --fail-on error,warning,info,pedantic "$deb" > "$work/lintian.log" 2>&1 ||
  { cat "$work/lintian.log"; fail "lintian"; }

field() { dpkg-deb --field "$deb" "$1"; }
[[ "$(field Package) $(field Version) $(field Architecture)" == "minamori $version $arch" ]] ||
  fail "the package is $(field Package) $(field Version) $(field Architecture)"
[[ "$(field Section)" == games ]] || fail "section $(field Section)"
depends=$(field Depends)
for dep in "fonts-ipafont-gothic" "timgm6mb-soundfont | fluid-soundfont-gm" "libc6 (" \
           "libsdl2-2.0-0 (" "libsdl2-mixer-2.0-0 (" "libsdl2-ttf-2.0-0 (" "libjpeg62-turbo (" \
           "libpng16-16 (" "libfontconfig1 (" "libstdc++6 ("; do
  [[ ", $depends" == *", $dep"* ]] || fail "Depends lacks $dep: $depends"
done

root=$work/unpacked
dpkg-deb -x "$deb" "$root"
share=$root/usr/share
id=jp.minamori.Minamori
[[ -x "$root/usr/games/minamori" ]] || fail "no /usr/games/minamori"
# Built as Debian builds: relocations read-only and bound at start, stack guards.
elf=$(readelf -lW -dW --dyn-syms "$root/usr/games/minamori")
[[ "$elf" == *GNU_RELRO* ]] || fail "no RELRO"
[[ "$elf" == *BIND_NOW* ]] || fail "not bound at start (-z now)"
[[ "$elf" == *__stack_chk_fail* ]] || fail "no stack protector"
for f in games/minamori/cg/title.bmp games/minamori/cg/2.jpg games/minamori/dat/start.wav \
         games/minamori/dat/id.mid applications/$id.desktop metainfo/$id.metainfo.xml \
         man/man6/minamori.6.gz doc/minamori/copyright doc/minamori/changelog.gz \
         lintian/overrides/minamori; do
  [[ -s "$share/$f" ]] || fail "not in the package: /usr/share/$f"
done
# A PNG's width and height, from its header.
png_size() {
  od -An -tu1 -j16 -N8 "$1" | awk '{ print $1*2^24 + $2*2^16 + $3*2^8 + $4 "x" $5*2^24 + $6*2^16 + $7*2^8 + $8 }'
}
for size in 16 32 48 64 128 256; do
  png=$share/icons/hicolor/${size}x${size}/apps/minamori.png
  [[ "$(png_size "$png")" == "${size}x${size}" ]] || fail "icon $size is $(png_size "$png")"
done
if find "$root" -name 'my.dat*' -o -name '*.txt' -o -name 'history.csv' | grep .; then
  fail "a player's file is in the package"
fi

desktop-file-validate "$share/applications/$id.desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net "$share/metainfo/$id.metainfo.xml" || fail "appstreamcli validate"
grep -qF "<release version=\"$version\"" "$share/metainfo/$id.metainfo.xml" ||
  fail "the metadata's release is not $version"
[[ "$(zcat "$share/doc/minamori/changelog.gz" | head -n 1)" == "minamori ($version) "* ]] ||
  fail "the changelog does not begin with $version"
head -n 1 "$share/doc/minamori/copyright" |
  grep -qxF 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' ||
  fail "the copyright file is not machine-readable"
manual=$(MANWIDTH=80 man --warnings -E UTF-8 -l "$share/man/man6/minamori.6.gz" 2>&1 >/dev/null)
[[ -z "$manual" ]] || fail "the manual page: $manual"
page=$(MANWIDTH=80 man -l "$share/man/man6/minamori.6.gz" 2>/dev/null)
for section in NAME SYNOPSIS DESCRIPTION OPTIONS KEYS FILES; do
  grep -qx "$section" <<<"$page" || fail "the manual page has no $section"
done

# dpkg installs it into a scratch root, its dependencies met by what this
# machine has installed.
admin=$work/admin
mkdir -p "$admin/info" "$admin/updates" "$admin/triggers" "$work/installed"
cp /var/lib/dpkg/status "$admin/status"
touch "$admin/available"
dpkg --admindir="$admin" --instdir="$work/installed" --force-script-chrootless --install "$deb" \
  > "$work/dpkg.log" 2>&1 || { grep -v 'files list file' "$work/dpkg.log"; fail "dpkg --install"; }
[[ "$(dpkg-query --admindir="$admin" -W -f='${Status} ${Version}' minamori)" == \
   "install ok installed $version" ]] || fail "dpkg does not list minamori $version as installed"
diff <(cd "$root" && find . | sort) <(cd "$work/installed" && find . | sort) ||
  fail "dpkg installed other files than the package holds"

# The installed program: the options, then the game as the menu starts it.
program=$work/installed/usr/games/minamori
bash "$here/options_test.sh" "$program" "$version" > /dev/null || fail "the installed program's options"

export HOME=$work/home XDG_DATA_HOME=$work/home/data
mkdir -p "$HOME"
chmod -R a-w "$work/installed"
listing() { find "$work/installed" -printf '%p %s %T@ %m\n' | sort; }
before=$(listing)
command=$(sed -n 's/^Exec=//p' "$share/applications/$id.desktop")
wm_class=$(sed -n 's/^StartupWMClass=//p' "$share/applications/$id.desktop")
PATH=$work/installed/usr/games:$PATH SDL_AUDIODRIVER=dummy $command &
pid=$!
wait_window
class=$(xprop -id "$wid" WM_CLASS)
[[ "$class" == *"\"$wm_class\""* ]] || fail "the window's class is not the entry's $wm_class: $class"
expect_picture "$work/installed/usr/share/games/minamori/cg/title.bmp" 2
close_game "$tools" "$wid" "$pid"

save=$XDG_DATA_HOME/minamori/my.dat
[[ -f "$save" ]] || fail "no save in $XDG_DATA_HOME/minamori"
lines=$(wc -l < "$save")
[[ "$lines" -eq 6092 ]] || fail "$save has $lines lines"
[[ "$(listing)" == "$before" ]] || { diff <(echo "$before") <(listing); fail "the game wrote under /usr"; }
echo "saved $save; nothing written under the installed root"
