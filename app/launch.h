// What the installed program does before and around the game: its options, finding the data tree, signals, a second copy.
#pragma once

#include <string>
#include <vector>

struct GameOptions {
    bool headless = false;
    std::string dataRoot;          // "" = beside the program
    std::string saveDir;           // "" = the user's folder
    std::string lockFile;          // "" = the usual single-instance lock
    bool seeded = false;
    unsigned seed = 0;
    bool skipSingleInstance = false;
    std::vector<std::string> args;
};

struct DataSearch {
    std::string found;                  // the data tree, ending in "/"; "" when none was found
    std::vector<std::string> looked;    // every place tried, in order
};

// The data tree: where MORVELLE_DATA points, "data/" beside the program (the build tree), then
// "../share/morvelle/" from the program (a plain install), then "../share/games/morvelle/" (a distribution's games
// layout, the program in games/). A folder counts when it holds the goal table.
DataSearch findDataTree(const std::string& fromEnvironment, const std::string& programDir);
std::string dataNotFoundMessage(const DataSearch& search);

// Reads the command line into `opt` and finds the data tree; returns -1 to start the game, else an exit status
// (after printing the help, the version, the usage or why the data is missing).
int prepareLaunch(GameOptions& opt);

// Once per main-loop pass: a stop signal saves the profile and the settings and ends the loop;
// a second copy's wake-up brings the window to the front.
void serviceSignals();

// Tells the player that a copy already runs: wakes its window, or shows a message when it cannot be reached.
void announceRunningCopy(const std::string& lockFile);
