// Keyboard and pad focus over the buttons a screen draws each frame, shown only after an arrow key or a pad.
#pragma once

// What a target learns when it registers: whether it holds the focus, and whether confirm pressed it this frame.
enum TFocusState { FOCUS_NONE = 0, FOCUS_HELD = 1, FOCUS_PRESSED = 2 };

// Registers a button centred at (x, y) with its half sizes; `live` is whether it would take a click now.
// A press by confirm consumes the frame's confirm, Enter and Space, as a click consumes the click.
int focusTarget(float x, float y, float hw, float hh, bool live);
// Targets registered between these two calls belong to the open dialog, which alone takes the focus.
void focusDialogBegin();
void focusDialogEnd();
// After the scene has drawn: the focus stays on a live target and moves by this frame's arrows.
void focusEndFrame();
bool focusShown();
// Where the focus stands (the centre of its target); false when no target holds it.
bool focusPosition(float& x, float& y);
// For this frame a screen's own cursor takes the arrows and confirm: its buttons hold no focus and show no ring.
void focusPassFrame();
// True when the focus was already showing last frame, so that an arrow now moves or steps instead of only showing it.
bool focusNavigable();
// The target at (x, y) takes the focus when the screen or dialog has none yet (the map's frontier, the story's next).
void focusPrefer(float x, float y);
// Moves the focus to the target at (x, y) and takes this frame's arrows, for screens that move along their own path.
void focusMoveTo(float x, float y);
// The ring around a focused target, drawn after the target itself; on the light paper of a dialog it is drawn in a
// deep amber with a soft fill, which the gold would vanish into.
void focusDrawRing(float x, float y, float hw, float hh, bool onPaper = false);
