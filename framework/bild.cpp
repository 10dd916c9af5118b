// Picture wrapper: load, unload, draw from the corner or the centre, keep the screen box current.
#include "framework/bild.h"

#include <cstdio>

#include "platform/sys.h"

std::string floatText(float v)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, "%f", (double)v);
    return buf;
}

tavoTBild::~tavoTBild()
{
    Sys_FreeImage(data);
}

void tavoTBild::reset()
{
    X = Y = x1 = x2 = y1 = y2 = rot = sc = 0;
    Sys_FreeImage(data);
    data = nullptr;
    isLoaded = 0;
}

int tavoTBild::LoadFromDisk(const std::string& u, int centre, int flags)
{
    url = u;
    SysImage* img = Sys_LoadImage(url, flags);
    Sys_FreeImage(data);
    data = img;
    if (data) {
        isLoaded = 1;
        W = (float)Sys_ImageWidth(data);
        H = (float)Sys_ImageHeight(data);
        label = url;
        if (centre == 1) Center();
        recalculateCoords();
    } else {
        Unload();
        Sys_Trace("tavoTBild: Laden nicht erfolgreich (" + url + ")");
    }
    return 0;
}

int tavoTBild::Unload()
{
    Sys_FreeImage(data);
    data = nullptr;
    isLoaded = 0;
    Sys_Trace("tavoTBild: " + url + " (" + label + ") entladen.");
    return 1;
}

int tavoTBild::Paint()
{
    if (isLoaded == 1 && data) {
        Sys_DrawImage(data, X, Y, 0);
        return 1;
    }
    Sys_Trace("tavoTBild: PaintErr: " + url + " (" + label + ")");
    return 0;
}

int tavoTBild::PaintXY(float x, float y)
{
    if (data && isLoaded == 1) {
        Sys_DrawImage(data, x, y, 0);
        return 1;
    }
    Sys_Trace("tavoTBild: PaintErr: " + url + " (" + label + ") an " + floatText(x) + "/" + floatText(y));
    return 0;
}

int tavoTBild::setXY(float x, float y)
{
    X = x;
    Y = y;
    recalculateCoords();
    return 1;
}

int tavoTBild::Center()
{
    if (data) {
        Sys_MidHandleImage(data);
        isCentered = 1;
        recalculateCoords();
        return 1;
    }
    isCentered = 0;
    recalculateCoords();
    return 0;
}

void tavoTBild::recalculateCoords()
{
    if (isCentered == 1) {
        x1 = X - W / 2;
        y1 = Y - H / 2;
        x2 = X + W / 2;
        y2 = Y + H / 2;
    } else {
        x1 = X;
        y1 = Y;
        x2 = X + W;
        y2 = Y + H;
    }
}

int tavoTBild::setHandleTopLeft()
{
    if (isCentered == 1 && data) {
        Sys_SetImageHandle(data, 0, 0);
        isCentered = 0;
        return 1;
    }
    return 0;
}

void tavoTBild::debugOutputCoords()
{
    Sys_Trace("tavoTBild: Box-Koordinaten (x1,y1,x2,y2): (" + floatText(x1) + "," + floatText(y1) + "," +
              floatText(x2) + "," + floatText(y2) + ")");
}
