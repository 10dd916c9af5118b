// One record of the visual effects pool.
#pragma once

class tavoTEffect {
public:
    virtual ~tavoTEffect() = default;
    int id = 0;
    int runtime = 0;
    float x = 0, y = 0;
};
