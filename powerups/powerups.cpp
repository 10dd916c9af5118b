// What every power-up button shares: availability, unlocking, charging, hover and tooltip, the click, its messages.
#include "powerups/powerups.h"

#include "framework/globals.h"
#include "campaign/spieler.h"
#include "framework/bild.h"
#include "framework/input.h"
#include "framework/language.h"
#include "frontend/popup.h"
#include "frontend/sound_handler.h"
#include "frontend/widgets.h"
#include "match3/board_cursor.h"
#include "match3/board_links.h"
#include "match3/scene_match3.h"
#include "platform/sys.h"

tavoTPowerUp::tavoTPowerUp()
    : _imgReady(std::make_unique<tavoTBild>()), _imgDisabled(std::make_unique<tavoTBild>()),
      _imgLocked(std::make_unique<tavoTBild>()), _imgBackground(std::make_unique<tavoTBild>())
{
}

tavoTPowerUp::~tavoTPowerUp() = default;

void tavoTPowerUp::_define(const std::string& label, float x, float y, int unlockCost, int chargeCost, int level,
                           const std::string& path)
{
    _label = label;
    _x = x;
    _y = y;
    _unlockCost = unlockCost;
    _chargeCost = chargeCost;
    _availableOnLevel = level;
    imgPath = path;
    tavoTBild* pics[4] = {_imgReady.get(), _imgDisabled.get(), _imgBackground.get(), _imgLocked.get()};
    const char* names[4] = {"ready.png", "disabled.png", "background.png", "lock.png"};
    for (int i = 0; i < 4; ++i) {
        pics[i]->LoadFromDisk(imgPath + names[i], 1, -1);
        pics[i]->setXY(_x, _y);
    }
    isUnlocked = 0;
    isReady = 0;
}

int tavoTPowerUp::_introduceMyself(const std::string& name, float y)
{
    popupHandler->box(POPUP_SIZE_BIG, g_lang->getValue("helppowerup" + name + "title"));
    drawCenteredText(g_lang->getValue("helppowerup" + name + "text"), g_fontText, 512, y);
    return 0;
}

int tavoTPowerUp::IntroductionPicture(float x, float y)
{
    Sys_SetScale(1, 1);
    _imgBackground->PaintXY(x, y);
    _imgReady->PaintXY(x, y);
    return 0;
}

int tavoTPowerUp::_checkStatus()
{
    Sys_SetScale(1, 1);
    _checkAvailability(m3Player()->Level);
    if (isAvailable != 1) return 0;
    _imgBackground->Paint();
    checkHover();
    checkReady();
    if (isUnlocked == 0) {
        _imgDisabled->Paint();
        _imgLocked->Paint();
    } else {
        (isReady == 0 ? _imgDisabled : _imgReady)->Paint();
    }
    return 0;
}

int tavoTPowerUp::_checkAvailability(int level)
{
    isAvailable = level >= _availableOnLevel ? 1 : 0;
    return isAvailable;
}

int tavoTPowerUp::checkReady()
{
    if (isUnlocked == 0) isReady = 0;
    else if (isFirstTime != 0) isReady = 1;
    else isReady = m3Player()->StoryPoints >= _chargeCost ? 1 : 0;
    return isReady;
}

int tavoTPowerUp::setup(int unlock, int ready)
{
    if (unlock != 1) return 0;
    _Unlock(0, 1);
    if (ready != 0) setReady();
    return 1;
}

int tavoTPowerUp::checkUnlock(int points) { return points >= _unlockCost ? 1 : 0; }

int tavoTPowerUp::_Unlock(int withSound, int free)
{
    if (free == 0) {
        TSpieler* p = m3Player();
        if (p->StoryPoints < _unlockCost) return _msgPowerUpNotEnoughPoints();
        p->decStoryPoints(_unlockCost);
    }
    isUnlocked = 1;
    isFirstTime = 1;
    if (withSound != 0) m3PlaySound(SOUND_PU_UNLOCKED, _x);
    if (free == 0) _msgPowerUpUnlocked();
    return 0;
}

