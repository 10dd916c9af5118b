#!/usr/bin/env bash
# The Debian package cpack builds: its runtime dependencies come from the linked libraries, and it holds every file.
# usage: package.sh BUILD_DIR
source "$(dirname "$0")/common.sh"
need cpack dpkg-deb dpkg-shlibdeps readelf
BUILD=$1
APP=org.morvelle.morvelle
(cd "$BUILD" && cpack -G DEB -B "$WORK/pkg" > "$WORK/cpack.log" 2>&1) || fail "cpack: $(tail -n 20 "$WORK/cpack.log")"
deb=$(ls "$WORK"/pkg/morvelle_*_*.deb)
info=$(dpkg-deb -I "$deb")
files=$(dpkg-deb -c "$deb" | awk '{print $6}')
echo "$info"

depends=$(echo "$info" | sed -n 's/^ Depends: //p')
# one package per library the program links, found by the library's own package, not a hand-written list
needed=$(readelf -d "$BUILD/morvelle" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p')
[ -n "$needed" ] || fail "no linked libraries found"
for name in $needed; do
  lib=$(ldd "$BUILD/morvelle" | awk -v n="$name" '$1 == n {print $3}')
  [ -n "$lib" ] || continue
  pkg=$(dpkg -S "$(readlink -f "$lib")" 2>/dev/null | head -n 1 | cut -d: -f1) || true
  [ -z "$pkg" ] && continue
  echo "$depends" | grep -q "\b$pkg\b" || fail "$lib ($pkg) is linked but not a dependency: $depends"
done
for pkg in libsdl2-2.0-0 libsdl2-mixer-2.0-0 libpng16-16 libvorbisfile3; do
  echo "$depends" | grep -q "\b$pkg\b" || fail "$pkg missing from the dependencies: $depends"
done
echo "$info" | grep -q '^ Section: games' || fail "not in the games section"

for f in ./usr/bin/morvelle ./usr/share/applications/$APP.desktop ./usr/share/metainfo/$APP.metainfo.xml \
         ./usr/share/man/man6/morvelle.6 ./usr/share/icons/hicolor/256x256/apps/$APP.png \
         ./usr/share/morvelle/levels/lvla000.lvl ./usr/share/morvelle/fonts/text.tgf; do
  # a here-string, not a pipe: grep -q leaving early would fail the pipe's writer under pipefail
  grep -qxF "$f" <<<"$files" || fail "$f is not in the package"
done
echo "$files" | grep -v '^\./usr/' && fail "files outside /usr"
grep -q 'harness\|morvelle-content\|_tests\|/saves' <<<"$files" && fail "build tools or tests in the package"
echo "PASS"
