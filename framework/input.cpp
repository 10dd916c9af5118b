// The per-frame input snapshot and the drawn mouse pointer.
#include "framework/input.h"

#include "framework/bild.h"
#include "framework/globals.h"
#include "platform/sys.h"

void tavoTInput::FlushInput()
{
    _MausFireLeft = _MausFireRight = _MausDownLeft = _MausDownRight = _MausZSpd = 0;
    _Enter = _Escape = _Space = 0;
    _F10 = _F9 = _F8 = _F7 = _F6 = _F5 = _F4 = _F3 = _F2 = _F1 = 0;
    _NavLeft = _NavRight = _NavUp = _NavDown = _Confirm = _Cancel = _PadStart = 0;
    _PowerUpKey = _PadPowerUpStep = _PadPowerUpUse = _Strike = _DropPick = 0;
}

int TNavRepeat::step(bool held)
{
    if (!held) {
        heldFrames = 0;
        return 0;
    }
    heldFrames += 1;
    if (heldFrames == 1) return 1;
    return heldFrames > NAV_REPEAT_DELAY && (heldFrames - NAV_REPEAT_DELAY) % NAV_REPEAT_EVERY == 0 ? 1 : 0;
}

int tavoTInput::updateBoardKeys(bool typing)
{
    // read once a frame: a hit is gone once read
    for (int n = 0; n < 4; ++n)
        if (Sys_KeyHit(KEY_1 + n) > 0 && !typing) _PowerUpKey = n + 1;
    if (Sys_KeyHit(KEY_BACKSPACE) > 0 && !typing) _DropPick = 1;
    if (Sys_PadHit(PAD_LEFTSHOULDER) > 0) _PadPowerUpStep -= 1;
    if (Sys_PadHit(PAD_RIGHTSHOULDER) > 0) _PadPowerUpStep += 1;
    if (Sys_PadHit(PAD_Y) > 0) _PadPowerUpUse = 1;
    const bool keyStrike = Sys_KeyHit(KEY_E) > 0 && !typing, padStrike = Sys_PadHit(PAD_X) > 0;
    _Strike = keyStrike || padStrike ? 1 : 0;
    // the strike aims with the cursor, so it shows the cursor as an arrow does; the number keys need no cursor
    if (padStrike || _PadPowerUpStep != 0 || _PadPowerUpUse) return INPUT_PAD;
    return keyStrike ? INPUT_KEYS : INPUT_MOUSE;
}

void tavoTInput::updateNavigation()
{
    enum { LEFT, RIGHT, UP, DOWN };
    static const int keys[4][2] = {{KEY_LEFT, KEY_A}, {KEY_RIGHT, KEY_D}, {KEY_UP, KEY_W}, {KEY_DOWN, KEY_S}};
    static const int dpad[4] = {PAD_DPLEFT, PAD_DPRIGHT, PAD_DPUP, PAD_DPDOWN};
    const int x = Sys_PadAxis(PAD_LEFTX), y = Sys_PadAxis(PAD_LEFTY);
    const int push[4] = {-x, x, -y, y};
    int* out[4] = {&_NavLeft, &_NavRight, &_NavUp, &_NavDown};
    bool byKeys = false, byPad = false;
    const bool typing = g_frameCount - _TextEntryFrame <= 1;
    for (int d = LEFT; d <= DOWN; ++d) {
        _stick[d] = push[d] > (_stick[d] ? PAD_STICK_OFF : PAD_STICK_ON);
        // a tap shorter than a frame still counts
        const bool arrow = Sys_KeyHit(keys[d][0]) > 0 || Sys_KeyDown(keys[d][0]);
        const bool letter = Sys_KeyHit(keys[d][1]) > 0 || Sys_KeyDown(keys[d][1]);
        const bool key = arrow || (letter && !typing);
        const bool pad = Sys_PadHit(dpad[d]) > 0 || Sys_PadDown(dpad[d]) || _stick[d];
        *out[d] = _repeat[d].step(key || pad);
        byKeys = byKeys || (key && *out[d]);
        byPad = byPad || (pad && *out[d]);
    }
    const bool enterHit = Sys_KeyHit(KEY_ENTER) > 0, spaceHit = Sys_KeyHit(KEY_SPACE) > 0;
    if (enterHit) _EnterDownFrame = g_frameCount;
    const bool keyConfirm = (enterHit || spaceHit) && !typing;
    const bool padConfirm = Sys_PadHit(PAD_A) > 0, padCancel = Sys_PadHit(PAD_B) > 0;
    _PadStart = Sys_PadHit(PAD_START) > 0 ? 1 : 0;
    _Confirm = keyConfirm || padConfirm ? 1 : 0;
    if (padCancel) _Escape = _DropPick = 1;
    _Cancel = _Escape;
    const int boardDevice = updateBoardKeys(typing);
    // Enter, Space and Escape keep the meanings they always had: only the arrows and a pad show the focus
    byPad = byPad || padConfirm || padCancel || _PadStart || boardDevice == INPUT_PAD;
    byKeys = byKeys || boardDevice == INPUT_KEYS;
    if (byPad) _LastDevice = INPUT_PAD;
    else if (byKeys) _LastDevice = INPUT_KEYS;
}

