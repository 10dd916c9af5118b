// Splash pages shown at start-up before the loading screen.
#pragma once

#include "framework/scene.h"

class tavoTBild;

class tavoTSceneIntro : public tavoTScene {
public:
    tavoTSceneIntro();
    ~tavoTSceneIntro() override;
    int Prepare() override;
    int Update() override;
    int Leave() override;
    void setW(int page) { w = page; }

    int w = 1;
    tavoTBild* _img;
};
