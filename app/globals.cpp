// The global objects, created in their fixed order and destroyed in reverse.
#include "app/globals.h"

#include "app/mainloop.h"
#include "campaign/config.h"
#include "campaign/scene_intro.h"
#include "campaign/scene_roadmap.h"
#include "campaign/scene_story.h"
#include "campaign/spieler.h"
#include "fonts/bitmapfont.h"
#include "framework/bild.h"
#include "framework/input.h"
#include "framework/language.h"
#include "framework/scene.h"
#include "frontend/effects.h"
#include "frontend/holo.h"
#include "frontend/dialogs/dialogs.h"
#include "frontend/messages.h"
#include "frontend/popup.h"
#include "frontend/scene_loadscreen.h"
#include "frontend/scene_mainmenu.h"
#include "frontend/sound_handler.h"
#include "frontend/widgets.h"
#include "match3/meteor.h"
#include "match3/scene_match3.h"
#include "powerups/powerups.h"

void createGlobals()
{
    resetGlobalState();
    installSceneDispatch({dispatchEnterScene, dispatchLeaveScene});
    installWindowModeSwitch(toggleFullscreen);
    installLanguageSwitch(switchLanguage);
    installLevelWonQuery([] { return sceneMatch3 && sceneMatch3->_winrun > 0; });
    for (int i = 0; i < 81; ++i) {
        g_bestTime[i] = 0;
        g_bestTimeName[i].clear();
    }
    for (int i = 0; i < 17; ++i) {
        g_champName[i].clear();
        g_champLevel[i] = g_champPoints[i] = 0;
    }
    for (int& v : g_playerOrder) v = 0;
    createSharedImages();
    g_playTick = 0;
    for (auto& p : g_players) p = nullptr;
    g_config = new TConfig();
    g_lang = new tavoTLanguageFile();
    g_fontText = new TBitmapFont();
    g_fontHeader = new TBitmapFont();
    for (int i = 0; i < 20; ++i) g_gemBarX[i] = g_gemBarY[i] = 0;
    sceneHandler = new tavoTSceneHandler();
    popupHandler = new tavoTPopup();
    soundHandler = new tavoTSoundHandler();
    messageHandler = new tavoTMessageHandler();
    g_input = new tavoTInput();
    puReplaceAllItems = new tavoTPU_ReplaceAllItems();
    puThrowExplosive = new tavoTPU_ThrowExplosive();
    puRemoveSameItem = new tavoTPU_RemoveSameItem();
    puRemoveLine = new tavoTPU_RemoveLine();
    sceneIntro = new tavoTSceneIntro();
    sceneLoadscreen = new tavoTSceneLoadscreen();
    sceneRoadmap = new tavoTSceneRoadmap();
    sceneMainmenu = new tavoTSceneMainmenu();
    sceneMatch3 = new tavoTSceneMatch3();
    sceneStory = new tavoTSceneStory();
    mousePointer = new tavoTMousePointer();
    g_meteor = new TMeteor();
    for (auto& d : g_imgDebris) d = new tavoTBild();
    g_effects[0] = nullptr;
    for (int i = 1; i < MAX_EFFECTS; ++i) g_effects[i] = new tavoTEffect();
    g_imgWaypointActive = new tavoTBild();
    g_imgWaypointInactive = new tavoTBild();
    g_imgStageActive = new tavoTBild();
    g_imgStageInactive = new tavoTBild();
}

template <class T> static void drop(T*& p)
{
    delete p;
    p = nullptr;
}

void destroyGlobals()
{
    drop(g_imgStageInactive);
    drop(g_imgStageActive);
    drop(g_imgWaypointInactive);
    drop(g_imgWaypointActive);
    for (auto& e : g_effects) drop(e);
    for (auto& d : g_imgDebris) drop(d);
    drop(g_meteor);
    drop(mousePointer);
    drop(sceneStory);
    drop(sceneMatch3);
    drop(sceneMainmenu);
    drop(sceneRoadmap);
    drop(sceneLoadscreen);
    drop(sceneIntro);
    drop(puRemoveLine);
    drop(puRemoveSameItem);
    drop(puThrowExplosive);
    drop(puReplaceAllItems);
    drop(g_input);
    drop(messageHandler);
    drop(soundHandler);
    drop(popupHandler);
    drop(sceneHandler);
    drop(g_fontHeader);
    drop(g_fontText);
    drop(g_lang);
    drop(g_config);
    for (auto& p : g_players) drop(p);
    destroyHoloButtons();
    destroySharedImages();
}