void tavoTInput::Update()
{
    if (_MausOK == 1) {
        _MausX = Sys_MouseX();
        _MausY = Sys_MouseY();
        _MausFireLeft = Sys_MouseHit(1);
        _MausFireRight = Sys_MouseHit(2);
        _MausDownLeft = Sys_MouseDown(1) ? 1 : 0;
        _MausDownRight = Sys_MouseDown(2) ? 1 : 0;
        _MausZSpd = Sys_MouseZSpeed();
        if (_MausDownLeft == 1)
            _MausDownLeftCount += 1;
        else
            _MausDownLeftCount = 0;
    }
    if (Sys_KeyDown(KEY_ENTER)) _Enter = 1;
    if (Sys_KeyHit(KEY_ESCAPE)) _Escape = 1;
    if (Sys_KeyDown(KEY_SPACE)) _Space = 1;
    int* fkeys[10] = {&_F1, &_F2, &_F3, &_F4, &_F5, &_F6, &_F7, &_F8, &_F9, &_F10};
    for (int i = 0; i < 10; ++i)
        if (Sys_KeyDown(KEY_F1 + i)) *fkeys[i] = 1;
    updateNavigation();
    // the pointer moved or clicked: the mouse is in charge again
    if (_MausOK == 1 && (_MausX != _lastMouseX || _MausY != _lastMouseY || _MausFireLeft || _MausFireRight))
        _LastDevice = INPUT_MOUSE;
    _lastMouseX = _MausX;
    _lastMouseY = _MausY;
}

tavoTMousePointer::tavoTMousePointer()
{
    _imgPointer = std::make_unique<tavoTBild>();
    _imgPointer->LoadFromDisk("data/ui/cursor.png", 0, -1);
    _imgPointerUnlock = std::make_unique<tavoTBild>();
    _imgPointerUnlock->LoadFromDisk("data/ui/key.png", 0, -1);
}

tavoTMousePointer::~tavoTMousePointer() = default;

void tavoTMousePointer::Update()
{
    if (_useGFXPointer == 0) return;
    if (_drawPointer == _POINTER_UNLOCK)
        _imgPointerUnlock->PaintXY(_x, _y);
    else
        _imgPointer->PaintXY(_x, _y);
}

void tavoTMousePointer::setXY(float x, float y)
{
    _absX = x;
    _absY = y;
    if (_isUsingRatio == 1) {
        _x = x * _ratioX;
        _y = y * _ratioY;
    } else {
        _x = x;
        _y = y;
    }
}

void tavoTMousePointer::SetPointer(int kind) { _drawPointer = kind; }

void tavoTMousePointer::toggleGFXMode()
{
    if (_useGFXPointer == 1)
        disableGFXMode();
    else
        enableGFXMode();
}

void tavoTMousePointer::enableGFXMode()
{
    _useGFXPointer = 1;
    Sys_ShowCursor(false);
}

void tavoTMousePointer::disableGFXMode()
{
    _useGFXPointer = 0;
    Sys_ShowCursor(true);
}
