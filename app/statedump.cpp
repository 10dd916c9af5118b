// Writes the game's global state, fader, input, popup handler and scenes as JSON.
#include "app/statedump.h"

#include <cstdio>
#include <sstream>

#include "app/globals.h"
#include "app/input.h"
#include "campaign/spieler.h"
#include "framework/scene.h"
#include "frontend/popup.h"
#include "match3/scene_match3.h"

namespace {
class Json {
public:
    void open(const char* key = nullptr)
    {
        sep();
        if (key) s_ << '"' << key << "\":";
        s_ << '{';
        first_ = true;
    }
    void close()
    {
        s_ << '}';
        first_ = false;
    }
    void num(const char* key, double v)
    {
        sep();
        char buf[64];
        std::snprintf(buf, sizeof buf, "%.9g", v);
        s_ << '"' << key << "\":" << buf;
    }
    void str(const char* key, const std::string& v)
    {
        sep();
        s_ << '"' << key << "\":\"";
        for (unsigned char c : v) {
            if (c == '"' || c == '\\') s_ << '\\' << c;
            else if (c < 32) {
                char buf[8];
                std::snprintf(buf, sizeof buf, "\\u%04x", c);
                s_ << buf;
            } else s_ << c;
        }
        s_ << '"';
    }
    std::string text() const { return s_.str(); }

private:
    void sep()
    {
        if (!first_) s_ << ',';
        first_ = false;
    }
    std::ostringstream s_;
    bool first_ = true;
};
}

std::string dumpState()
{
    Json j;
    j.open();
    j.num("g_frameCount", g_frameCount);
    j.num("g_scene", g_scene);
    j.num("g_lastScene", g_lastScene);
    j.num("g_pause", g_pause);
    j.num("g_suspend", g_suspend);
    j.num("g_quit", g_quit);
    j.num("g_inputLayer", g_inputLayer);
    j.num("g_currentPlayer", g_currentPlayer);
    j.num("g_devMode", g_devMode);
    j.num("g_textMode", g_textMode);
    j.num("g_globalAlpha", g_globalAlpha);
    j.str("g_saveDir", g_saveDir);
    j.open("sceneHandler");
    j.num("FaderColor", sceneHandler->FaderColor);
    j.num("FaderDir", sceneHandler->FaderDir);
    j.num("FaderShow", sceneHandler->FaderShow);
    j.num("FaderParam1", sceneHandler->FaderParam1);
    j.num("FaderParam2", sceneHandler->FaderParam2);
    j.close();
    j.open("g_input");
    const tavoTInput& in = *g_input;
    j.num("_MausFireLeft", in._MausFireLeft);
    j.num("_MausFireRight", in._MausFireRight);
    j.num("_MausDownLeft", in._MausDownLeft);
    j.num("_MausDownRight", in._MausDownRight);
    j.num("_MausZSpd", in._MausZSpd);
    j.num("_MausOK", in._MausOK);
    j.num("_MausX", in._MausX);
    j.num("_MausY", in._MausY);
    j.num("_MausDownLeftCount", in._MausDownLeftCount);
    j.num("_Enter", in._Enter);
    j.num("_Escape", in._Escape);
    j.num("_Space", in._Space);
    const int* f[10] = {&in._F1, &in._F2, &in._F3, &in._F4, &in._F5, &in._F6, &in._F7, &in._F8, &in._F9, &in._F10};
    for (int i = 0; i < 10; ++i) j.num(("_F" + std::to_string(i + 1)).c_str(), *f[i]);
    j.close();
    j.open("mousePointer");
    j.num("_x", mousePointer->_x);
    j.num("_y", mousePointer->_y);
    j.num("_drawPointer", mousePointer->_drawPointer);
    j.num("_useGFXPointer", mousePointer->_useGFXPointer);
    j.close();
    j.open("popupHandler");
    j.num("State", popupHandler->State);
    j.num("direction", popupHandler->direction);
    j.num("runtime", popupHandler->runtime);
    j.close();
    j.open("sceneMatch3");
    j.num("_runtime", sceneMatch3->_runtime);
    j.num("_winrun", sceneMatch3->_winrun);
    j.close();
    if (g_currentPlayer > -1 && g_currentPlayer < MAX_PLAYERS && g_players[g_currentPlayer]) {
        const TSpieler& p = *g_players[g_currentPlayer];
        j.open("player");
        j.str("Name", p.Name);
        j.num("Level", p.Level);
        j.num("StoryLevel", p.StoryLevel);
        j.num("StoryPoints", p.StoryPoints);
        j.close();
    }
    j.close();
    return j.text();
}
