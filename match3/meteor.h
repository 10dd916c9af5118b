// The meteor that now and then crosses the board.
#pragma once

class TMeteor {
public:
    virtual ~TMeteor() = default;
};
