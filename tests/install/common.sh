# Shared by the install tests: skipping without a tool, a private X server, window shots and picture distance.
set -euo pipefail
SKIP=77
# under AddressSanitizer the X and GL libraries' own allocations would count as the game's leaks; the headless
# suite checks the game's
export ASAN_OPTIONS="${ASAN_OPTIONS:-}${ASAN_OPTIONS:+:}detect_leaks=0"
WORK=$(mktemp -d "${TMPDIR:-/tmp}/morvelle-install.XXXXXX")
PIDS=()
cleanup() {
  local rc=$? p
  for p in "${PIDS[@]}"; do kill "$p" 2>/dev/null || true; done
  for p in "${PIDS[@]}"; do wait "$p" 2>/dev/null || true; done
  # a failed run keeps its pictures and logs to look at; MORVELLE_KEEP_WORK=1 keeps them always
  if [ "$rc" = 0 ] || [ "$rc" = $SKIP ]; then [ -n "${MORVELLE_KEEP_WORK:-}" ] || rm -rf "$WORK"; fi
  [ -d "$WORK" ] && echo "pictures and logs kept in $WORK" >&2
  return 0
}
trap cleanup EXIT

need() {  # skip the test when a tool is missing (CI installs them all from scripts/packages.txt)
  local t
  for t in "$@"; do command -v "$t" >/dev/null || { echo "SKIP: $t is not installed"; exit $SKIP; }; done
}

fail() { echo "FAIL: $*" >&2; exit 1; }

start_x() {  # start_x [--wm]: a private Xvfb at 1280 x 1024 (and openbox); sets DISPLAY
  # the server takes a free display itself and names it once it accepts clients: tests started side by side
  # cannot pick the same number, nor a game reach a server still starting
  local i d=
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3> "$WORK/display" >/dev/null 2>&1 &
  PIDS+=($!)
  for i in $(seq 100); do d=$(head -n 1 "$WORK/display" 2>/dev/null || true); [ -n "$d" ] && break; sleep 0.1; done
  [ -n "$d" ] || fail "Xvfb named no display"
  export DISPLAY=":$d"
  if [ "${1:-}" = --wm ]; then
    openbox >/dev/null 2>&1 &
    PIDS+=($!)
    sleep 1
  fi
}

game_window() {  # the visible window of process $1
  xdotool search --onlyvisible --pid "$1" 2>/dev/null | tail -n 1 || true
}

# logical_shot PID FILE: the 1024 x 768 picture inside the game's window, letterbox cut away (FILE.ppm is the
# quickest to write and read)
logical_shot() {
  local w X Y WIDTH HEIGHT crop
  w=$(game_window "$1")
  [ -n "$w" ] || return 1
  eval "$(xdotool getwindowgeometry --shell "$w")"
  import -window "$w" "$WORK/raw.ppm" 2>/dev/null || return 1
  crop=$(awk -v w="$WIDTH" -v h="$HEIGHT" 'BEGIN {
    s = w / 1024 < h / 768 ? w / 1024 : h / 768; cw = int(1024 * s + 0.5); ch = int(768 * s + 0.5)
    printf "%dx%d+%d+%d", cw, ch, int((w - cw) / 2), int((h - ch) / 2) }')
  if [ "${crop%%+*}" = 1024x768 ]; then
    convert "$WORK/raw.ppm" -crop "$crop" +repage -depth 8 "$2"
  else
    convert "$WORK/raw.ppm" -crop "$crop" +repage -resize '1024x768!' -depth 8 "$2"
  fi
}

below() {  # below D LIMIT: D is a number and less than LIMIT
  awk -v d="$1" -v l="$2" 'BEGIN { exit !(d != "" && d + 0 < l + 0) }'
}

# distance A B [MASK...]: root mean square difference of two pictures, 0 (same) .. 1; each MASK "X0,Y0 X1,Y1" is a
# box painted over in both first (a part that may differ, such as a random miniature)
distance() {
  local a=$1 b=$2 out
  shift 2
  if [ $# -gt 0 ]; then
    local draw=() m
    for m in "$@"; do draw+=(-draw "rectangle $m"); done
    convert "$a" -fill black "${draw[@]}" "$WORK/mask-a.png"
    convert "$b" -fill black "${draw[@]}" "$WORK/mask-b.png"
    a="$WORK/mask-a.png" b="$WORK/mask-b.png"
  fi
  out=$(compare -metric RMSE "$a" "$b" null: 2>&1 || true)
  echo "$out" | sed -n 's/.*(\(.*\)).*/\1/p'
}

# screen_point PID X Y: the screen point of a point of the logical picture in the game's window
screen_point() {
  local w X Y WIDTH HEIGHT
  w=$(game_window "$1")
  eval "$(xdotool getwindowgeometry --shell "$w")"
  awk -v wx="$X" -v wy="$Y" -v ww="$WIDTH" -v wh="$HEIGHT" -v x="$2" -v y="$3" 'BEGIN {
    s = ww / 1024 < wh / 768 ? ww / 1024 : wh / 768
    printf "%d %d\n", wx + (ww - 1024 * s) / 2 + x * s, wy + (wh - 768 * s) / 2 + y * s }'
}

# click_logical PID X Y: a real X click at a point of the logical picture
click_logical() {
  local sx sy
  read -r sx sy < <(screen_point "$@")
  xdotool mousemove "$sx" "$sy" sleep 0.2 click 1
}

# wait_for_picture PID REF FILE SECONDS [MASK...]: shoot the window until it looks like REF; prints the last distance
wait_for_picture() {
  local pid=$1 ref=$2 file=$3 end=$((SECONDS + $4)) d=1
  shift 4
  while :; do
    if logical_shot "$pid" "$file"; then
      d=$(distance "$file" "$ref" "$@")
      if below "$d" 0.06; then
        # a screen still fading in comes nearer with every shot, and ignores clicks: wait until it stops
        local next="$WORK/settle.${file##*.}" e
        while [ $SECONDS -lt $end ] && logical_shot "$pid" "$next" && e=$(distance "$next" "$ref" "$@") &&
          below "$e" "$(awk -v d="$d" 'BEGIN { print d - 0.002 }')"; do
          mv "$next" "$file"
          d=$e
        done
        echo "$d"
        return 0
      fi
    fi
    [ $SECONDS -lt $end ] || break
    sleep 1
  done
  echo "$d"
  return 1
}
