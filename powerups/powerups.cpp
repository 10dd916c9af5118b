// Power-up stand-ins: locking only; the state machine arrives with the power-up work.
#include "powerups/powerups.h"

#include "app/globals.h"

void lockAllPowerUpsForReset()
{
    puRemoveLine->isUnlocked = 0;
    puRemoveSameItem->isUnlocked = 0;
    puReplaceAllItems->isUnlocked = 0;
    puThrowExplosive->isUnlocked = 0;
}
