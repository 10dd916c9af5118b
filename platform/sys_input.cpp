// Keyboard, mouse and window events: held state and hit counters kept here from the event queue.
#include <deque>

#include "platform/sys_internal.h"

static bool s_keyDown[256];
static int s_keyHits[256];
static bool s_mouseDown[4];
static int s_mouseHits[4];
static float s_mouseX, s_mouseY;
static int s_wheel;
static std::deque<int> s_chars;
static std::deque<int> s_appEvents;
static bool s_close;

// Letters, digits and arrows by their place on the keyboard, so that WASD and the arrows sit where a player's
// fingers are on any layout; the named keys by what they are.
static int virtualKey(const SDL_Keysym& key)
{
    const SDL_Keycode k = key.sym;
    const SDL_Scancode sc = key.scancode;
    if (k == SDLK_RETURN || k == SDLK_KP_ENTER) return KEY_ENTER;
    if (k == SDLK_ESCAPE) return KEY_ESCAPE;
    if (k == SDLK_SPACE) return KEY_SPACE;
    if (k == SDLK_BACKSPACE) return KEY_BACKSPACE;
    if (k == SDLK_TAB) return 9;
    if (sc == SDL_SCANCODE_LEFT) return KEY_LEFT;
    if (sc == SDL_SCANCODE_RIGHT) return KEY_RIGHT;
    if (sc == SDL_SCANCODE_UP) return KEY_UP;
    if (sc == SDL_SCANCODE_DOWN) return KEY_DOWN;
    if (sc >= SDL_SCANCODE_A && sc <= SDL_SCANCODE_Z) return 'A' + (sc - SDL_SCANCODE_A);
    if (sc >= SDL_SCANCODE_1 && sc <= SDL_SCANCODE_9) return '1' + (sc - SDL_SCANCODE_1);
    if (sc == SDL_SCANCODE_0) return '0';
    if (k >= SDLK_F1 && k <= SDLK_F12) return KEY_F1 + (k - SDLK_F1);
    return -1;
}

static void pushChar(int c)
{
    if (s_chars.size() < 256) s_chars.push_back(c);
}

static void keyEvent(int vk, bool down)
{
    if (vk < 0 || vk > 255) return;
    if (down && !s_keyDown[vk]) ++s_keyHits[vk];
    s_keyDown[vk] = down;
    // Enter and Backspace reach the character queue like typed characters
    if (down && (vk == KEY_ENTER || vk == KEY_BACKSPACE)) pushChar(vk);
}

static void buttonEvent(int button, bool down)
{
    if (button < 1 || button > 3) return;
    if (down) ++s_mouseHits[button];
    s_mouseDown[button] = down;
}

static void textEvent(const char* utf8)
{
    const unsigned char* p = (const unsigned char*)utf8;
    while (*p) {
        uint32_t c = *p++;
        int extra = c >= 0xF0 ? 3 : c >= 0xE0 ? 2 : c >= 0xC0 ? 1 : 0;
        if (extra) c &= (0x3F >> extra);
        for (int i = 0; i < extra && (*p & 0xC0) == 0x80; ++i) c = (c << 6) | (*p++ & 0x3F);
        if (c <= 0xFFFF) pushChar((int)c);
    }
}

void sysi::handleEvent(const SDL_Event& e)
{
    switch (e.type) {
    case SDL_KEYDOWN:
        if (!e.key.repeat) keyEvent(virtualKey(e.key.keysym), true);
        break;
    case SDL_KEYUP: keyEvent(virtualKey(e.key.keysym), false); break;
    case SDL_TEXTINPUT: textEvent(e.text.text); break;
    case SDL_MOUSEMOTION:
        s_mouseX = (float)e.motion.x;
        s_mouseY = (float)e.motion.y;
        sysi::windowToCanvas(s_mouseX, s_mouseY);
        break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: {
        int b = e.button.button == SDL_BUTTON_LEFT ? 1 : e.button.button == SDL_BUTTON_RIGHT ? 2 : e.button.button == SDL_BUTTON_MIDDLE ? 3 : 0;
        s_mouseX = (float)e.button.x;
        s_mouseY = (float)e.button.y;
        sysi::windowToCanvas(s_mouseX, s_mouseY);
        buttonEvent(b, e.type == SDL_MOUSEBUTTONDOWN);
        break;
    }
    case SDL_MOUSEWHEEL: s_wheel += e.wheel.y; break;
    case SDL_CONTROLLERDEVICEADDED:
    case SDL_CONTROLLERDEVICEREMOVED:
    case SDL_CONTROLLERBUTTONDOWN:
    case SDL_CONTROLLERBUTTONUP: sysi::handlePadEvent(e, s_appEvents); break;
    case SDL_QUIT: s_close = true; break;
    case SDL_WINDOWEVENT:
        if (e.window.event == SDL_WINDOWEVENT_FOCUS_LOST) s_appEvents.push_back(APP_FOCUS_LOST);
        if (e.window.event == SDL_WINDOWEVENT_FOCUS_GAINED) s_appEvents.push_back(APP_FOCUS_GAINED);
        if (e.window.event == SDL_WINDOWEVENT_CLOSE) s_close = true;
        if (e.window.event == SDL_WINDOWEVENT_SIZE_CHANGED) sysi::windowResized();
        if (e.window.event == SDL_WINDOWEVENT_EXPOSED || e.window.event == SDL_WINDOWEVENT_SHOWN ||
            e.window.event == SDL_WINDOWEVENT_RESTORED || e.window.event == SDL_WINDOWEVENT_MAXIMIZED)
            sysi::windowExposed();
        break;
    default: break;
    }
}

