// The numbered trace log every part of the game writes to; it includes nothing of the game.
#pragma once

#include <string>

void traceLog(const std::string& text);
// Lines written so far.
int traceCounter();
// A save that could not be written: a trace line every time, and a message to the player once per run.
void reportSaveFailure(const std::string& path);
