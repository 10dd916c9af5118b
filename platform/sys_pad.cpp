// Game controllers through SDL's controller API and its mapping database: buttons and sticks by position, hot-plug.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>

#include "platform/sys_internal.h"

namespace {
bool s_ready = false;
struct Pad {
    SDL_GameController* controller = nullptr;
    // as its events told it, which may lag SDL's live state within a pump
    bool held[PAD_BUTTON_COUNT] = {};
};
// open controllers by joystick instance id
std::map<SDL_JoystickID, Pad> s_pads;
bool s_down[PAD_BUTTON_COUNT];
int s_hits[PAD_BUTTON_COUNT];
int s_virtualIndex = -1;
SDL_Joystick* s_virtualStick = nullptr;

bool ready()
{
    if (s_ready) return true;
    if (!sysi::videoReady()) return false;
    // the HIDAPI drivers claim devices in ways that differ between machines; the kernel's devices are enough
    SDL_SetHint(SDL_HINT_JOYSTICK_HIDAPI, "0");
    // buttons by where they sit, not by what is printed on them: south confirms on every maker's pad
    SDL_SetHint(SDL_HINT_GAMECONTROLLER_USE_BUTTON_LABELS, "0");
    // a scripted run's window never has the keyboard focus, without which SDL drops a pad's buttons
    if (sysi::headless) SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
    if (SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) != 0) {
        std::fprintf(stderr, "morvelle: no game controllers: %s\n", SDL_GetError());
        return false;
    }
    SDL_GameControllerEventState(SDL_ENABLE);
    s_ready = true;
    return true;
}

// A scripted run sees only the pads its script plugs in, never a device of the machine it runs on.
bool wanted(int deviceIndex) { return !sysi::headless || SDL_JoystickIsVirtual(deviceIndex); }

void recount()
{
    for (int b = 0; b < PAD_BUTTON_COUNT; ++b) {
        bool held = false;
        for (auto& [id, pad] : s_pads) held = held || pad.held[b];
        s_down[b] = held;
    }
}
}

void sysi::handlePadEvent(const SDL_Event& e, std::deque<int>& appEvents)
{
    switch (e.type) {
    case SDL_CONTROLLERDEVICEADDED: {
        const int index = e.cdevice.which;
        if (!wanted(index) || s_pads.count(SDL_JoystickGetDeviceInstanceID(index))) break;
        if (SDL_GameController* controller = SDL_GameControllerOpen(index)) {
            Pad& pad = s_pads[SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(controller))];
            pad.controller = controller;
            // which pad and which mapping, so that a player whose buttons feel wrong can tell what SDL made of it
            char guid[33];
            SDL_JoystickGetGUIDString(SDL_JoystickGetDeviceGUID(index), guid, sizeof guid);
            char* mapping = SDL_GameControllerMapping(controller);
            const char* name = SDL_GameControllerName(controller);
            Sys_Trace(std::string("pad connected: ") + (name ? name : "unnamed") + " " + guid + ", mapping " +
                      (mapping ? mapping : "none"));
            SDL_free(mapping);
            // a button held while the pad is plugged in is held, not pressed
            for (int b = 0; b < PAD_BUTTON_COUNT; ++b)
                pad.held[b] = SDL_GameControllerGetButton(controller, (SDL_GameControllerButton)b) != 0;
            recount();
            appEvents.push_back(APP_PAD_ADDED);
        }
        break;
    }
    case SDL_CONTROLLERDEVICEREMOVED: {
        auto it = s_pads.find(e.cdevice.which);
        if (it == s_pads.end()) break;
        SDL_GameControllerClose(it->second.controller);
        s_pads.erase(it);
        recount();
        appEvents.push_back(APP_PAD_REMOVED);
        break;
    }
    case SDL_CONTROLLERBUTTONDOWN:
    case SDL_CONTROLLERBUTTONUP: {
        const int b = e.cbutton.button;
        auto it = s_pads.find(e.cbutton.which);
        if (b < 0 || b >= PAD_BUTTON_COUNT || it == s_pads.end()) break;
        const bool down = e.type == SDL_CONTROLLERBUTTONDOWN;
        if (down && !s_down[b]) ++s_hits[b];
        it->second.held[b] = down;
        // with two pads a button stays held while either holds it
        recount();
        break;
    }
    default: break;
    }
}