// Each pump asks the X server for news: a frame reads dozens of keys, and pumping for each would cost more than
// the frame. A pump per frame, or every few milliseconds for a caller that never ends its frame.
static bool s_pumpedThisFrame = false;
static uint32_t s_pumpedAt = 0;
constexpr uint32_t PUMP_STALE_MS = 8;

void sysi::newInputFrame() { s_pumpedThisFrame = false; }

void Sys_PumpEvents()
{
    // scripted runs take their input from the script only, their pads included
    if (!sysi::videoReady()) return;
    if (sysi::headless) {
        sysi::pumpPads(s_appEvents);
        return;
    }
    const uint32_t now = Sys_Millisecs();
    if (s_pumpedThisFrame && now - s_pumpedAt < PUMP_STALE_MS) return;
    s_pumpedThisFrame = true;
    s_pumpedAt = now;
    SDL_GameControllerUpdate();
    SDL_Event e;
    while (SDL_PollEvent(&e)) sysi::handleEvent(e);
}

bool Sys_KeyDown(int key)
{
    Sys_PumpEvents();
    return key >= 0 && key < 256 && s_keyDown[key];
}

int Sys_KeyHit(int key)
{
    Sys_PumpEvents();
    if (key < 0 || key >= 256) return 0;
    int n = s_keyHits[key];
    s_keyHits[key] = 0;
    return n;
}

bool Sys_MouseDown(int button)
{
    Sys_PumpEvents();
    return button >= 1 && button <= 3 && s_mouseDown[button];
}

int Sys_MouseHit(int button)
{
    Sys_PumpEvents();
    if (button < 1 || button > 3) return 0;
    int n = s_mouseHits[button];
    s_mouseHits[button] = 0;
    return n;
}

float Sys_MouseX()
{
    Sys_PumpEvents();
    return s_mouseX;
}

float Sys_MouseY()
{
    Sys_PumpEvents();
    return s_mouseY;
}

int Sys_MouseZSpeed()
{
    Sys_PumpEvents();
    int n = s_wheel;
    s_wheel = 0;
    return n;
}

void Sys_FlushKeys()
{
    Sys_PumpEvents();
    for (int& h : s_keyHits) h = 0;
    s_chars.clear();
}

void Sys_FlushText()
{
    Sys_PumpEvents();
    s_chars.clear();
}

void Sys_FlushMouse()
{
    Sys_PumpEvents();
    for (int& h : s_mouseHits) h = 0;
}

int Sys_GetChar()
{
    Sys_PumpEvents();
    if (s_chars.empty()) return 0;
    int c = s_chars.front();
    s_chars.pop_front();
    return c;
}

int Sys_PollAppEvent()
{
    Sys_PumpEvents();
    if (s_appEvents.empty()) return APP_NONE;
    int e = s_appEvents.front();
    s_appEvents.pop_front();
    return e;
}

bool Sys_CloseRequested()
{
    Sys_PumpEvents();
    bool c = s_close;
    s_close = false;
    return c;
}

void Sys_ShowCursor(bool show)
{
    if (sysi::videoReady()) SDL_ShowCursor(show ? SDL_ENABLE : SDL_DISABLE);
}

void Sys_InjectMouseMove(float x, float y)
{
    s_mouseX = x;
    s_mouseY = y;
}

void Sys_InjectMouseButton(int button, bool down) { buttonEvent(button, down); }
void Sys_InjectKey(int key, bool down) { keyEvent(key, down); }
void Sys_InjectText(const std::string& utf8) { textEvent(utf8.c_str()); }
void Sys_InjectFocus(bool gained) { s_appEvents.push_back(gained ? APP_FOCUS_GAINED : APP_FOCUS_LOST); }
void Sys_InjectClose() { s_close = true; }
