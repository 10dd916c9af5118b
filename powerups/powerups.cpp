// Power-up buttons with their pictures and constants; charging and the four effects arrive with the power-up work.
#include "powerups/powerups.h"

#include "app/globals.h"
#include "framework/bild.h"

tavoTPowerUp::tavoTPowerUp()
    : _imgReady(new tavoTBild()), _imgDisabled(new tavoTBild()), _imgLocked(new tavoTBild()), _imgBackground(new tavoTBild())
{
}

tavoTPowerUp::~tavoTPowerUp()
{
    delete _imgReady;
    delete _imgDisabled;
    delete _imgLocked;
    delete _imgBackground;
}

void tavoTPowerUp::setup(const std::string& label, float x, float y, int unlockCost, int chargeCost, int level,
                         const std::string& path)
{
    _label = label;
    _x = x;
    _y = y;
    _unlockCost = unlockCost;
    _chargeCost = chargeCost;
    _availableOnLevel = level;
    imgPath = path;
    tavoTBild* pics[4] = {_imgReady, _imgDisabled, _imgBackground, _imgLocked};
    const char* names[4] = {"ready.png", "disabled.png", "background.png", "lock.png"};
    for (int i = 0; i < 4; ++i) {
        pics[i]->LoadFromDisk(imgPath + names[i], 1, -1);
        pics[i]->setXY(_x, _y);
    }
    isUnlocked = 0;
    isReady = 0;
}

int tavoTPowerUp::Update()
{
    _imgBackground->Paint();
    if (isUnlocked == 0)
        _imgLocked->Paint();
    else
        (isReady ? _imgReady : _imgDisabled)->Paint();
    return 0;
}

tavoTPU_RemoveLine::tavoTPU_RemoveLine() { setup("Remove Line", 80, 718, 27500, 4500, 3, "data/powerups/removeline/"); }

tavoTPU_RemoveSameItem::tavoTPU_RemoveSameItem()
{
    setup("Remove same Items", 350, 718, 47500, 7500, 5, "data/powerups/removesameitems/");
}

tavoTPU_ThrowExplosive::tavoTPU_ThrowExplosive()
{
    setup("Throw Explosive", 672, 718, 70000, 2500, 7, "data/powerups/throwexplosive/");
}

tavoTPU_ReplaceAllItems::tavoTPU_ReplaceAllItems()
{
    setup("Replace all items", 940, 718, 105000, 12500, 9, "data/powerups/replaceallitems/");
}

void lockAllPowerUpsForReset()
{
    puRemoveLine->isUnlocked = 0;
    puRemoveSameItem->isUnlocked = 0;
    puReplaceAllItems->isUnlocked = 0;
    puThrowExplosive->isUnlocked = 0;
}
