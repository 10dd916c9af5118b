// Floating texts that rise and fade on the board.
#pragma once

#include <string>

class tavoTMessageHandler {
public:
    virtual ~tavoTMessageHandler() = default;
    virtual int addMessage(const std::string& text, float x, float y);
    virtual int Update();
};
