// The fader: darkens over eight frames, prepares the target at black, brightens again.
#include "framework/scene.h"

#include "framework/globals.h"
#include "framework/input.h"
#include "platform/sys.h"

static SceneDispatch s_dispatch;

void installSceneDispatch(const SceneDispatch& dispatch) { s_dispatch = dispatch; }

void enterScene(int id, int param1)
{
    if (s_dispatch.enter) s_dispatch.enter(id, param1);
}

void leaveScene(int id)
{
    if (s_dispatch.leave) s_dispatch.leave(id);
}

int tavoTSceneHandler::fade_in()
{
    FaderColor = 0;
    FaderDir = FADER_DIR_IN;
    return 1;
}

int tavoTSceneHandler::fade_out(int scene, int param1, int param2)
{
    FaderShow = scene;
    FaderParam1 = param1;
    FaderParam2 = param2;
    FaderDir = FADER_DIR_OUT;
    FaderColor = 256;
    // the click or key that asked for the change must not be seen again
    if (g_input) g_input->_MausFireLeft = 0;
    Sys_FlushKeys();
    return 1;
}

int tavoTSceneHandler::fading()
{
    if (FaderDir == FADER_DIR_OUT) {
        if (FaderColor > -32) FaderColor -= FADER_STEP;
        if (FaderColor == -32) enterScene(FaderShow, FaderParam1);
    } else if (FaderColor < 255) {
        FaderColor += FADER_STEP;
    }
    Sys_SetColor((float)FaderColor, (float)FaderColor, (float)FaderColor);
    return 1;
}

int tavoTSceneHandler::draw_fader()
{
    return 0;
}
