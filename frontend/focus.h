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
// For this frame a screen's own cursor takes the arrows and confirm: its buttons hold no focus and show no ring.
void focusPassFrame();
// The ring around a focused target, drawn after the target itself.
void focusDrawRing(float x, float y, float hw, float hh);