int tavoTPowerUp::_lock()
{
    isUnlocked = 0;
    return 1;
}

int tavoTPowerUp::setReady()
{
    isReady = 1;
    return 1;
}

int tavoTPowerUp::getRuntime() { return _runtime; }

int tavoTPowerUp::_resetRuntime()
{
    _runtime = 0;
    isRunning = 0;
    g_powerUpBusy = 0;
    return 1;
}

void tavoTPowerUp::setX(float x) { _x = x; }
float tavoTPowerUp::getX() { return _x; }
uint8_t tavoTPowerUp::setY(float y)
{
    _y = y;
    return 1;
}
float tavoTPowerUp::getY() { return _y; }
uint8_t tavoTPowerUp::setXY(float x, float y)
{
    setX(x);
    setY(y);
    return 1;
}

int tavoTPowerUp::checkHover()
{
    float px = mousePointer->_x, py = mousePointer->_y;
    if (px > _x - 50 && px < _x + 50 && py > _y - 60 && py < _y + 50) {
        isHover = 1;
        return 1;
    }
    isHover = 0;
    _hover_runtime = 0;
    return 0;
}

int tavoTPowerUp::_feedback(int sound, const char* key)
{
    if (sound > 0) m3PlaySound(sound, _x);
    showMessage(_x, _y, g_lang->getValue(key));
    return 0;
}

int tavoTPowerUp::_msgPowerUpNotReady() { return _feedback(SOUND_PUNO, "powerupnotready"); }
int tavoTPowerUp::_msgPowerUpNotEnoughPoints() { return _feedback(SOUND_PUNO, "powerupnotenoughpoints"); }
int tavoTPowerUp::_msgPowerUpReadyForAction() { return _feedback(SOUND_EXPLOSION2, "powerupready"); }
int tavoTPowerUp::_msgPowerUpUnlocked() { return _feedback(0, "powerupunlocked"); }
int tavoTPowerUp::_msgPowerUpBusy() { return _feedback(SOUND_PUNO, "powerupbusy"); }

int tavoTPowerUp::_onHover()
{
    _hover_runtime += 1;
    paintHoverLight();
    tavoTSceneMatch3& b = *sceneMatch3;
    if (b._winrun == 0 && m3PopupRuntime() == 0 && b._swapping == 0 && g_input->_MausFireLeft == 1 && g_powerUpBusy == 0 &&
        b._boardAtRest() == 1) {
        _hover_runtime = 0;
        _onClick();
    }
    if (isUnlocked == 0) mousePointer->SetPointer(_POINTER_UNLOCK);
    if (_hover_runtime > 20) drawTooltip(_costText(), mousePointer->_x, _imgReady->y1 - 60, 1, 1, 0);
    return 0;
}

void tavoTPowerUp::paintHoverLight()
{
    float a = Sys_State().color_alpha;
    Sys_SetBlend(BLEND_LIGHT);
    Sys_SetAlpha(a * 0.7f);
    if (isReady == 1) _imgReady->Paint();
    else if (isUnlocked == 0) _imgDisabled->Paint();
    Sys_SetBlend(BLEND_ALPHA);
    Sys_SetAlpha(a);
}

std::string tavoTPowerUp::_costText()
{
    return isUnlocked != 0 ? g_lang->getValue("useitfor") + " " + std::to_string(_chargeCost)
                           : g_lang->getValue("unlockitfor") + " " + std::to_string(_unlockCost);
}

int tavoTPowerUp::_onKeyPress()
{
    tavoTSceneMatch3& b = *sceneMatch3;
    if (isAvailable != 1 || b._puPressed == 0 || m3PowerUpNumber(b._puPressed) != this) return 0;
    b._puPressed = 0;
    // taken when a click on the button would be
    if (b._winrun == 0 && m3PopupRuntime() == 0 && b._swapping == 0 && g_powerUpBusy == 0 && b._boardAtRest() == 1) {
        b._cursorFire = 0;
        _onClick();
    }
    return 0;
}

