// The content tool's generators; each writes its part of the data tree under `out` (ending in "/").
#pragma once

#include <string>

int generatePictures(const std::string& out);   // pictures, fonts, texts, story pages
int generateAudio(const std::string& out);      // sound effects and music
int generateLevels(const std::string& out);     // level files and the goal table
// Desktop icons in the hicolor theme: `dir`/hicolor/NxN/apps/`appId`.png at every size desktops ask for.
int generateIcons(const std::string& dir, const std::string& appId);
