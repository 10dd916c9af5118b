// The board scene: rules, drawing and the per-frame run of one level.
#pragma once

#include "framework/scene.h"

class tavoTBild;

class tavoTSceneMatch3 : public tavoTScene {
public:
    tavoTSceneMatch3();
    ~tavoTSceneMatch3() override;
    int Prepare() override;
    int Update() override;
    int Leave() override;

    int _winrun = 0;
    tavoTBild* _imgBG;
};
