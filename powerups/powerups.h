// The four power-ups and their shared state machine.
#pragma once

class tavoTPowerUp {
public:
    virtual ~tavoTPowerUp() = default;
    virtual int _lock() { isUnlocked = 0; return 1; }
    virtual float getX() { return _x; }
    virtual float getY() { return _y; }
    float _x = 0, _y = 0;
    int isUnlocked = 0;
    int isFirstTime = 1;
};

class tavoTPU_ReplaceAllItems : public tavoTPowerUp {};
class tavoTPU_ThrowExplosive : public tavoTPowerUp {};
class tavoTPU_RemoveSameItem : public tavoTPowerUp {};
class tavoTPU_RemoveLine : public tavoTPowerUp {};

// The R key: every power-up locked again.
void lockAllPowerUpsForReset();
