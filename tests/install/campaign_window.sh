#!/usr/bin/env bash
# The whole first evening in the real program on a real X server, by real X input: from an empty save folder the
# splash pages skipped, the loading screen, the first name typed, start (straight into the story for a traveller who
# never played), the two opening story pages, the map and its
# help, level 1 won by drags computed from the window's own picture, the best time in level 1's preview, a second
# traveller made in the player menu, Ada chosen again, the champions, the quit question; then a second start that
# greets Ada and carries on. The harness draws the reference pictures of the screens that do not depend on the gems.
# usage: campaign_window.sh BUILD_DIR HARNESS
source "$(dirname "$0")/common.sh"
BUILD=$1 HARNESS=$2
GAME="$BUILD/morvelle"
GEMS="$(dirname "$0")/gems.py"
need Xvfb xdotool import convert compare python3

# where the pointer rests while nothing is pointed at: below the board, on no point of the map
REST_X=512 REST_Y=586
# the parts of a screen that differ by right: the preview's miniature is dealt at random
MASK_preview="424,296 606,490"
# the welcome line at the top of the menu
WELCOME="312 0 400 40"

R="$WORK/ref"
mkdir -p "$R"
cat > "$WORK/ref.txt" <<REF
2 keydown escape
30 keyup escape
600 shot $R/name.png
601 text Ada
605 key enter
640 shot $R/menu.png
641 mouse 115 666
642 click left
690 shot $R/players.png
691 mouse 323 584
692 click left
740 shot $R/newname.png
741 text Bob
745 keydown enter
747 keyup enter
790 shot $R/menu-bob.png
791 mouse 115 666
792 click left
839 shot $R/players2.png
840 mouse 512 246
841 click left
842 mouse 512 584
843 click left
890 mouse 355 666
892 click left
940 shot $R/champions.png
941 key escape
970 mouse 937 29
971 click left
1010 shot $R/quit.png
1011 key escape
1050 mouse 905 666
1051 click left
1180 shot $R/story1.png
1181 mouse 900 710
1182 click left
1240 shot $R/story2.png
1241 click left
1370 shot $R/maphelp.png
1371 mouse $REST_X $REST_Y
1372 click left
1420 shot $R/map.png
1421 mouse 903 501
1422 click left
1470 shot $R/preview.png
1471 mouse 512 554
1472 click left
1600 shot $R/help.png
1601 quit
REF
"$HARNESS" --save "$WORK/ref-save" --script "$WORK/ref.txt" > "$WORK/harness.log" 2>&1 &
harness=$!

HOME_DIR="$WORK/home"
SAVE="$HOME_DIR/.local/share/morvell"
mkdir -p "$HOME_DIR"
start_x
game=""

# launch NAME: the game on the fresh HOME; its window shown, the pointer in it (the keyboard follows the pointer on
# a bare server) and the splash pages skipped by a held Escape
launch() {
  env -u MORVELLE_DATA -u SDL_RENDER_DRIVER HOME="$HOME_DIR" XDG_RUNTIME_DIR="$HOME_DIR" XDG_DATA_HOME= \
    "$GAME" > "$WORK/game-$1.log" 2>&1 &
  game=$!
  PIDS+=($game)
  local i
  for i in $(seq 120); do [ -n "$(game_window "$game")" ] && break; sleep 0.5; done
  [ -n "$(game_window "$game")" ] || fail "no window"
  point $REST_X $REST_Y
  xdotool keydown Escape sleep 2 keyup Escape
  if [ -n "$harness" ]; then
    wait "$harness" || fail "the harness could not draw the reference pictures: $(tail -n 5 "$WORK/harness.log")"
    harness=""
  fi
}

# expect NAME [SECONDS]: the window comes to look like reference NAME
expect() {
  local d mask="MASK_${1//-/_}"
  d=$(wait_for_picture "$game" "$R/$1.png" "$WORK/real-$1.png" "${2:-30}" ${!mask:+"${!mask}"}) ||
    fail "the window never showed $1 (distance $d)"
  echo "$1: distance $d (at $SECONDS s)"
}

box_distance() {  # box_distance A B X Y W H
  convert "$1" -crop "$5x$6+$3+$4" +repage "$WORK/box-a.png"
  convert "$2" -crop "$5x$6+$3+$4" +repage "$WORK/box-b.png"
  distance "$WORK/box-a.png" "$WORK/box-b.png"
}

# the real window's pictures differ from the harness's by a faint grain (0.02 .. 0.03 in a box)
# differs NAME X Y W H: the last shot of NAME differs from its reference inside that box (a text that changed)
differs() {
  local d
  d=$(box_distance "$WORK/real-$1.png" "$R/$1.png" "$2" "$3" "$4" "$5")
  [ -n "$d" ] && ! below "$d" 0.06 || fail "$1: nothing changed at $2,$3 (distance $d)"
  echo "$1: the box at $2,$3 changed (distance $d)"
}

# nearer NAME REF OTHER X Y W H: inside that box the last shot of NAME is nearer reference REF than OTHER
nearer() {
  local d e
  d=$(box_distance "$WORK/real-$1.png" "$R/$2.png" "$4" "$5" "$6" "$7")
  e=$(box_distance "$WORK/real-$1.png" "$R/$3.png" "$4" "$5" "$6" "$7")
  below "$d" "$e" || fail "$1: at $4,$5 not like $2 ($d) but like $3 ($e)"
  echo "$1: at $4,$5 like $2 ($d), not $3 ($e)"
}

