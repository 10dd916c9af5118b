#!/usr/bin/env bash
# `cmake --install` into a fresh prefix: every file in its place, the desktop entry and the metainfo valid, and the
# installed program, with the installed data, started in full screen on a real X server, bare and under openbox:
# the whole menu fits the window and real clicks lead from the start button through
# the opening story pages to the level map.
# The harness draws the reference pictures.
# usage: installed.sh BUILD_DIR HARNESS
source "$(dirname "$0")/common.sh"
BUILD=$1 HARNESS=$2
APP=org.morvelle.morvelle
P="$WORK/prefix"

cmake --install "$BUILD" --prefix "$P" > "$WORK/install.log" || fail "cmake --install failed: $(cat "$WORK/install.log")"
for f in bin/morvelle share/applications/$APP.desktop share/metainfo/$APP.metainfo.xml share/man/man6/morvelle.6 \
         share/morvelle/levels/lvla000.lvl share/morvelle/texts/codetexts.txt share/morvelle/branding/icon32.png \
         share/morvelle/lang/de/texts/codetexts.txt share/morvelle/lang/de/story/story1.jpg; do
  [ -f "$P/$f" ] || fail "$f was not installed"
done
for n in 32 48 64 128 256; do
  icon="$P/share/icons/hicolor/${n}x$n/apps/$APP.png"
  [ -f "$icon" ] || fail "no $n-pixel icon"
  python3 - "$icon" "$n" <<'PY' || fail "the $n-pixel icon is not a $n x $n PNG"
import struct, sys
b = open(sys.argv[1], "rb").read(24)
assert b[:8] == b"\x89PNG\r\n\x1a\n" and struct.unpack(">II", b[16:24]) == (int(sys.argv[2]),) * 2
PY
done
[ ! -e "$P/share/morvelle/saves" ] || fail "a save folder was installed"
grep -qx 'Exec=morvelle' "$P/share/applications/$APP.desktop" || fail "the desktop entry does not start morvelle"
grep -qx "Icon=$APP" "$P/share/applications/$APP.desktop" || fail "the desktop entry names another icon"
grep -q '^Comment\[de\]=' "$P/share/applications/$APP.desktop" || fail "the desktop entry has no German comment"
grep -q '<summary xml:lang="de">' "$P/share/metainfo/$APP.metainfo.xml" || fail "the metainfo has no German summary"
[ "$("$P/bin/morvelle" --version)" = "Morvelle $(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$BUILD/CMakeCache.txt")" ] ||
  fail "the installed program reports another version"
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$P/share/applications/$APP.desktop" || fail "desktop entry"
else echo "desktop-file-validate missing: entry not validated"; fi
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --pedantic --no-net "$P/share/metainfo/$APP.metainfo.xml" || fail "metainfo"
else echo "appstreamcli missing: metainfo not validated"; fi
echo "install tree: every file in place"

need Xvfb xdotool import convert compare python3 openbox
# A traveller named at the first start, so the menu greets her and start leads on to the campaign.
cat > "$WORK/prep.txt" <<PREP
900 text Ada
905 key enter
960 quit
PREP
"$HARNESS" --save "$WORK/traveller" --script "$WORK/prep.txt" > "$WORK/prep.log" 2>&1 ||
  fail "the harness could not name a traveller: $(tail -n 5 "$WORK/prep.log")"
# start leads a traveller who never played straight into the two opening story pages, then to the level map
STEPS=("905 666 story1" "900 710 story2" "900 710 map")
{
  echo "900 shot $WORK/menu-ref.png"
  f=900
  for step in "${STEPS[@]}"; do
    read -r x y name <<<"$step"
    echo "$((f + 1)) mouse $x $y"
    echo "$((f + 2)) click left"
    f=$((f + 90))
    echo "$f shot $WORK/$name-ref.png"
  done
  echo "$((f + 1)) quit"
} > "$WORK/ref.txt"
cp -r "$WORK/traveller" "$WORK/ref-save"
"$HARNESS" --save "$WORK/ref-save" --script "$WORK/ref.txt" > "$WORK/harness.log" 2>&1 &
harness=$!

run_variant() {  # run_variant NAME [--wm]
  local name=$1 home="$WORK/home-$1" game d step x y shot
  mkdir -p "$home/.local/share"
  cp -r "$WORK/traveller" "$home/.local/share/morvell"
  start_x "${2:-}"
  env -u MORVELLE_DATA -u SDL_RENDER_DRIVER MORVELLE_TRACE=1 HOME="$home" XDG_RUNTIME_DIR="$home" XDG_DATA_HOME= \
    "$P/bin/morvelle" > "$WORK/$name.log" 2>&1 &
  game=$!
  PIDS+=($game)
  [ -f "$WORK/map-ref.png" ] || wait "$harness" || fail "the harness could not draw the reference pictures"
  d=$(wait_for_picture "$game" "$WORK/menu-ref.png" "$WORK/$name-menu.png" 180) ||
    fail "$name: the window never showed the whole menu (distance $d)"
  echo "$name: menu distance $d, window $(xdotool getwindowgeometry "$(game_window "$game")" | tail -n 1)"
  for step in "${STEPS[@]}"; do
    read -r x y shot <<<"$step"
    click_logical "$game" "$x" "$y"
    d=$(wait_for_picture "$game" "$WORK/$shot-ref.png" "$WORK/$name-$shot.png" 45) ||
      fail "$name: the click at $x,$y did not lead to $shot (distance $d)"
    echo "$name: $shot distance $d"
  done
  kill -TERM "$game"
  wait "$game" || fail "$name: the game ended with an error after SIGTERM"
  # without a graphics device GL would only be a slower software rasteriser: SDL's own one draws instead
  if ! ls /dev/dri/card* /dev/dri/renderD* /dev/nvidiactl > /dev/null 2>&1; then
    grep -qx "renderer: software" "$WORK/$name.log" ||
      fail "$name: no graphics device, yet the renderer was $(grep '^renderer:' "$WORK/$name.log")"
  fi
}

run_variant bare
run_variant openbox --wm
echo "PASS"
