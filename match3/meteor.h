// The meteor that now and then crosses the board (its flight and rain arrive with the meteor work).
#pragma once

struct SysImage;

class TMeteor {
public:
    virtual ~TMeteor() = default;
    virtual int loadImages();
    virtual int Start() { return 0; }
    virtual int Update() { return 0; }
    virtual int CalcNextAppearance() { return 0; }

    int inAction = 0;
    int nextAppearance = 0;
    SysImage* img = nullptr;   // "data/Match3/ast.png", 16 frames of 50 x 56
};
