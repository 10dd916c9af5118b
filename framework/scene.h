// Scene base class, scene ids and the fader every change of screen goes through.
#pragma once

#include <string>

enum SceneId {
    SCENE_INTRO = -2,
    SCENE_LOADSCREEN = -1,
    SCENE_MAINMENU = 0,
    SCENE_MATCH3 = 12,
    SCENE_ROADMAP = 13,
    SCENE_STORY = 14,
    SCENE_QUIT = -999
};

class tavoTScene {
public:
    virtual ~tavoTScene() = default;
    virtual int Prepare() = 0;
    virtual int Update() = 0;
    virtual int Leave() = 0;
    virtual void _incRuntime(int n) { _runtime += n; }
    virtual int getRuntime() { return _runtime; }
    virtual int resetRuntime() { _runtime = 0; return 1; }

    std::string _caption;
    int _runtime = 0;
};

// Only the composition root knows every scene, so it installs how an id is entered and left.
struct SceneDispatch {
    void (*enter)(int id, int param1) = nullptr;
    void (*leave)(int id) = nullptr;
};
void installSceneDispatch(const SceneDispatch& dispatch);
// Prepares scene `id`; the fader calls it at black.
void enterScene(int id, int param1);
void leaveScene(int id);

constexpr int FADER_DIR_IN = 1;
constexpr int FADER_DIR_OUT = 2;
constexpr int FADER_STEP = 32;

class tavoTSceneHandler {
public:
    virtual ~tavoTSceneHandler() = default;
    virtual int fade_in();
    virtual int fade_out(int scene, int param1 = 0, int param2 = 0);
    virtual int fading();
    virtual int draw_fader();

    int FaderColor = 0;
    int FaderDir = 0;
    int FaderShow = 0;
    int FaderParam1 = 0;
    int FaderParam2 = 0;
};
