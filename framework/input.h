// The per-frame input snapshot and the drawn mouse pointer.
#pragma once

#include <memory>
#include <string>

class tavoTBild;

// The kind of input a player used last: the keyboard focus shows after keys or a pad and hides when the mouse moves.
enum TInputDevice { INPUT_MOUSE = 0, INPUT_KEYS = 1, INPUT_PAD = 2 };
// A held direction steps once, waits NAV_REPEAT_DELAY frames, then steps every NAV_REPEAT_EVERY frames.
constexpr int NAV_REPEAT_DELAY = 10;
constexpr int NAV_REPEAT_EVERY = 3;
// A stick counts as pushed beyond PAD_STICK_ON and as let go below PAD_STICK_OFF, so that it does not flutter.
constexpr int PAD_STICK_ON = 16000;
constexpr int PAD_STICK_OFF = 10000;

// One direction's press and repeat, fed once a frame with whether it is held.
struct TNavRepeat {
    int heldFrames = 0;
    int step(bool held);
};

class tavoTInput {
public:
    virtual ~tavoTInput() = default;
    virtual void FlushInput();
    virtual void Update();

    int _MausFireLeft = 0;
    int _MausFireRight = 0;
    int _MausDownLeft = 0;
    int _MausDownRight = 0;
    int _MausZSpd = 0;
    int _MausOK = 0;
    float _MausX = 0, _MausY = 0;
    int _MausDownLeftCount = 0;
    int _Enter = 0;
    int _Escape = 0;
    int _Space = 0;
    int _F10 = 0, _F9 = 0, _F8 = 0, _F7 = 0, _F6 = 0, _F5 = 0, _F4 = 0, _F3 = 0, _F2 = 0, _F1 = 0;
    // Moving and choosing by keys (arrows, WASD, Enter, Space, Escape) or a pad (D-pad, left stick, south, east
    // and Start buttons): 1 in a frame with a press or a repeat. The pad's east button also counts as Escape.
    int _NavLeft = 0, _NavRight = 0, _NavUp = 0, _NavDown = 0;
    int _Confirm = 0, _Cancel = 0, _PadStart = 0;
    // The board's own keys and buttons, 1 in a frame with a press: a power-up button by number (keys 1-4), the
    // pad's shoulders stepping through the power-ups and its north button using one, the meteor strike (E, pad
    // west), and dropping a picked gem or power-up (Backspace or the pad's east button, which is _Escape as well).
    int _PowerUpKey = 0;
    int _PadPowerUpStep = 0, _PadPowerUpUse = 0;
    int _Strike = 0, _DropPick = 0;
    int _LastDevice = INPUT_MOUSE;
    // The frame a text entry last ran in: while one is open, letters and Space are text and Enter is the entry's own,
    // so only the arrows and a pad move and choose.
    int _TextEntryFrame = -100;
    // The frame Enter last went down in; `_Enter` stays 1 for as long as it is held.
    int _EnterDownFrame = -100;

private:
    void updateNavigation();
    // Reads the board's keys and buttons; returns the device they came from, INPUT_MOUSE when none.
    int updateBoardKeys(bool typing);
    TNavRepeat _repeat[4];
    bool _stick[4] = {};
    float _lastMouseX = 0, _lastMouseY = 0;
};

constexpr int _POINTER_NORMAL = 1;
constexpr int _POINTER_UNLOCK = 2;

class tavoTMousePointer {
public:
    tavoTMousePointer();
    virtual ~tavoTMousePointer();
    virtual void Update();
    virtual void setXY(float x, float y);
    virtual void SetPointer(int kind);
    virtual void toggleGFXMode();
    virtual void enableGFXMode();
    virtual void disableGFXMode();

    float _x = 0, _y = 0;
    float _absX = 0, _absY = 0;
    float _ratioX = 1.0f, _ratioY = 1.0f;
    int _isUsingRatio = 1;
    std::unique_ptr<tavoTBild> _imgPointer;
    std::unique_ptr<tavoTBild> _imgPointerUnlock;
    int _drawPointer = 1;
    std::string _currentPointer;
    int _useGFXPointer = 1;
};
