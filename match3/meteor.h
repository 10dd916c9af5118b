// The meteor that now and then crosses the board.
#pragma once

struct SysImage;

class TMeteor {
public:
    virtual ~TMeteor() = default;
    SysImage* img = nullptr;   // "data/Match3/ast.png", 16 frames of 50 x 56
};
