// The loading screen that loads the shared artwork while its progress bar fills.
#pragma once

#include <memory>

#include "framework/scene.h"

class tavoTBild;

class tavoTSceneLoadscreen : public tavoTScene {
public:
    tavoTSceneLoadscreen();
    ~tavoTSceneLoadscreen() override;
    int Prepare() override;
    int Update() override;
    int Leave() override;
    // Runs every loading step at once (the harness skips the screen).
    void loadEverything();

    std::unique_ptr<tavoTBild> _imgBackground;
    std::unique_ptr<tavoTBild> _imgLoadbar;
    std::unique_ptr<tavoTBild> _imgLoadbarProgress;
    float _loadbarY = 0;
};
