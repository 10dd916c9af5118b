#!/usr/bin/env bash
# The Debian package as a distribution builds it: dpkg-buildpackage on a copy of the source tree, lintian clean on
# the .deb and the source package, every file in its games-layout place, installed with apt, the installed
# /usr/games/morvelle reaching the main menu on a private X server, and purge removing every file it installed.
# A full package build and a system-wide install: it runs only as root with MORVELLE_TEST_DEB=1 (DEB_BUILD_OPTIONS
# passes through; without it the package build skips the suite, which ctest runs anyway).
# usage: package.sh SOURCE_DIR BUILD_DIR HARNESS
source "$(dirname "$0")/common.sh"
SRC=$1 BUILD=$2 HARNESS=$3
APP=org.morvelle.morvelle
[ -n "${MORVELLE_TEST_DEB:-}" ] || { echo "SKIP: MORVELLE_TEST_DEB=1 builds and installs the package"; exit $SKIP; }
[ "$(id -u)" = 0 ] || { echo "SKIP: installing the package needs root"; exit $SKIP; }
need dpkg-buildpackage dpkg-source dh fakeroot lintian apt-get Xvfb xdotool import convert compare
dpkg -s morvelle > /dev/null 2>&1 && fail "morvelle is already installed: this test would replace and purge it"

INSTALLED=
purge_on_exit() {
  local rc=$?
  [ -z "$INSTALLED" ] || apt-get purge -y morvelle > /dev/null 2>&1 || true
  (exit $rc)
  cleanup
}
trap purge_on_exit EXIT

# the tree as git sees it, uncommitted edits included, or the whole folder without build trees
VERSION=$(dpkg-parsechangelog -l "$SRC/debian/changelog" -S Version)
UPSTREAM=${VERSION%-*}
TREE="$WORK/src/morvelle-$UPSTREAM"
mkdir -p "$TREE"
if git -C "$SRC" rev-parse --show-toplevel > /dev/null 2>&1; then
  (cd "$SRC" && git ls-files -z -co --exclude-standard | xargs -0 tar -cf - --no-recursion) | tar -xf - -C "$TREE"
else
  tar -C "$SRC" --exclude='./build*' --exclude='./obj-*' -cf - . | tar -xf - -C "$TREE"
fi
tar -C "$WORK/src" --exclude="morvelle-$UPSTREAM/debian" -cJf "$WORK/src/morvelle_$UPSTREAM.orig.tar.xz" \
  "morvelle-$UPSTREAM"
# the source package from the untouched tree, before the build fills it
(cd "$WORK/src" && dpkg-source -b "morvelle-$UPSTREAM") > "$WORK/source.log" 2>&1 ||
  fail "dpkg-source: $(tail -n 20 "$WORK/source.log")"
start=$SECONDS
(cd "$TREE" && DEB_BUILD_OPTIONS="${DEB_BUILD_OPTIONS-nocheck}" dpkg-buildpackage -us -uc -b) \
  > "$WORK/build.log" 2>&1 || fail "dpkg-buildpackage: $(tail -n 30 "$WORK/build.log")"
echo "dpkg-buildpackage: $((SECONDS - start)) s"
deb="$WORK/src/morvelle_${VERSION}_$(dpkg --print-architecture).deb"
dsc="$WORK/src/morvelle_$VERSION.dsc"
[ -f "$deb" ] || fail "no $deb: $(ls "$WORK/src")"
lintian --fail-on error,warning "$deb" "$dsc" > "$WORK/lintian.log" 2>&1 || fail "lintian:
$(cat "$WORK/lintian.log")"
echo "lintian: $(grep -c '^[A-Z]: ' "$WORK/lintian.log" || true) tags below warning, none above"

