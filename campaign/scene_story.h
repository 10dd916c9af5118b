// Story pages between chapters.
#pragma once

#include "framework/scene.h"

class tavoTBild;

class tavoTSceneStory : public tavoTScene {
public:
    tavoTSceneStory();
    ~tavoTSceneStory() override;
    int Prepare() override;
    int Update() override;
    int Leave() override;

    void setPage(int page) { _page = page; }

    int _page = 1;
    tavoTBild* _img;
};
