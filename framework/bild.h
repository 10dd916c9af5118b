// tavoTBild: one picture with its file, position, size and screen box; loading never fails loudly.
#pragma once

#include <string>

struct SysImage;

class tavoTBild {
public:
    tavoTBild() = default;
    tavoTBild(const tavoTBild&) = delete;
    tavoTBild& operator=(const tavoTBild&) = delete;
    virtual ~tavoTBild();

    static tavoTBild* Create() { return new tavoTBild(); }

    virtual void reset();
    virtual int LoadFromDisk(const std::string& url, int centre = 0, int flags = -1);
    virtual int Unload();
    virtual int Paint();
    virtual int PaintXY(float x, float y);
    virtual int setXY(float x, float y);
    virtual int Center();
    virtual void recalculateCoords();
    virtual int setHandleTopLeft();
    virtual void debugOutputCoords();

    std::string url;
    SysImage* data = nullptr;
    float X = 0, Y = 0, W = 0, H = 0;
    float x1 = 0, x2 = 0, y1 = 0, y2 = 0;
    float sc = 0, rot = 0;
    int isLoaded = 0;
    int isCentered = 0;
    std::string label;
};

class tavoTImage : public tavoTBild {
public:
    static tavoTImage* Create() { return new tavoTImage(); }
};

// Floats in trace lines: nine significant digits, written like 512.000000.
std::string floatText(float v);
