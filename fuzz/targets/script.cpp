// Fuzz target: harness script lines: every accepted event, written back as a line, parses to the same event.
#include <string>
#include <vector>

#include "framework/script_input.h"
#include "fuzz/fuzz_target.h"

MORVELLE_FUZZ_TARGET(script)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    size_t start = 0;
    int lineNo = 0;
    while (start <= text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        const std::string line = text.substr(start, end - start);
        start = end + 1;
        ++lineNo;
        std::vector<ScriptEvent> events;
        if (!parseScriptLine(line, lineNo, events).empty()) continue;
        if (events.size() > 1) __builtin_trap();
        if (events.empty()) continue;
        const ScriptEvent& e = events[0];
        if (e.frame < 1 || e.verb.empty() || e.line != lineNo) __builtin_trap();
        std::string again = std::to_string(e.frame) + " " + e.verb;
        if (e.verb == "text") {
            again += " " + e.rest;
        } else {
            for (const std::string& a : e.args) again += " " + a;
        }
        std::vector<ScriptEvent> back;
        if (!parseScriptLine(again, lineNo, back).empty() || back.size() != 1) __builtin_trap();
        const ScriptEvent& b = back[0];
        if (b.frame != e.frame || b.verb != e.verb || b.args != e.args || b.rest != e.rest) __builtin_trap();
    }
    return 0;
}
