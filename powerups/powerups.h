// The four power-up buttons along the bottom of the board: their shared state machine and the four effects.
#pragma once

#include <cstdint>
#include <list>
#include <memory>
#include <string>

#include "framework/math.h"

class tavoTBild;

class tavoTPowerUp {
public:
    tavoTPowerUp();
    virtual ~tavoTPowerUp();

    virtual int Update() = 0;
    virtual int Prepare() = 0;
    virtual int _activate() = 0;
    virtual int _deactivate() = 0;
    virtual int _select() = 0;
    virtual int _deselect() = 0;
    virtual int _animateIdle() = 0;
    virtual int _work() = 0;
    virtual int _onClick() = 0;
    virtual int _debugInfo() { return 0; }
    // Title and text of this power-up's page in the instructions; name is e.g. "removeline".
    virtual int _introduceMyself(const std::string& name, float y);
    virtual int IntroductionPicture(float x, float y);
    virtual int _checkStatus();
    virtual int _checkAvailability(int level);
    virtual int checkReady();
    virtual int setup(int unlock, int ready);
    virtual int checkUnlock(int points);
    virtual int _Unlock(int withSound, int free);
    virtual int _lock();
    virtual int setReady();
    virtual int getRuntime();
    virtual int _resetRuntime();
    virtual void setX(float x);
    virtual float getX();
    virtual uint8_t setY(float y);
    virtual float getY();
    virtual uint8_t setXY(float x, float y);
    virtual int checkHover();
    virtual int _msgPowerUpNotReady();
    virtual int _msgPowerUpNotEnoughPoints();
    virtual int _msgPowerUpReadyForAction();
    virtual int _msgPowerUpUnlocked();
    virtual int _msgPowerUpBusy();
    virtual int _onHover();
    // The light a hovered button gets; the pad's chosen one gets it too.
    void paintHoverLight();
    // The tooltip's text: what a use costs, or unlocking while locked.
    std::string _costText();
    // A press by its number key or the pad's north button, taken when a click on the button would be.
    int _onKeyPress();

    int isAvailable = 0;
    int isRunning = 0;
    int isSelected = 0;
    int isUnlocked = 0;
    int isReady = 0;
    int isHover = 0;
    int isFirstTime = 0;
    int _runtime = 0;
    int _hover_runtime = 0;
    std::string _label;
    std::string imgPath;
    int _chargeCost = 0;
    int _unlockCost = 0;
    int _availableOnLevel = 0;
    float _x = 0, _y = 0;
    std::unique_ptr<tavoTBild> _imgReady, _imgDisabled, _imgLocked, _imgBackground;

protected:
    // The constants of one power-up and its four button pictures.
    void _define(const std::string& label, float x, float y, int unlockCost, int chargeCost, int level, const std::string& path);
    // Takes the points of one use (none for the first after unlocking) and marks the power-up running.
    void _charge();
    int _feedback(int sound, const char* key);
    // The click on a two-step button selects or deselects; on a one-step button it starts the effect.
    int _clickTwoStep();
    int _clickOneStep();
    // Removes the item in one board slot as both target-picking power-ups do; returns 1 when something went.
    int _removeTarget(int slot, bool lineFilter, bool flareBeforeMoss);
};

// One pending removal of the two target-picking power-ups.
class _TtmpInteger {
public:
    int v = 0;
    int r = 0;
    float tx = 0;
    float ty = 0;
    // 1 when this one lies left of other, -1 right of it, 0 level or no other.
    int Compare(const _TtmpInteger* other) const;
};

// A power-up that starts at its button's click.
class tavoTPU_OneStep : public tavoTPowerUp {
public:
    int Update() override;
    int _select() override;
    int _deselect() override;
    int _animateIdle() override { return 0; }
    int _onClick() override { return _clickOneStep(); }

protected:
    // The start both share: the launch effect at the button, the run's first frame, the start sound.
    void _launch(int effect, int sound);
};

// A power-up that picks its target: the button's click selects it, a click on the board starts it.
class tavoTPU_TwoStep : public tavoTPowerUp {
public:
    int _select() override;
    int _deselect() override;
    int _animateIdle() override { return 0; }
    int _onClick() override { return _clickTwoStep(); }
};

class tavoTPU_RemoveLine : public tavoTPU_TwoStep {
public:
    tavoTPU_RemoveLine();
    int Update() override;
    int Prepare() override;
    int _activate() override;
    int _deactivate() override;
    int _deselect() override;
    int _work() override;

    int _selectedRow = 0;
    std::list<_TtmpInteger> _listOfTargets;
    // Kinds a row can be picked by: any item but doors, beetles, power-up items and brakes.
    static bool _isRowTarget(int kind);
};

class tavoTPU_RemoveSameItem : public tavoTPU_TwoStep {
public:
    tavoTPU_RemoveSameItem();
    int Update() override;
    int Prepare() override;
    int _activate() override;
    int _deactivate() override;
    int _work() override;

    int _selectedItem = 0;
    std::list<_TtmpInteger> _listoftargets;
};

class tavoTPU_ReplaceAllItems : public tavoTPU_OneStep {
public:
    tavoTPU_ReplaceAllItems();
    int Prepare() override;
    int _activate() override;
    int _deactivate() override;
    int _work() override;
};

class tavoTPU_ThrowExplosive : public tavoTPU_OneStep {
public:
    tavoTPU_ThrowExplosive();
    int Prepare() override;
    int _activate() override;
    int _deactivate() override;
    int _work() override;

    int _targetz = 0;
    tavoTVector2 putarget;
    // What the activation took, given back when the board offers nothing to throw at.
    int _paidPoints = 0;
    int _paidFirstTime = 0;

private:
    int _chooseTarget();
    void _drawFuse();
    void _explode();
};

// The R key: every power-up locked again.
void lockAllPowerUpsForReset();