point() {  # point X Y: the pointer to a point of the logical picture
  local sx sy
  read -r sx sy < <(screen_point "$game" "$1" "$2")
  xdotool mousemove "$sx" "$sy"
}

# real key presses (XTEST) held for a moment: the game reads the key state once a frame
key() {
  local k
  for k in "$@"; do xdotool keydown "$k" sleep 0.3 keyup "$k"; done
}

# --- first start: an empty save folder ---
launch first
expect name 120
xdotool type --delay 120 Ada
key Return
expect menu
click_logical "$game" 905 666
expect story1
click_logical "$game" 900 710
expect story2
click_logical "$game" 900 710
expect maphelp
click_logical "$game" $REST_X $REST_Y
expect map
click_logical "$game" 903 501
expect preview
click_logical "$game" 512 554
expect help 60
for i in $(seq 10); do
  key Return
  sleep 1
  logical_shot "$game" "$WORK/board.ppm" || continue
  below "$(distance "$WORK/board.ppm" "$R/help.png")" 0.06 || break
done

# level 1: each drag read from the window's picture, until the board fades for the score board. A board that stays
# as it was after a drag took a refused swap (a gem misread): after a few looks the next drag is another one.
moves=0 looks=0 gone=0 same=0 last=""
while [ $gone -lt 3 ] && [ $looks -lt 200 ]; do
  looks=$((looks + 1))
  logical_shot "$game" "$WORK/board.ppm" || fail "no picture of the board"
  rc=0
  move=$(python3 "$GEMS" "$WORK/board.ppm" $moves) || rc=$?
  # no board before the first drag is the help page or the board still fading in on a slow machine
  [ $rc = 2 ] && [ $moves -gt 0 ] && gone=$((gone + 1)) || gone=0
  [ $rc = 0 ] || { sleep 0.5; continue; }
  read -r x1 y1 x2 y2 seen <<<"$move"
  if [ "$seen" = "$last" ] && [ $same -lt 3 ]; then
    same=$((same + 1))
    continue
  fi
  same=0 last=$seen
  read -r sx1 sy1 < <(screen_point "$game" "$x1" "$y1")
  read -r sx2 sy2 < <(screen_point "$game" "$x2" "$y2")
  xdotool mousemove "$sx1" "$sy1" sleep 0.15 mousedown 1 sleep 0.15 mousemove "$sx2" "$sy2" sleep 0.15 mouseup 1
  point $REST_X $REST_Y
  moves=$((moves + 1))
done
echo "level 1: $moves drags in $looks looks (at $SECONDS s)"
[ $gone -ge 3 ] || fail "level 1 never ended ($moves drags)"
convert "$WORK/board.ppm" "$WORK/real-victory.png"
# the score board's ok, then the map with level 2 as the frontier
for i in $(seq 6); do
  key Return
  wait_for_picture "$game" "$R/map.png" "$WORK/real-map.png" 10 > /dev/null && break
done
expect map
differs map 845 505 32 32
click_logical "$game" 903 501
expect preview
differs preview 312 500 400 28
click_logical "$game" 707 203
point $REST_X $REST_Y
expect map
click_logical "$game" 937 29
expect menu

# a second traveller from the player menu
click_logical "$game" 115 666
expect players
click_logical "$game" 323 584
expect newname
xdotool type --delay 120 Bob
key Return
expect menu-bob
nearer menu-bob menu-bob menu $WELCOME
# Ada chosen again: her row is the first, she has the points
click_logical "$game" 115 666
expect players2
click_logical "$game" 512 246
click_logical "$game" 512 584
expect menu
nearer menu menu menu-bob $WELCOME
click_logical "$game" 355 666
expect champions
key Escape
expect menu
click_logical "$game" 937 29
expect quit
click_logical "$game" 617 484
for i in $(seq 60); do kill -0 "$game" 2>/dev/null || break; sleep 0.5; done
wait "$game" || fail "the first run ended with an error"
[ -n "$(tr -d '\0' < "$SAVE/players1.ppp" | grep -a Ada)" ] || fail "Ada's profile is not on disk"
[ -n "$(tr -d '\0' < "$SAVE/players2.ppp" | grep -a Bob)" ] || fail "Bob's profile is not on disk"
level=$(python3 -c "import struct; print(struct.unpack('<i', open('$SAVE/players1.ppp','rb').read()[4:8])[0])")
[ "$level" = 2 ] || fail "Ada's frontier is level $level, not 2"

# --- second start, the same folder: no name asked, Ada's map carries on with her best time ---
launch second
expect menu 120
nearer menu menu menu-bob $WELCOME
click_logical "$game" 905 666
# the resume question has no reference picture (the reference traveller never played); it is fully open well within
# three seconds, and only its resume button leads on to the map
sleep 3
click_logical "$game" 617 484
point $REST_X $REST_Y
expect map
differs map 845 505 32 32
click_logical "$game" 903 501
expect preview
differs preview 312 500 400 28
kill -TERM "$game"
wait "$game" || fail "the second run ended with an error after SIGTERM"
echo "PASS"
