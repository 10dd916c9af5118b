// Script input events by name: keys, mouse, pads, focus and the close request.
#include "framework/script_input.h"

#include <cmath>
#include <cstdlib>
#include <map>
#include <sstream>

#include "platform/sys.h"

namespace {
// A number the game can take as a coordinate or an axis: finite and well inside an int.
bool isNumber(const std::string& s)
{
    char* end = nullptr;
    const double v = std::strtod(s.c_str(), &end);
    return !s.empty() && end && *end == 0 && std::isfinite(v) && std::fabs(v) < 1e6;
}

// A frame number: digits only, from 1 to a frame a script can reach.
int frameNumber(const std::string& s)
{
    if (s.empty() || s.size() > 9 || s.find_first_not_of("0123456789") != std::string::npos) return -1;
    const int n = std::atoi(s.c_str());
    return n >= 1 ? n : -1;
}
}  // namespace

std::string parseScriptLine(const std::string& raw, int lineNo, std::vector<ScriptEvent>& out)
{
    std::string text = raw;
    while (!text.empty() && text.back() == '\r') text.pop_back();
    const size_t hash = text.find('#');
    std::istringstream in(text.substr(0, hash));
    std::string frame, verb;
    if (!(in >> frame)) return "";
    ScriptEvent e;
    e.line = lineNo;
    e.frame = frameNumber(frame);
    if (e.frame < 1) return "frame number expected";
    if (!(in >> verb)) return "event expected after the frame number";
    e.verb = verb;
    if (verb == "text") {
        // the rest of the line as it stands, a "#" included
        const size_t at = text.find("text", text.find(frame) + frame.size());
        std::string rest = text.substr(at + 4);
        if (!rest.empty() && rest[0] == ' ') rest.erase(0, 1);
        e.rest = rest;
        out.push_back(e);
        return "";
    }
    std::string a;
    while (in >> a) e.args.push_back(a);
    const size_t n = e.args.size();
    if (verb == "mouse") {
        if (n != 2 || !isNumber(e.args[0]) || !isNumber(e.args[1])) return "mouse needs X Y";
    } else if (verb == "press" || verb == "release" || verb == "click") {
        if (n != 1 || scriptButtonCode(e.args[0]) < 0) return verb + " needs left or right";
    } else if (verb == "keydown" || verb == "keyup" || verb == "key") {
        if (n != 1 || scriptKeyCode(e.args[0]) < 0) return verb + " needs a key name";
    } else if (verb == "pad") {
        if (n != 1 || (e.args[0] != "connect" && e.args[0] != "disconnect" && Sys_PadButtonFromName(e.args[0]) < 0))
            return "pad needs connect, disconnect or a button name";
    } else if (verb == "paddown" || verb == "padup") {
        if (n != 1 || Sys_PadButtonFromName(e.args[0]) < 0) return verb + " needs a button name";
    } else if (verb == "padaxis") {
        if (n != 2 || Sys_PadAxisFromName(e.args[0]) < 0 || !isNumber(e.args[1])) return "padaxis needs an axis name and a value";
        const double v = std::strtod(e.args[1].c_str(), nullptr);
        if (!(v >= -32768 && v <= 32767)) return "padaxis values lie in -32768..32767";
    } else if (verb == "focus") {
        if (n != 1 || (e.args[0] != "lost" && e.args[0] != "gained")) return "focus needs lost or gained";
    } else if (verb == "shot" || verb == "dump") {
        if (n != 1) return verb + " needs a path";
    } else if (verb == "close" || verb == "quit") {
        if (n != 0) return verb + " takes no argument";
    } else {
        return "unknown event '" + verb + "'";
    }
    out.push_back(e);
    return "";
}

int scriptKeyCode(const std::string& name)
{
    static const std::map<std::string, int> keys = {
        {"enter", KEY_ENTER}, {"escape", KEY_ESCAPE}, {"space", KEY_SPACE}, {"r", KEY_R}, {"backspace", KEY_BACKSPACE},
        {"f1", KEY_F1}, {"f2", KEY_F2}, {"f3", KEY_F3}, {"f4", KEY_F4}, {"f5", KEY_F5},
        {"f6", KEY_F6}, {"f7", KEY_F7}, {"f8", KEY_F8}, {"f9", KEY_F9}, {"f10", KEY_F10},
        {"left", KEY_LEFT}, {"right", KEY_RIGHT}, {"up", KEY_UP}, {"down", KEY_DOWN}, {"w", KEY_W}, {"a", KEY_A},
        {"s", KEY_S}, {"d", KEY_D}, {"e", KEY_E}, {"1", KEY_1}, {"2", KEY_2}, {"3", KEY_3}, {"4", KEY_4}};
    auto it = keys.find(name);
    return it == keys.end() ? -1 : it->second;
}

int scriptButtonCode(const std::string& name) { return name == "left" ? 1 : name == "right" ? 2 : -1; }

void applyScriptInput(const std::string& verb, const std::vector<std::string>& args, const std::string& rest)
{
    const std::string a = args.empty() ? "" : args[0];
    if (verb == "mouse" && args.size() == 2) Sys_InjectMouseMove((float)std::atof(a.c_str()), (float)std::atof(args[1].c_str()));
    else if (verb == "press") Sys_InjectMouseButton(scriptButtonCode(a), true);
    else if (verb == "release") Sys_InjectMouseButton(scriptButtonCode(a), false);
    else if (verb == "click") {
        Sys_InjectMouseButton(scriptButtonCode(a), true);
        Sys_InjectMouseButton(scriptButtonCode(a), false);
    } else if (verb == "keydown") Sys_InjectKey(scriptKeyCode(a), true);
    else if (verb == "keyup") Sys_InjectKey(scriptKeyCode(a), false);
    else if (verb == "key") {
        Sys_InjectKey(scriptKeyCode(a), true);
        Sys_InjectKey(scriptKeyCode(a), false);
    } else if (verb == "text") Sys_InjectText(rest);
    else if (verb == "pad" && a == "connect") Sys_InjectPadConnect();
    else if (verb == "pad" && a == "disconnect") Sys_InjectPadDisconnect();
    else if (verb == "pad") {
        // pressed for one frame: SDL sees the press and the release in two updates
        Sys_InjectPadButton(Sys_PadButtonFromName(a), true);
        Sys_PadDown(0);
        Sys_InjectPadButton(Sys_PadButtonFromName(a), false);
    } else if (verb == "paddown") Sys_InjectPadButton(Sys_PadButtonFromName(a), true);
    else if (verb == "padup") Sys_InjectPadButton(Sys_PadButtonFromName(a), false);
    else if (verb == "padaxis" && args.size() == 2) Sys_InjectPadAxis(Sys_PadAxisFromName(a), std::atoi(args[1].c_str()));
    else if (verb == "focus") Sys_InjectFocus(a == "gained");
    else if (verb == "close") Sys_InjectClose();
}
