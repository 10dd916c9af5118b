#!/usr/bin/env bash
# The running game on a real X server under openbox: a second copy says so, ends with status 0 and brings the first
# one's minimised window back; SIGTERM then saves and ends the first one with status 0.
# usage: second_copy.sh GAME
source "$(dirname "$0")/common.sh"
need Xvfb xdotool openbox
GAME=$1
home="$WORK/home"
mkdir -p "$home"
start_x --wm
export HOME="$home" XDG_RUNTIME_DIR="$home" XDG_DATA_HOME= MORVELLE_TRACE=1
unset MORVELLE_DATA
"$GAME" 2> "$WORK/first.log" &
first=$!
PIDS+=($first)
for i in $(seq 240); do
  [ -n "$(game_window "$first")" ] && [ "$(cat "$home/morvell.lock" 2>/dev/null)" = "$first" ] && break
  kill -0 "$first" 2>/dev/null || fail "the game ended at start: $(tail -n 5 "$WORK/first.log")"
  sleep 0.5
done
w=$(game_window "$first")
[ -n "$w" ] || fail "the game showed no window: $(tail -n 5 "$WORK/first.log")"
xdotool windowminimize "$w"
for i in $(seq 20); do [ -z "$(game_window "$first")" ] && break; sleep 0.5; done
[ -z "$(game_window "$first")" ] || fail "the window could not be minimised"

"$GAME" > "$WORK/second.out" 2> "$WORK/second.err" || fail "the second copy ended with status $?"
grep -q "Morvelle is already running" "$WORK/second.err" || fail "the second copy said nothing: $(cat "$WORK/second.err")"
for i in $(seq 40); do [ -n "$(game_window "$first")" ] && break; sleep 0.5; done
[ -n "$(game_window "$first")" ] || fail "the first copy's window stayed minimised"
grep -q "raising the window" "$WORK/first.log" || fail "the first copy was not woken"

kill -TERM "$first"
start=$(date +%s%N)
wait "$first" || fail "the game ended with status $? after SIGTERM"
echo "ended $(( ($(date +%s%N) - start) / 1000000 )) ms after SIGTERM"
grep -q "stop signal" "$WORK/first.log" || fail "SIGTERM was not handled as a stop request"
[ -f "$home/.local/share/morvell/settings.txt" ] || fail "no settings saved"
echo "PASS"
