#!/usr/bin/env bash
# The first evening in the real program on a real X server by real key presses alone: from an empty save folder the
# splash pages skipped, the first name typed, the focus brought to start, the story's pages, the map's help, level 1's
# preview and help page, then one swap on the board by the cursor, read from the window's own picture. The pointer
# is put into the window once (the keyboard follows it on a bare server) and never moves again.
# usage: keys_window.sh BUILD_DIR HARNESS
source "$(dirname "$0")/common.sh"
BUILD=$1 HARNESS=$2
GAME="$BUILD/morvelle"
GEMS="$(dirname "$0")/gems.py"
need Xvfb xdotool import convert compare python3

# where the pointer rests: on no button of the menu, no point of the map and below the board
REST_X=512 REST_Y=586
# level 1's board: 7 x 7 cells of 48 pixels from (368, 220)
X0=368 Y0=220 CELL=48
# the preview's miniature is dealt at random
MASK_preview="424,296 606,490"

R="$WORK/ref"
mkdir -p "$R"
cat > "$WORK/ref.txt" <<REF
2 keydown escape
30 keyup escape
600 shot $R/name.png
601 text Ada
605 key enter
640 shot $R/menu.png
641 key right
660 shot $R/menu-start.png
661 key enter
790 shot $R/story1.png
791 key enter
850 shot $R/story2.png
851 key enter
980 shot $R/maphelp.png
981 key enter
1030 shot $R/map.png
1031 key enter
1080 shot $R/preview.png
1081 key enter
1210 shot $R/help.png
1211 quit
REF
"$HARNESS" --save "$WORK/ref-save" --script "$WORK/ref.txt" > "$WORK/harness.log" 2>&1 ||
  fail "the harness could not draw the reference pictures: $(tail -n 5 "$WORK/harness.log")"

HOME_DIR="$WORK/home"
mkdir -p "$HOME_DIR"
start_x
env -u MORVELLE_DATA -u SDL_RENDER_DRIVER HOME="$HOME_DIR" XDG_RUNTIME_DIR="$HOME_DIR" XDG_DATA_HOME= \
  "$GAME" > "$WORK/game.log" 2>&1 &
game=$!
PIDS+=($game)
for i in $(seq 120); do [ -n "$(game_window "$game")" ] && break; sleep 0.5; done
[ -n "$(game_window "$game")" ] || fail "no window"
read -r sx sy < <(screen_point "$game" $REST_X $REST_Y)
xdotool mousemove "$sx" "$sy"
xdotool keydown Escape sleep 2 keyup Escape

expect() {  # expect NAME [SECONDS]: the window comes to look like reference NAME
  local d mask="MASK_${1//-/_}"
  d=$(wait_for_picture "$game" "$R/$1.png" "$WORK/real-$1.png" "${2:-30}" ${!mask:+"${!mask}"}) ||
    fail "the window never showed $1 (distance $d)"
  echo "$1: distance $d (at $SECONDS s)"
}

# real key presses (XTEST), each shorter than the arrows' repeat delay so that it counts once
key() {
  local k
  for k in "$@"; do xdotool keydown "$k" sleep 0.08 keyup "$k" sleep 0.15; done
}

expect name 120
xdotool type --delay 120 Ada
key Return
expect menu
key Right
expect menu-start
key Return
expect story1
key Return
expect story2
key Return
expect maphelp
key Return
expect map
key Return
expect preview
key Return
expect help 60
key Return
sleep 2

# the board: a swap read from its picture, the cursor brought to the top left corner and from there to the gem
moved=""
for look in $(seq 20); do
  logical_shot "$game" "$WORK/before.ppm" || fail "no picture of the board"
  move=$(python3 "$GEMS" "$WORK/before.ppm" 0) && { moved=1; break; }
  sleep 0.5
done
[ -n "$moved" ] || fail "no swap found on level 1's board"
read -r x1 y1 x2 y2 _ <<<"$move"
col=$(( (x1 - X0) / CELL )) row=$(( (y1 - Y0) / CELL ))
toward=Right
[ "$x2" -lt "$x1" ] && toward=Left
[ "$y2" -gt "$y1" ] && toward=Down
[ "$y2" -lt "$y1" ] && toward=Up
# the board at rest: two looks a second apart read the same gems (sparkles may hide a frame or two, not a gem)
python3 "$GEMS" "$WORK/before.ppm" --grid | head -n 7 > "$WORK/grid-before.txt" || true
sleep 1
logical_shot "$game" "$WORK/still.ppm" || fail "no picture of the board"
python3 "$GEMS" "$WORK/still.ppm" --grid | head -n 7 > "$WORK/grid-still.txt" || true
cmp -s "$WORK/grid-before.txt" "$WORK/grid-still.txt" || fail "the board does not rest: $(diff "$WORK/grid-before.txt" "$WORK/grid-still.txt")"
# the first arrow only shows the cursor; the board's edge stops the rest
for i in $(seq 8); do key Left; done
for i in $(seq 7); do key Up; done
for ((i = 0; i < col; i++)); do key Right; done
for ((i = 0; i < row; i++)); do key Down; done
logical_shot "$game" "$WORK/real-cursor.png" || true
key Return "$toward"
sleep 4
logical_shot "$game" "$WORK/after.ppm" || fail "no picture of the board after the swap"
python3 "$GEMS" "$WORK/after.ppm" --grid | head -n 7 > "$WORK/grid-after.txt" || true
echo "swap of the gem at column $col, row $row to the $toward"
# the board must still be in sight (no menu over it) and have changed
# (a gem the hint or a sparkle covers reads as "."; a menu over the board hides most of them)
[ "$(tr -cd . < "$WORK/grid-after.txt" | wc -c)" -lt 8 ] || fail "the board is hidden after the keys: $(cat "$WORK/grid-after.txt")"
cmp -s "$WORK/grid-before.txt" "$WORK/grid-after.txt" && fail "the board did not change after the swap by keys"
kill -TERM "$game"
wait "$game" || fail "the game ended with an error after SIGTERM"
echo "PASS"
