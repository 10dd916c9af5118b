// The dialog table: every dialog id the driver can show and the one entry that draws and runs it for a frame.
#pragma once

#include <string>

class tavoTPopup;

using TDialogEntry = int (*)(tavoTPopup&);

struct TDialogRow {
    int id;
    TDialogEntry run;
    const char* name;
};

// One row per dialog; ids without a row (the constants nothing opens) are closed by the driver.
const TDialogRow* dialogTable();
int dialogCount();
TDialogEntry findDialog(int id);

// The entries, one file each in this folder.
int runQuit(tavoTPopup& p);
int runOptions(tavoTPopup& p);
int runCredits(tavoTPopup& p);
int runNewPlayer(tavoTPopup& p);
int runResume(tavoTPopup& p);
int runNewGame(tavoTPopup& p);
int runChampions(tavoTPopup& p);
int runRoadmapHelp(tavoTPopup& p);
int runIngameMenu(tavoTPopup& p);
int runInstructions(tavoTPopup& p);

int instructionsPageCount();
// One instruction page: how it draws, its text keys' stem ("helpdirt": "helpdirttitle", "helpdirttext") and the level
// whose start opens it.
struct TInstructionPage {
    void (*draw)(tavoTPopup&);
    const char* key;
    int (*level)();
};
const TInstructionPage& instructionsPage(int page);
// The page a level's start opens, 0 for none.
int instructionsPageForLevel(int level);

// The window mode belongs to the composition root, which installs how the options switch it.
void installWindowModeSwitch(void (*toggle)());
// So does the language switch: the options' language row calls it with the chosen `sprache` number.
void installLanguageSwitch(void (*change)(int));

// What every dialog shares: its glass buttons and keys take input only while it is fully open.
// Fully open, not closing, and no scene fade on the way out.
bool dialogTakesInput(const tavoTPopup& p);
bool dialogButton(tavoTPopup& p, float x, float y, const std::string& captionKey, int layer = 2);
// A button that destroys progress: it acts only once the dialog has been fully open for POPUP_ARM_FRAMES.
bool dialogButtonArmed(tavoTPopup& p, float x, float y, const std::string& captionKey);
bool dialogEnter(tavoTPopup& p);
bool dialogEscape(tavoTPopup& p);
void closeDialog(tavoTPopup& p);
// Text of g_fontText left-aligned at x, right-aligned to end at x, or centred on x.
void textLeft(const std::string& text, float x, float y);
void textRight(const std::string& text, float x, float y);
void textCentred(const std::string& text, float x, float y);
std::string text(const std::string& key);