void sysi::pumpPads(std::deque<int>& appEvents)
{
    if (!s_ready) return;
    SDL_GameControllerUpdate();
    SDL_Event e;
    while (SDL_PeepEvents(&e, 1, SDL_GETEVENT, SDL_CONTROLLERAXISMOTION, SDL_CONTROLLERSENSORUPDATE) > 0)
        handlePadEvent(e, appEvents);
}

bool Sys_PadInit() { return ready(); }

bool Sys_PadDown(int button)
{
    Sys_PumpEvents();
    return button >= 0 && button < PAD_BUTTON_COUNT && s_down[button];
}

int Sys_PadHit(int button)
{
    Sys_PumpEvents();
    if (button < 0 || button >= PAD_BUTTON_COUNT) return 0;
    const int n = s_hits[button];
    s_hits[button] = 0;
    return n;
}

int Sys_PadAxis(int axis)
{
    Sys_PumpEvents();
    if (axis < 0 || axis >= PAD_AXIS_COUNT) return 0;
    int best = 0;
    for (auto& [id, pad] : s_pads) {
        const int v = SDL_GameControllerGetAxis(pad.controller, (SDL_GameControllerAxis)axis);
        if (std::abs(v) > std::abs(best)) best = v;
    }
    return best;
}

int Sys_PadCount()
{
    Sys_PumpEvents();
    return (int)s_pads.size();
}

void Sys_FlushPads()
{
    Sys_PumpEvents();
    for (int& h : s_hits) h = 0;
}

int Sys_PadButtonFromName(const std::string& name)
{
    const int b = (int)SDL_GameControllerGetButtonFromString(name.c_str());
    return b >= 0 && b < (int)PAD_BUTTON_COUNT ? b : -1;
}

int Sys_PadAxisFromName(const std::string& name)
{
    const int a = (int)SDL_GameControllerGetAxisFromString(name.c_str());
    return a >= 0 && a < (int)PAD_AXIS_COUNT ? a : -1;
}

bool Sys_InjectPadConnect()
{
    if (!ready()) return false;
    if (s_virtualIndex >= 0) return true;
    // SDL gives a virtual controller a mapping with its buttons and axes in SDL's own order
    s_virtualIndex = SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER, SDL_CONTROLLER_AXIS_MAX,
                                               SDL_CONTROLLER_BUTTON_MAX, 0);
    // our own handle sets its buttons; the game opens it as a controller when the next pump sees it arrive
    s_virtualStick = s_virtualIndex >= 0 ? SDL_JoystickOpen(s_virtualIndex) : nullptr;
    if (!s_virtualStick) {
        std::fprintf(stderr, "morvelle: no virtual controller: %s\n", SDL_GetError());
        if (s_virtualIndex >= 0) SDL_JoystickDetachVirtual(s_virtualIndex);
        s_virtualIndex = -1;
        return false;
    }
    return true;
}

void Sys_InjectPadDisconnect()
{
    if (s_virtualIndex < 0) return;
    SDL_JoystickClose(s_virtualStick);
    s_virtualStick = nullptr;
    SDL_JoystickDetachVirtual(s_virtualIndex);
    s_virtualIndex = -1;
}

void Sys_InjectPadButton(int button, bool down)
{
    if (s_virtualStick && button >= 0 && button < PAD_BUTTON_COUNT)
        SDL_JoystickSetVirtualButton(s_virtualStick, button, down ? 1 : 0);
}

void Sys_InjectPadAxis(int axis, int value)
{
    if (s_virtualStick && axis >= 0 && axis < PAD_AXIS_COUNT)
        SDL_JoystickSetVirtualAxis(s_virtualStick, axis, (Sint16)std::clamp(value, -32768, 32767));
}

void sysPadShutdown()
{
    Sys_InjectPadDisconnect();
    for (auto& [id, pad] : s_pads) SDL_GameControllerClose(pad.controller);
    s_pads.clear();
    for (bool& d : s_down) d = false;
    for (int& h : s_hits) h = 0;
    if (s_ready) SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
    s_ready = false;
}
