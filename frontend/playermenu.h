// The profile manager and its delete confirmation, two dialogs of the popup handler.
#pragma once

// The most profiles the manager lets a player keep; slot 8 is never filled by the game.
constexpr int PLAYERMENU_MAX_PROFILES = 7;
// Rows stand a text line and this much apart, so the highlight of one never reaches the next.
constexpr float PLAYERMENU_ROW_SPACING = 12;

// Each draws its dialog and handles its input for one frame; the dialog driver calls them.
int playerMenu();
int delplayer();
// The lowest free slot among from..7 for a new profile, -1 when there is none; the first profile may take slot 1.
int freeProfileSlot(int from = 2);
// The lowest used slot among 1..7, -1 when no profile is left.
int firstUsedProfileSlot();
int usedProfileCount();
