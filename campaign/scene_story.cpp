// Story pages: one picture per page; "next" goes on to the next page, the level map or, after the last page, the menu.
#include "campaign/scene_story.h"

#include <string>

#include "framework/globals.h"
#include "campaign/config.h"
#include "campaign/spieler.h"
#include "framework/bild.h"
#include "framework/input.h"
#include "framework/scene.h"
#include "frontend/effects.h"
#include "frontend/focus.h"
#include "frontend/popup.h"
#include "frontend/sound_handler.h"
#include "frontend/widgets.h"
#include "platform/sys.h"

namespace {
constexpr int BUTTON_NEXT = 6;
constexpr int BUTTON_PREVIOUS = 7;
// The pages that open the campaign (1, 2) and close it (10, 11) come in pairs.
constexpr int FIRST_OPENING_PAGE = 1;
constexpr int SECOND_OPENING_PAGE = 2;
}

tavoTSceneStory::tavoTSceneStory() : imgBackground(std::make_unique<tavoTBild>()) {}
tavoTSceneStory::~tavoTSceneStory() = default;

int tavoTSceneStory::setPage(int page)
{
    _page = page < 1 ? 1 : page > _numpages ? _numpages : page;
    return 1;
}

int tavoTSceneStory::_scrollForward()
{
    if (_page < _numpages) _page += 1;
    return 1;
}

int tavoTSceneStory::_scrollBackward()
{
    if (_page > 1) _page -= 1;
    return 1;
}

int tavoTSceneStory::Prepare()
{
    setPage(_page);
    const std::string file = "data/story/story" + std::to_string(_page) + ".jpg";
    g_lastScene = g_scene;
    if (g_scene == SCENE_MAINMENU || g_scene == SCENE_MATCH3 || g_scene == SCENE_STORY) leaveScene(g_scene);
    imgBackground->LoadFromDisk(file, 0, -1);
    imgBackground->setXY(0, 0);
    resetRuntime();
    popupHandler->State = 0;
    popupHandler->runtime = 0;
    clearEffects();
    if (g_lastScene != SCENE_STORY) {
        soundHandler->play_music("main.ogg");
        g_config->musiklaut = 0;
        soundHandler->play_music("main.ogg");
    }
    g_scene = SCENE_STORY;
    sceneHandler->fade_in();
    return 1;
}

int tavoTSceneStory::Update()
{
    Sys_SetBlend(BLEND_SOLID);
    imgBackground->Paint();
    Sys_SetBlend(BLEND_ALPHA);
    g_inputLayer = popupHandler->State > 0 ? 2 : 1;
    if ((_page == SECOND_OPENING_PAGE || _page == _numpages) && drawButton(100, 710, BUTTON_PREVIOUS, 1, "") == 3) {
        _scrollBackward();
        sceneHandler->fade_out(SCENE_STORY, 0, 0);
    }
    focusPrefer(900, 710);
    const bool next = drawButton(900, 710, BUTTON_NEXT, 1, "") == 3;
    // a confirm the focus did not take turns the page, as a reader of a picture book expects
    const bool confirm = g_input->_Confirm == 1 && widgetLive(1);
    if (confirm) {
        g_input->_Confirm = g_input->_Enter = g_input->_Space = 0;
        soundHandler->PlayS(SOUND_BUTTON1, 900);
    }
    if (next || confirm) {
        TSpieler* p = g_currentPlayer >= 1 && g_currentPlayer < MAX_PLAYERS ? g_players[g_currentPlayer] : nullptr;
        if (p) p->isStoryPageShow = 0;
        if (_page == FIRST_OPENING_PAGE || _page == STORY_FIRST_CLOSING_PAGE) {
            _scrollForward();
            sceneHandler->fade_out(SCENE_STORY, 0, 0);
        } else if (_page == SECOND_OPENING_PAGE) {
            _scrollForward();
            sceneHandler->fade_out(SCENE_ROADMAP, 0, 0);
        } else if (_page == _numpages) {
            if (p) p->Level = 1;
            _page = 1;
            sceneHandler->fade_out(SCENE_MAINMENU, 0, 0);
        } else {
            sceneHandler->fade_out(SCENE_ROADMAP, 0, 0);
        }
    }
    popupHandler->ingameScreenMainmenu_show();
    return 1;
}

int tavoTSceneStory::Leave()
{
    imgBackground->Unload();
    return 1;
}
