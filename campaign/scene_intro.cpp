// Splash pages: each shown for its frames or until a skip key, then the next page or the loading screen.
#include "campaign/scene_intro.h"

#include <algorithm>
#include <cstdlib>
#include <sstream>

#include "framework/globals.h"
#include "framework/bild.h"
#include "framework/input.h"
#include "framework/trace.h"
#include "platform/sys.h"

namespace {
const char* const kConfigFile = "data/branding/splashconfig.txt";

bool equalsNoCase(const std::string& a, const std::string& b)
{
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (std::tolower((unsigned char)a[i]) != std::tolower((unsigned char)b[i])) return false;
    return true;
}

// A decimal time in frames; a value past the longest page is cut to it with a trace line.
int readFrames(const std::string& value, int page)
{
    const long long frames = std::strtoll(value.c_str(), nullptr, 10);
    if (frames <= INTRO_MAX_FRAMES) return (int)std::max(frames, 0LL);
    traceLog("splash page " + std::to_string(page) + " asks for " + value + " frames; shown for " +
             std::to_string(INTRO_MAX_FRAMES));
    return INTRO_MAX_FRAMES;
}
}

tavoTSceneIntro::tavoTSceneIntro()
{
    for (auto& img : _img) img = std::make_unique<tavoTBild>();
}

tavoTSceneIntro::~tavoTSceneIntro() = default;

int tavoTSceneIntro::_read_introsettings()
{
    for (int i = 0; i <= INTRO_MAX_PAGES; ++i) {
        _path[i].clear();
        _frames[i] = _skip[i] = _Position[i] = 0;
    }
    _pages = 0;
    std::string text;
    if (!Sys_ReadTextFile(kConfigFile, text)) {
        traceLog(std::string("splash configuration ") + kConfigFile + " cannot be read, no splash pages");
        return 0;
    }
    std::istringstream in(text);
    std::string line;
    int page = 1, lines = 0, lastPage = 1;
    bool warned = false;
    while (lines < INTRO_MAX_LINES && std::getline(in, line)) {
        ++lines;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const std::string key = line.substr(0, 4);
        const std::string value = line.size() > 5 ? line.substr(5) : "";
        if (key == ";---") {
            ++page;
            continue;
        }
        if (key != "file" && key != "time" && key != "skip") continue;
        if (page > INTRO_MAX_PAGES) {
            if (!warned) traceLog("splash configuration describes more than six pages; the rest are ignored");
            warned = true;
            continue;
        }
        lastPage = page;
        _Position[page] = page;
        if (key == "file") _path[page] = value;
        else if (key == "time") _frames[page] = readFrames(value, page);
        else _skip[page] = equalsNoCase(value, "True") ? 1 : 0;
    }
    // a closing separator opens one more, empty page that counts too
    if (page > lastPage && page <= INTRO_MAX_PAGES) lastPage = page;
    // a "none" page between shown ones would sit on screen with no picture and no time: drop it
    for (int i = 1; i <= lastPage; ++i) {
        if (_path[i] == "none") {
            bool later = false;
            for (int j = i + 1; j <= lastPage; ++j) later = later || _path[j] != "none";
            if (later) traceLog("splash page " + std::to_string(i) + " is marked none but pages follow it; it is left out");
            continue;
        }
        ++_pages;
        _path[_pages] = _path[i];
        _frames[_pages] = _frames[i] > 0 ? _frames[i] : INTRO_DEFAULT_FRAMES;
        _skip[_pages] = _skip[i];
        _Position[_pages] = _pages;
    }
    for (int i = _pages + 1; i <= INTRO_MAX_PAGES; ++i) {
        _path[i].clear();
        _frames[i] = _skip[i] = _Position[i] = 0;
    }
    return 1;
}

int tavoTSceneIntro::Prepare()
{
    _read_introsettings();
    Sys_ShowCursor(false);
    if (_w == 1)
        for (int i = 1; i <= _pages; ++i) _img[i]->LoadFromDisk("data/branding/" + _path[i], 1, -1);
    g_scene = SCENE_INTRO;
    _page = _w;
    _w = 0;
    _runtime = 0;
    sceneHandler->fade_in();
    return 1;
}

int tavoTSceneIntro::Update()
{
    _incRuntime(1);
    const bool fading = sceneHandler->FaderDir == FADER_DIR_OUT;
    if (_pages == 0 || _page < 1 || _page > _pages) {
        if (!fading) sceneHandler->fade_out(SCENE_LOADSCREEN, 0, 0);
        return 1;
    }
    // a pad's confirm or cancel skips a page as a key does
    const bool key = g_input->_MausFireLeft == 1 || Sys_KeyDown(KEY_ESCAPE) || Sys_KeyDown(KEY_ENTER) ||
                     Sys_KeyDown(KEY_SPACE) || g_input->_Confirm == 1 || g_input->_Cancel == 1;
    const bool ends = !fading && ((_skip[_page] == 1 && key) || _runtime == _frames[_page]);
    if (ends) {
        if (_page < _pages) sceneHandler->fade_out(SCENE_INTRO, _page + 1, 0);
        else sceneHandler->fade_out(SCENE_LOADSCREEN, 0, 0);
    }
    if (g_input->_F3 == 1) g_devMode = 1;
    _img[_page]->PaintXY(512, 384);
    return 1;
}

int tavoTSceneIntro::Leave()
{
    for (int i = 1; i <= _pages; ++i) _img[i]->Unload();
    return 1;
}
