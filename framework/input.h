// The per-frame input snapshot and the drawn mouse pointer.
#pragma once

#include <memory>
#include <string>

class tavoTBild;

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
