// Floating texts that rise and fade on the board, such as the points of a move.
#pragma once

#include <list>
#include <string>

class tavoTMessage {
public:
    virtual ~tavoTMessage() = default;
    std::string text;
    float x = 0, y = 0;   // left edge and top of the text
    int r = 0;            // age in frames
};

class tavoTMessageHandler {
public:
    virtual ~tavoTMessageHandler() = default;
    virtual int Update();
    virtual int addMessage(const std::string& text, float x, float y);

    std::list<tavoTMessage> _listMessages;
};
