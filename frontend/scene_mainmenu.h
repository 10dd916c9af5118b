// The main menu.
#pragma once

#include "framework/scene.h"

class tavoTBild;

class tavoTSceneMainmenu : public tavoTScene {
public:
    tavoTSceneMainmenu();
    ~tavoTSceneMainmenu() override;
    int Prepare() override;
    int Update() override;
    int Leave() override;
    void _reloadBG() {}

    tavoTBild* _imgBG;
};
