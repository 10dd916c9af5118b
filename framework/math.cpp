// Vector, colour, entity, version, grid and frame counter helpers.
#include "framework/math.h"

#include <cmath>
#include <cstdio>

#include "framework/trace.h"
#include "platform/sys.h"

int clampToInt(double v)
{
    if (std::isnan(v)) return 0;
    if (v >= 2147483647.0) return 2147483647;
    if (v <= -2147483648.0) return -2147483647 - 1;
    return (int)v;
}

tavoTVector2 tavoTVector2::Create(float x, float y)
{
    tavoTVector2 v;
    v.setXY(x, y);
    return v;
}

tavoTVector2 tavoTVector2::sum(const tavoTVector2& a, const tavoTVector2& b) { return Create(a.x + b.x, a.y + b.y); }

int tavoTVector2::equality(const tavoTVector2& a, const tavoTVector2& b, int flag)
{
    if (flag == 0) return ((int)a.x == (int)b.x && (int)a.y == (int)b.y) ? 1 : 0;
    return (a.x == b.x && a.y == b.y) ? 1 : 0;
}

tavoTVector2 tavoTVector2::multiplyByScalar(const tavoTVector2& v, float s) { return Create(v.x * s, v.y * s); }
tavoTVector2 tavoTVector2::multiplyByVector(const tavoTVector2& a, const tavoTVector2& b) { return Create(a.x * b.x, a.y * b.y); }
float tavoTVector2::getDistanceX(const tavoTVector2& a, const tavoTVector2& b) { return b.x - a.x; }
float tavoTVector2::getDistanceY(const tavoTVector2& a, const tavoTVector2& b) { return b.y - a.y; }

float tavoTVector2::getDistance(const tavoTVector2& a, const tavoTVector2& b)
{
    float dx = getDistanceX(a, b), dy = getDistanceY(a, b);
    return Sys_Sqrt(dx * dx + dy * dy);
}

tavoTVector2 tavoTVector2::normalize(const tavoTVector2& v)
{
    float k = 1.0f / Sys_Sqrt(v.x * v.x + v.y * v.y);
    return Create(v.x * k, v.y * k);
}

float tavoTVector2::getAngle(const tavoTVector2& a, const tavoTVector2& b)
{
    float la = Sys_Sqrt(a.x * a.x + a.y * a.y), lb = Sys_Sqrt(b.x * b.x + b.y * b.y);
    return Sys_ASin((a.x * b.x + a.y * b.y) / (la * lb));
}

tavoTVector2 tavoTVector2::negate(const tavoTVector2& v) { return multiplyByVector(v, Create(-1, -1)); }

int tavoTVector2::add(const tavoTVector2& v)
{
    x += v.x;
    y += v.y;
    return 1;
}

float tavoTVector2::dotProd(const tavoTVector2& a, const tavoTVector2& b) { return a.x * b.x + a.y * b.y; }
float tavoTVector2::Dot(const tavoTVector2& v) const { return x * v.x + y * v.y; }

tavoTRGB tavoTRGB::Create(int r, int g, int b)
{
    tavoTRGB c;
    c.r = r;
    c.g = g;
    c.b = b;
    return c;
}

void tavoTRGB::randomize()
{
    r = randInt(0, 255);
    g = randInt(0, 255);
    b = randInt(0, 255);
}

int tavoTEntity2D::incAngle(float a)
{
    angle += a;
    if (angle > 359) angle -= 360;
    return 0;
}

int tavoTEntity2D::decAngle(float a)
{
    angle -= a;
    if (angle < 0) angle += 360;
    return 0;
}

int tavoTEntity2D::setAngle(float a)
{
    angle = (a >= 0 && a < 360) ? a : 0;
    return 0;
}

int tavoTEntity2D::Move()
{
    if (isMoveable != 0) curCoord.add(vecMove);
    return 0;
}

int tavoTEntity2D::UpdatAllDistances()
{
    UpdateDistance();
    UpdateDistanceLeft();
    UpdateDistancePassed();
    return 0;
}

