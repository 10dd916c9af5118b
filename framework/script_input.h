// The input events of a harness script by name, fed to the platform's injected input; shared by the harness and the
// tests that rehearse a script in their own process.
#pragma once

#include <string>
#include <vector>

// One line of a script: "FRAME VERB WORDS...", or "FRAME text REST OF LINE"; "#" starts a comment.
struct ScriptEvent {
    int frame = 0;
    std::string verb;
    std::vector<std::string> args;
    std::string rest;
    int line = 0;
};
// Appends the line's event, if it has one, and returns "", or returns what is wrong with it.
std::string parseScriptLine(const std::string& raw, int lineNo, std::vector<ScriptEvent>& out);

// The key a script names ("enter", "left", "a", "1" ...), or -1.
int scriptKeyCode(const std::string& name);
// 1 for "left", 2 for "right", or -1.
int scriptButtonCode(const std::string& name);
// Feeds one input event: its verb, its words, and for "text" the rest of the line. Other verbs are ignored.
void applyScriptInput(const std::string& verb, const std::vector<std::string>& args, const std::string& rest);
