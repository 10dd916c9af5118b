// Script input events by name: keys, mouse, pads, focus and the close request.
#include "framework/script_input.h"

#include <cstdlib>
#include <map>

#include "platform/sys.h"

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
