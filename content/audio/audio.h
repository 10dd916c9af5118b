// The audio part of the content tool: the file lists, rendering of one effect or title, and writing them under data/.
#pragma once

#include <string>
#include <vector>

#include "content/audio/dsp.h"

namespace synth {

std::vector<std::string> effectFiles();   // file names under "sfx/", one per distinct file of the sound table
std::vector<std::string> musicTitles();   // file names under "music/"

bool renderEffect(const std::string& file, Mono& out);
// A title as one loop: the sound that rings on past its end is already folded onto its beginning.
bool renderTitle(const std::string& title, std::vector<float>& left, std::vector<float>& right);

// `dataDir` ends in "/"; the file goes to its "sfx/" or "music/" folder.
bool writeEffect(const std::string& dataDir, const std::string& file);
bool writeTitle(const std::string& dataDir, const std::string& title);

}   // namespace synth