int tavoTEntity2D::UpdateDistance() { Distance = tavoTVector2::getDistance(srcCoord, dstCoord); return 0; }
int tavoTEntity2D::UpdateDistancePassed() { DistancePassed = tavoTVector2::getDistance(srcCoord, curCoord); return 0; }
int tavoTEntity2D::UpdateDistanceLeft() { DistanceLeft = tavoTVector2::getDistance(curCoord, dstCoord); return 0; }

tavoTVersion tavoTVersion::Create(int major, int minor, int revision)
{
    tavoTVersion v;
    v.major = major;
    v.minor = minor;
    v.revision = revision;
    return v;
}

std::string tavoTVersion::getVersionString() const
{
    return std::to_string(major) + "." + std::to_string(minor) + "." + std::to_string(revision);
}

tavoTLayer2D tavoTLayer2D::Create(int w, int h, const std::string& caption)
{
    traceLog("Neuer Layer (" + caption + ") initialisiert (" + std::to_string(w) + "," + std::to_string(h) + ")");
    tavoTLayer2D l;
    l.map.assign((size_t)(w > 0 ? w : 0) * (size_t)(h > 0 ? h : 0), 0);
    l.w = w;
    l.h = h;
    l.caption = caption;
    return l;
}

int tavoTLayer2D::checkCoord(int x, int y)
{
    if (x >= 0 && x <= w - 1 && y >= 0 && y <= h - 1) return 1;
    traceLog("tavoTLayer2D.checkCoord: Koordinaten ausserhalb des zulaessigen Bereichs (" + caption + ")" +
             coordText((float)x, (float)y, 1, "P"));
    return 0;
}

int tavoTLayer2D::checkX(int x)
{
    if (x >= 0 && x <= w - 1) return 1;
    traceLog("tavoTLayer2D.checkX: X-Koordinate ausserhalb des zulaessigen Bereichs");
    return 0;
}

int tavoTLayer2D::checkY(int y)
{
    if (y >= 0 && y <= h - 1) return 1;
    traceLog("tavoTLayer2D.checkY: Y-Koordinate ausserhalb des zulaessigen Bereichs");
    return 0;
}

int tavoTLayer2D::getCellValue(int x, int y) { return checkCoord(x, y) ? map[(size_t)y * w + x] : 0; }

int tavoTLayer2D::setCellValue(int x, int y, int value)
{
    if (checkCoord(x, y)) map[(size_t)y * w + x] = value;
    return 0;
}

void tavoTLayer2D::resetMap()
{
    for (int& v : map) v = 0;
}

int tavoTLayer2D::swapCell(int x1, int y1, int x2, int y2)
{
    int a = getCellValue(x1, y1), b = getCellValue(x2, y2);
    setCellValue(x1, y1, b);
    setCellValue(x2, y2, a);
    return 1;
}

int tavoTLayer2D::getDistanceX(int x1, int x2) { return (checkX(x1) && checkX(x2)) ? std::abs(x2 - x1) : 0; }
int tavoTLayer2D::getDistanceY(int y1, int y2) { return (checkY(y1) && checkY(y2)) ? std::abs(y2 - y1) : 0; }

float tavoTLayer2D::getDistance(int x1, int y1, int x2, int y2)
{
    float dx = (float)getDistanceX(x1, x2), dy = (float)getDistanceY(y1, y2);
    return Sys_Sqrt(dx * dx + dy * dy);
}

static int s_fpsFrames = 0;
static uint32_t s_fpsNext = 0;
static int s_fpsLast = 0;

int tavoTFPS::Calc()
{
    s_fpsFrames += 1;
    if (Sys_Millisecs() > s_fpsNext) {
        s_fpsLast = s_fpsFrames;
        s_fpsNext = Sys_Millisecs() + 1000;
        s_fpsFrames = 0;
    }
    return s_fpsLast;
}

void tavoTFPS::DrawFPS(float x, float y) { Sys_DrawText("FPS: " + std::to_string(Calc()), x, y); }

std::string coordText(float x, float y, int asInt, const std::string& label)
{
    if (asInt != 0) return label + "(" + std::to_string((int)x) + "|" + std::to_string((int)y) + ")";
    char buf[96];
    std::snprintf(buf, sizeof buf, "(%#.9g|%#.9g)", (double)x, (double)y);
    return label + buf;
}
