// The pool of short-lived visual effects: sparks, flashes, dirt, breaking items, collect flights, the meteor.
#pragma once

class tavoTEffect {
public:
    virtual ~tavoTEffect() = default;
    float x = 0, y = 0;
    int id = 0;
    int runtime = 0;
    float lx = 0, ly = 0;
    int winkel = 0;
    int d = 0;
    int target = 0;
    int targeted = 0;
    float sc = 0;
    int TailAnimCount = 0;
    int meteorexplodeframe = 0;
    int meteorexploderotationdir = 0;
    float rot = 0;
    float rotspeed = 0;
    float meteorspeed = 0;
    int meteordie = 0;
    // Set anew by every installation, so a record taken over by a later effect is told apart from the first.
    unsigned serial = 0;
};

int loadEffectImages();
int clearEffects();
int installEffect(float x, float y, int id, float lx, float ly);
// True while the effect installed as `serial` in that slot still runs.
bool effectRunning(int slot, unsigned serial);
int updateEffects();
// The glow picture a collect flight of kind k' draws; 0 draws nothing.
int collectGlowPicture(int kind);