void tavoTPowerUp::_charge()
{
    if (isFirstTime == 0) m3Player()->decStoryPoints(_chargeCost);
    isFirstTime = 0;
    isReady = 0;
    isRunning = 1;
}

int tavoTPowerUp::_clickTwoStep()
{
    if (isUnlocked == 0) return _Unlock(1, 0);
    if (isRunning == 1) return _msgPowerUpBusy();
    if (isSelected == 1) {
        m3PlaySound(SOUND_PU_DESELECT, _x);
        return _deselect();
    }
    if (isReady == 1) {
        m3PlaySound(SOUND_PU_SELECT, _x);
        return _select();
    }
    return _msgPowerUpNotReady();
}

int tavoTPowerUp::_clickOneStep()
{
    if (isUnlocked == 0) return _Unlock(1, 0);
    if (isRunning == 1) return _msgPowerUpBusy();
    if (isReady == 1) return _select();
    return _msgPowerUpNotReady();
}

int tavoTPowerUp::_removeTarget(int i, bool lineFilter, bool flareBeforeMoss)
{
    tavoTSceneMatch3& b = *sceneMatch3;
    TSpieler* p = m3Player();
    int a = b._itemA[i];
    // an emptied slot has nothing to remove, and a refill there would overfill its column
    if (a <= 0) return 0;
    if (a <= p->maxItemsToDestroy) p->itemsDestroyed[a] += 1;
    // the row keeps its stones and doors in place
    if (lineFilter && (a == _ITEM_XSTEIN || !tavoTPU_RemoveLine::_isRowTarget(a))) return 0;
    float x = b._itemX[i], y = b._itemY[i];
    b._incpoints(x - 5, y - 7, b._gemPoints);
    m3InstallEffect(x, y, 95800 + a, 0, -15);
    p->anzItems += 1;
    b._item_prepare(x, -20, b._itemauswahl(0), 0);
    m3InstallEffect(x, y, 10000 + a, 0, 0);
    if (flareBeforeMoss) m3InstallEffect(x, y, 2000, 0, 0);
    b._mosscheck(i);
    b._cellri[b._itemCell[i]] = 0;
    b._itemCell[i] = 0;
    b._itemA[i] = 0;
    if (!flareBeforeMoss) m3InstallEffect(x, y, 2000, 0, 0);
    return 1;
}

int _TtmpInteger::Compare(const _TtmpInteger* other) const
{
    if (!other) return 0;
    if (tx < other->tx) return 1;
    if (tx > other->tx) return -1;
    return 0;
}

void lockAllPowerUpsForReset()
{
    puRemoveLine->_lock();
    puRemoveSameItem->_lock();
    puReplaceAllItems->_lock();
    puThrowExplosive->_lock();
}

int tavoTPU_OneStep::Update()
{
    // the run starts with the click and its first step comes in the next frame
    int running = isRunning;
    _debugInfo();
    _checkStatus();
    if (isHover == 1) _onHover();
    _onKeyPress();
    if (running == 1 && isRunning == 1) _work();
    return 0;
}

void tavoTPU_OneStep::_launch(int effect, int sound)
{
    m3InstallEffect(_x, _y, effect, 0, 0);
    _runtime = 1;
    isRunning = 1;
    isReady = 0;
    isFirstTime = 0;
    g_input->_MausFireLeft = 0;
    m3PlaySound(sound, _x);
}

int tavoTPU_OneStep::_select()
{
    isSelected = 1;
    return _activate();
}

int tavoTPU_OneStep::_deselect()
{
    isSelected = 0;
    return 0;
}

int tavoTPU_TwoStep::_select()
{
    isSelected = 1;
    g_input->_MausFireLeft = 0;
    // the board's presses now pick the target, and a gem held by its slot number could be removed and refilled
    tavoTSceneMatch3& b = *sceneMatch3;
    if (b._gt3_swap == 0) {
        b._gt3_partner1 = 0;
        b._gt3_partner1fumm = 0;
    }
    return 0;
}

int tavoTPU_TwoStep::_deselect()
{
    isSelected = 0;
    g_input->_MausFireLeft = 0;
    return 0;
}
