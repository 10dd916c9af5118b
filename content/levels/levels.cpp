// Level files and the goal table of the data tree.
#include "content/tool/modules.h"

int generateLevels(const std::string&) { return 0; }