info=$(dpkg-deb -I "$deb")
files=$(dpkg-deb -c "$deb" | awk '{print $6}')
grep -q '^ Section: games' <<<"$info" || fail "not in the games section"
# one dependency per library the program links, found by the library's own package, not a hand-written list
depends=$(echo "$info" | sed -n 's/^ Depends: //p')
dpkg-deb -x "$deb" "$WORK/unpacked"
needed=$(readelf -d "$WORK/unpacked/usr/games/morvelle" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p')
[ -n "$needed" ] || fail "no linked libraries found"
for name in $needed; do
  lib=$(ldd "$WORK/unpacked/usr/games/morvelle" | awk -v n="$name" '$1 == n {print $3}')
  [ -n "$lib" ] || continue
  pkg=$(dpkg -S "$(readlink -f "$lib")" 2>/dev/null | head -n 1 | cut -d: -f1) || true
  [ -z "$pkg" ] && continue
  grep -q "\b$pkg\b" <<<"$depends" || fail "$lib ($pkg) is linked but not a dependency: $depends"
done
for f in ./usr/games/morvelle ./usr/share/games/morvelle/levels/lvla000.lvl ./usr/share/games/morvelle/fonts/text.tgf \
         ./usr/share/applications/$APP.desktop ./usr/share/metainfo/$APP.metainfo.xml \
         ./usr/share/man/man6/morvelle.6.gz ./usr/share/icons/hicolor/256x256/apps/$APP.png \
         ./usr/share/doc/morvelle/copyright ./usr/share/doc/morvelle/changelog.Debian.gz; do
  # a here-string, not a pipe: grep -q leaving early would fail the pipe's writer under pipefail
  grep -qxF "$f" <<<"$files" || fail "$f is not in the package"
done
grep -v '^\./usr/\|^\./$' <<<"$files" && fail "files outside /usr"
grep -q '/usr/bin/\|/share/morvelle/\|harness\|morvelle-content\|_tests\|/saves' <<<"$files" &&
  fail "plain-layout paths, build tools or tests in the package"
echo "package: $(grep -c '[^/]$' <<<"$files") files in the games layout"

INSTALLED=1
apt-get install -y --no-install-recommends "$deb" > "$WORK/apt.log" 2>&1 || fail "apt: $(tail -n 20 "$WORK/apt.log")"
installed=$(dpkg -L morvelle)

# the installed program, with the installed data, on a private X server: a named traveller reaches the main menu
cat > "$WORK/prep.txt" <<PREP
900 text Ada
905 key enter
960 quit
PREP
"$HARNESS" --save "$WORK/traveller" --script "$WORK/prep.txt" > "$WORK/prep.log" 2>&1 ||
  fail "the harness could not name a traveller: $(tail -n 5 "$WORK/prep.log")"
cp -r "$WORK/traveller" "$WORK/ref-save"
printf '900 shot %s\n901 quit\n' "$WORK/menu-ref.png" > "$WORK/ref.txt"
"$HARNESS" --save "$WORK/ref-save" --script "$WORK/ref.txt" > "$WORK/harness.log" 2>&1 ||
  fail "the harness could not draw the menu"
home="$WORK/home"
mkdir -p "$home/.local/share"
cp -r "$WORK/traveller" "$home/.local/share/morvell"
start_x
env -u MORVELLE_DATA MORVELLE_TRACE=1 HOME="$home" XDG_RUNTIME_DIR="$home" XDG_DATA_HOME= \
  /usr/games/morvelle > "$WORK/game.log" 2>&1 &
game=$!
PIDS+=($game)
d=$(wait_for_picture "$game" "$WORK/menu-ref.png" "$WORK/menu.png" 180) ||
  fail "the installed game never showed the main menu (distance $d): $(tail -n 5 "$WORK/game.log")"
echo "installed game: main menu at distance $d"
kill -TERM "$game"
wait "$game" || fail "the installed game ended with an error after SIGTERM"

apt-get purge -y morvelle > "$WORK/purge.log" 2>&1 || fail "purge: $(tail -n 20 "$WORK/purge.log")"
INSTALLED=
dpkg -s morvelle > /dev/null 2>&1 && fail "still known to dpkg after purge"
left=$(while read -r p; do
  if [ -d "$p" ] && [ ! -L "$p" ]; then
    # a folder of its own must go; a shared one (usr/share/games, ...) may stay for its other owners
    [ -z "$(ls -A "$p")" ] && ! dpkg -S "$p" > /dev/null 2>&1 && echo "$p"
  elif [ -e "$p" ] || [ -L "$p" ]; then
    echo "$p"
  fi
done <<<"$installed")
for p in /usr/share/games/morvelle /usr/share/doc/morvelle; do [ ! -e "$p" ] || left+=$'\n'"$p"; done
[ -z "${left//$'\n'/}" ] || fail "left behind after purge: $left"
echo "purge: all $(wc -l <<<"$installed") paths removed"
echo "PASS"
