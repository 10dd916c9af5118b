// The numbered trace log every part of the game writes to; it includes nothing of the game.
#pragma once

#include <string>

void traceLog(const std::string& text);
// Lines written so far.
int traceCounter();
