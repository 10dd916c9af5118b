// The dialog table the driver walks; a new dialog is one row here and one file beside it.
#include "frontend/dialogs/dialogs.h"

#include "framework/globals.h"
#include "campaign/scene_roadmap.h"
#include "frontend/playermenu.h"
#include "frontend/popup.h"

namespace {
const TDialogRow kDialogs[] = {
    {POPUP_QUIT, runQuit, "quit"},
    {POPUP_OPTIONS, runOptions, "options"},
    {POPUP_CREDITS, runCredits, "credits"},
    {POPUP_NEWPLAYER, runNewPlayer, "newplayer"},
    {POPUP_RESUME, runResume, "resume"},
    {POPUP_CHAMP, runChampions, "champions"},
    {POPUP_ROADMAPHELP, runRoadmapHelp, "roadmaphelp"},
    {POPUP_INGAME, runIngameMenu, "ingamemenu"},
    {POPUP_NEWGAME, runNewGame, "newgame"},
    {POPUP_INSTRUCTIONS, runInstructions, "instructions"},
    {POPUP_MANAGER, [](tavoTPopup&) { return playerMenu(); }, "playermenu"},
    {POPUP_DELETEPLAYER, [](tavoTPopup&) { return delplayer(); }, "deleteplayer"},
    {POPUP_STAGE, [](tavoTPopup&) { return sceneRoadmap->LevelPreview(); }, "stage"},
};
}

const TDialogRow* dialogTable() { return kDialogs; }
int dialogCount() { return (int)(sizeof kDialogs / sizeof kDialogs[0]); }

TDialogEntry findDialog(int id)
{
    for (const TDialogRow& r : kDialogs)
        if (r.id == id) return r.run;
    return nullptr;
}
