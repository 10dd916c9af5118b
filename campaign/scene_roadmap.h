// The level map of the campaign.
#pragma once

#include "framework/scene.h"

class tavoTBild;

class tavoTSceneRoadmap : public tavoTScene {
public:
    tavoTSceneRoadmap();
    ~tavoTSceneRoadmap() override;
    int Prepare() override;
    int Update() override;
    int Leave() override;
    void setRoadmapCoords() {}

    tavoTBild* _imgMap;
};
