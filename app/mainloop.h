// Start-up, the main loop pass, scene dispatch and the save-folder rule.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "app/launch.h"

// Steps 1-12 of the start-up; returns -1 to go on into the loop, else an exit status.
int startGame(const GameOptions& opt);
// One pass of the main loop; `beforePresent` runs after the frame is drawn, before it is shown.
void mainLoopPass(bool waitForTimer, const std::function<void()>& beforePresent = {});
void shutdownGame();
// Skips the intro and the loading screen and starts `level` with profile slot 1.
void enterBoardDirectly(int level);

int checkSingleInstance(const std::string& name);
int checkGraphicsMode(int width, int height, int depth);
void initGame();
struct TLanguageChoice;
// Points the data lookup at the language's folder and loads its text table.
void applyLanguage(const TLanguageChoice& choice);
// The options' language row: stores the choice and shows the new language at once.
void switchLanguage(int number);
void initSaveFolders();
void openGraphics();
void toggleFullscreen();
void runFrame();
void quitGame();
std::string getSpecialFolder(int id);
// Scene dispatch by id; createGlobals installs the first two for the fader and the Prepare of each scene.
void dispatchEnterScene(int id, int param1);
void dispatchLeaveScene(int id);
void updateScene(int id);
