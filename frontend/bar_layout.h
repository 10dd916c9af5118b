// Where the holo buttons stand on the bottom bars: the menu and the map place them, the content tool paints a frame under each.
#pragma once

inline constexpr int kBarButtonY = 666;
// The main menu's start, player, champions and options buttons.
inline constexpr int kMenuBarButtonX[4] = {905, 115, 355, 665};
// The level map's start button, alone on its bar.
inline constexpr int kMapBarButtonX[1] = {905};
