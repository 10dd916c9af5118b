// The splash pages shown at start-up, read from the branding configuration, before the loading screen.
#pragma once

#include <memory>
#include <string>

#include "framework/scene.h"

class tavoTBild;

constexpr int INTRO_MAX_PAGES = 6;
constexpr int INTRO_MAX_LINES = 29;
// A page that names no time is shown this long, so the intro always ends.
constexpr int INTRO_DEFAULT_FRAMES = 120;
// Longest a page may stay (a minute at 40 frames a second): a page that cannot be skipped must not hold the game.
constexpr int INTRO_MAX_FRAMES = 40 * 60;

class tavoTSceneIntro : public tavoTScene {
public:
    tavoTSceneIntro();
    ~tavoTSceneIntro() override;
    int Prepare() override;
    int Update() override;
    int Leave() override;
    virtual void setW(int page) { _w = page; }
    virtual int _read_introsettings();

    std::unique_ptr<tavoTBild> _img[INTRO_MAX_PAGES + 1];
    std::string _path[INTRO_MAX_PAGES + 1];
    int _page = 0;
    int _loaded = 0;
    int _frames[INTRO_MAX_PAGES + 1] = {};
    int _pages = 0;
    int _Position[INTRO_MAX_PAGES + 1] = {};
    int _skip[INTRO_MAX_PAGES + 1] = {};
    int _w = 0;
};
