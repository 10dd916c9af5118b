// Contact sheets of the generated art, for looking at it (not part of the data tree).
#pragma once

#include <string>

namespace art {

// Renders composed checks (boards, map with its points, font samples) from a data folder into outDir.
int renderSheets(const std::string& dataDir, const std::string& outDir);

}  // namespace art
