// What the board rules need from the profile, the effects, the sounds, the dialogs and the pointer.
#pragma once

class TSpieler;
struct SysImage;

// The active profile; a spare blank profile when none is chosen, so the rules never dereference null.
TSpieler* m3Player();
// Starts a visual effect; returns its slot, 0 when nothing was started.
int m3InstallEffect(float x, float y, int id, float lx, float ly);
void m3PlaySound(int id, float x);
// Frames the current dialog has been open; 0 when none.
int m3PopupRuntime();
// True when a click on the board is the board's: no dialog open or opening, no pause screen, no fade-out.
bool m3BoardTakesClicks();
// True while a power-up waits for the player to pick its target on the board, or works on the one picked.
bool m3TargetPicking();
// The pointer's hit probe picture; null while it is not loaded.
const SysImage* m3PointerProbe();
