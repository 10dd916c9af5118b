// All game audio: the effect table by sound id and one looping music title.
#pragma once

#include <string>

struct SysSound;

constexpr int _NUM_SOUNDS = 58;

class tavoTSoundHandler {
public:
    virtual ~tavoTSoundHandler() = default;
    virtual int init_sound();
    virtual int PlayS(int id, float x);
    virtual int sounds();
    virtual int play_music(const std::string& title);
    virtual int stop_music();

    std::string akttitle;
    std::string nexttitle;
    int soundpossible = 0;
    int soundplaying[_NUM_SOUNDS + 1] = {};
    SysSound* music = nullptr;
    SysSound* _sound[_NUM_SOUNDS + 1] = {};
    int musicChannel = 0;
    int soundChannel = 0;
};
