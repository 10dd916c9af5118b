#!/usr/bin/env bash
# First start in full screen on a real X server, bare and under openbox: the whole menu fits the window, and a real
# click on the start button opens what it leads to. The harness draws the reference pictures.
# usage: real_window.sh GAME HARNESS
source "$(dirname "$0")/common.sh"
need Xvfb xdotool import convert compare python3 openbox
GAME=$1 HARNESS=$2

cat > "$WORK/ref.txt" <<REF
900 shot $WORK/menu-ref.png
901 mouse 905 666
902 click left
980 shot $WORK/map-ref.png
981 quit
REF
"$HARNESS" --save "$WORK/ref-save" --script "$WORK/ref.txt" > "$WORK/harness.log" 2>&1 &
harness=$!

run_variant() {  # run_variant NAME [--wm]
  local name=$1 home="$WORK/home-$1" game d
  mkdir -p "$home"
  start_x "${2:-}"
  HOME="$home" XDG_RUNTIME_DIR="$home" XDG_DATA_HOME= "$GAME" > "$WORK/$name.log" 2>&1 &
  game=$!
  PIDS+=($game)
  [ -f "$WORK/menu-ref.png" ] || wait "$harness" || fail "the harness could not draw the reference pictures"
  d=$(wait_for_picture "$game" "$WORK/menu-ref.png" "$WORK/$name-menu.png" 90) ||
    fail "$name: the window never showed the whole menu (distance $d; shot kept in $WORK/$name-menu.png)"
  echo "$name: menu distance $d, window $(xdotool getwindowgeometry "$(game_window "$game")" | tail -n 1)"
  click_logical "$game" 905 666
  d=$(wait_for_picture "$game" "$WORK/map-ref.png" "$WORK/$name-map.png" 20) ||
    fail "$name: the click on start did not open what it leads to (distance $d)"
  echo "$name: after start distance $d"
  kill -TERM "$game"
  wait "$game" || fail "$name: the game ended with an error after SIGTERM"
}

run_variant bare
run_variant openbox --wm
echo "PASS"
