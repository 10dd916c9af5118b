// The modal dialogs: one handler, at most one dialog at a time, drawn over the running scene.
#pragma once

#include <memory>
#include <string>

class tavoTBild;
class TSpieler;

constexpr int POPUP_QUIT = 99;
constexpr int POPUP_OPTIONS = 100;
constexpr int POPUP_CREDITS = 101;
constexpr int POPUP_HELP = 102;
constexpr int POPUP_MANAGER = 103;
constexpr int POPUP_SCORES = 104;
constexpr int POPUP_NEWPLAYER = 105;
constexpr int POPUP_DELETEPLAYER = 106;
constexpr int POPUP_RESUME = 107;
constexpr int POPUP_MAP = 108;
constexpr int POPUP_SINGLEHELP = 109;
constexpr int POPUP_BGSHOWEND = 110;
constexpr int POPUP_CHAMP = 111;
constexpr int POPUP_ROADMAPHELP = 112;
constexpr int POPUP_INGAME = 298;
constexpr int POPUP_NEWGAME = 432;
constexpr int POPUP_INSTRUCTIONS = 447;
constexpr int POPUP_LEVELOUTRO = 448;
constexpr int POPUP_SKIP = 550;
constexpr int POPUP_STAGE = 551;
constexpr int POPUP_PICTUREHELP = 552;
constexpr int POPUP_SKIPFULL = 553;
constexpr int POPUP_STONESET = 554;

constexpr int POPUP_SIZE_SMALL = 0;
constexpr int POPUP_SIZE_MEDIUM = 1;
constexpr int POPUP_SIZE_BIG = 2;
constexpr int POPUP_SIZE_MINI = 3;

extern int g_instructionsPage;
extern int g_helpFromMenu;
extern int g_soundKnobDrag;
extern int g_musicKnobDrag;
extern int g_nameLength;
extern int g_firstProfilePending;
extern int g_previousProfile;
// The slot a name entry will fill (-1 when none is open) and the name typed so far: no profile and not the current
// player change until the name is confirmed, so an entry left any other way leaves every profile as it was.
extern int g_pendingSlot;
extern std::string g_pendingName;

// The box pictures' body starts this far below their top, under the title band's rule.
constexpr float POPUP_BODY_TOP = 80;

// Frames of the opening: `pop` starts at 1, the dialog is fully open and takes input at 16.
constexpr int POPUP_RUNTIME_OPEN = 16;
// Below this measured frame rate a dialog opens and closes at once.
constexpr int POPUP_LOW_FPS = 28;
// Frames a dialog that destroys progress stays fully open before its buttons act, so that the second click of the
// double click that opened it cannot answer it, even when a slow machine opens dialogs at once.
constexpr int POPUP_ARM_FRAMES = 12;

class tavoTPopup {
public:
    tavoTPopup();
    virtual ~tavoTPopup();
    virtual int pop(int id);
    virtual int box(int size, const std::string& title, int squeeze = 0);
    virtual int IngameOptions();
    virtual int NewPlayer();
    virtual int Champions();
    virtual int NewGame();
    virtual int Credits();
    virtual int show_quit();
    virtual int RoadmapHelp();
    virtual int IngameMenu();
    virtual int resumegame();
    // The per-frame dialog driver every scene calls after drawing itself.
    virtual int ingameScreenMainmenu_show();
    virtual int showinstructions();
    // The box picture of a size, for dialogs that place things by its height.
    tavoTBild* boxImage(int size) const;

    std::unique_ptr<tavoTBild> imgPopupSmall;
    std::unique_ptr<tavoTBild> imgPopupMedium;
    std::unique_ptr<tavoTBild> imgPopupBig;
    std::unique_ptr<tavoTBild> imgPopupMini;
    std::unique_ptr<tavoTBild> imgPaperCanvas;
    std::unique_ptr<tavoTBild> imgPopupShadow;
    int State = 0;
    int direction = 0;
    int runtime = 0;
    // driver calls since the dialog became fully open, counted up to POPUP_ARM_FRAMES; `pop` starts it again
    int openFrames = 0;
    // the frame the dialog was asked for: an Enter held down since before then is not an answer to it
    int openedAtFrame = 0;
};

// Opens the name entry for a new profile in `slot`; `first` marks the very first profile of a game.
void beginNameEntry(int slot, int first);
// A traveller who has not played yet has nothing to resume: the menu's start leads straight into the journey.
bool hasNeverPlayed(const TSpieler& pl);
// The resume question's continue: on to the next story page or the level map; false without a current profile.
bool continueJourney();
