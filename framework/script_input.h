// The input events of a harness script by name, fed to the platform's injected input; shared by the harness and the
// tests that rehearse a script in their own process.
#pragma once

#include <string>
#include <vector>

// The key a script names ("enter", "left", "a", "1" ...), or -1.
int scriptKeyCode(const std::string& name);
// 1 for "left", 2 for "right", or -1.
int scriptButtonCode(const std::string& name);
// Feeds one input event: its verb, its words, and for "text" the rest of the line. Other verbs are ignored.
void applyScriptInput(const std::string& verb, const std::vector<std::string>& args, const std::string& rest);
