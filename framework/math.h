// Small value classes of the framework: vector, colour, moving entity, version, integer grid, frame counter.
#pragma once

#include <string>
#include <vector>

// Brings a value computed from file data into int range: saturates at the ends, NaN gives 0.
int clampToInt(double v);

class tavoTVector2 {
public:
    float x = 0, y = 0;

    static tavoTVector2 Create(float x, float y);
    static tavoTVector2 sum(const tavoTVector2& a, const tavoTVector2& b);
    static int equality(const tavoTVector2& a, const tavoTVector2& b, int flag);
    static tavoTVector2 multiplyByScalar(const tavoTVector2& v, float s);
    static tavoTVector2 multiplyByVector(const tavoTVector2& a, const tavoTVector2& b);
    static float getDistanceX(const tavoTVector2& a, const tavoTVector2& b);
    static float getDistanceY(const tavoTVector2& a, const tavoTVector2& b);
    static float getDistance(const tavoTVector2& a, const tavoTVector2& b);
    static tavoTVector2 normalize(const tavoTVector2& v);
    static float getAngle(const tavoTVector2& a, const tavoTVector2& b);
    static tavoTVector2 negate(const tavoTVector2& v);
    int add(const tavoTVector2& v);
    float getX() const { return x; }
    float getY() const { return y; }
    int setX(float v) { x = v; return 1; }
    int setY(float v) { y = v; return 1; }
    int setXY(float nx, float ny) { x = nx; y = ny; return 1; }
    int Move(const tavoTVector2& v) { x = v.x; y = v.y; return 1; }
    static float dotProd(const tavoTVector2& a, const tavoTVector2& b);
    float Dot(const tavoTVector2& v) const;
    static int reflect() { return 0; }
};

class tavoTRGB {
public:
    int r = 0, g = 0, b = 0;
    static tavoTRGB Create(int r, int g, int b);
    static std::string rgb2Hex(int, int, int) { return ""; }
    void randomize();
};

class tavoTEntity2D {
public:
    tavoTVector2 srcCoord, dstCoord, curCoord, vecMove;
    float velocity = 0, Distance = 0, DistancePassed = 0, DistanceLeft = 0, angle = 0, TimeDelta = 0, duration = 0;
    int isSolid = 0, isMoveable = 0, isVisible = 0, canBounce = 0;

    static tavoTEntity2D Create(float, float) { return tavoTEntity2D(); }
    int incAngle(float a);
    int decAngle(float a);
    int setAngle(float a);
    float getAngle() const { return angle; }
    int incVelocity(float v) { velocity += v; return 0; }
    int decVelocity(float v) { velocity -= v; return 0; }
    int Move();
    int BeamToXY(float x, float y) { curCoord.setXY(x, y); return 0; }
    int toggleVisibility() { isVisible = isVisible == 0 ? 1 : 0; return 0; }
    int toggleMovability() { isMoveable = isMoveable == 0 ? 1 : 0; return 0; }
    int toggleBounce() { canBounce = canBounce == 0 ? 1 : 0; return 0; }
    int UpdatAllDistances();
    int UpdateDistance();
    int UpdateDistancePassed();
    int UpdateDistanceLeft();
};

class tavoTVersion {
public:
    int major = 0, minor = 0, revision = 0;
    static tavoTVersion Create(int major, int minor, int revision);
    std::string getVersionString() const;
    int setVersionString(const std::string&) { return 0; }
    void setMinor(int v) { minor = v; }
    void setMajor(int v) { major = v; }
    void setRevision(int v) { revision = v; }
    int getMinor() const { return minor; }
    int getMajor() const { return major; }
    int getRevision() const { return revision; }
};

class tavoTLayer2D {
public:
    std::vector<int> map;
    int w = 0, h = 0;
    int isVisible = 0;
    std::string caption;

    static tavoTLayer2D Create(int w, int h, const std::string& caption);
    int getCellValue(int x, int y);
    int setCellValue(int x, int y, int value);
    void resetMap();
    int swapCell(int x1, int y1, int x2, int y2);
    int checkCoord(int x, int y);
    int checkX(int x);
    int checkY(int y);
    int getDistanceX(int x1, int x2);
    int getDistanceY(int y1, int y2);
    float getDistance(int x1, int y1, int x2, int y2);
};

class tavoTFPS {
public:
    static int Calc();
    static void DrawFPS(float x, float y);
};

// A point as text for the trace: "label(x|y)" whole or with nine significant digits.
std::string coordText(float x, float y, int asInt, const std::string& label);

inline float clamp01(float v) { return v < 0 ? 0 : v > 1 ? 1 : v; }
