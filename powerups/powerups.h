// The four power-ups and their shared state machine (its rules arrive with the power-up work).
#pragma once

#include <string>

class tavoTBild;

class tavoTPowerUp {
public:
    tavoTPowerUp();
    virtual ~tavoTPowerUp();
    virtual int _lock() { isUnlocked = 0; return 1; }
    virtual int Prepare() { return 0; }
    // Draws the button; the state machine behind it is still to come.
    virtual int Update();
    virtual float getX() { return _x; }
    virtual float getY() { return _y; }

    std::string _label;
    float _x = 0, _y = 0;
    int _unlockCost = 0;
    int _chargeCost = 0;
    int _availableOnLevel = 0;
    std::string imgPath;
    int isUnlocked = 0;
    int isReady = 0;
    int isFirstTime = 1;
    tavoTBild* _imgReady;
    tavoTBild* _imgDisabled;
    tavoTBild* _imgLocked;
    tavoTBild* _imgBackground;

protected:
    void setup(const std::string& label, float x, float y, int unlockCost, int chargeCost, int level, const std::string& path);
};

class tavoTPU_ReplaceAllItems : public tavoTPowerUp {
public:
    tavoTPU_ReplaceAllItems();
};
class tavoTPU_ThrowExplosive : public tavoTPowerUp {
public:
    tavoTPU_ThrowExplosive();
};
class tavoTPU_RemoveSameItem : public tavoTPowerUp {
public:
    tavoTPU_RemoveSameItem();
};
class tavoTPU_RemoveLine : public tavoTPowerUp {
public:
    tavoTPU_RemoveLine();
};

// The R key: every power-up locked again.
void lockAllPowerUpsForReset();
