// The JSON state dump of the harness: the code's own names as keys.
#pragma once

#include <string>

std::string dumpState();
