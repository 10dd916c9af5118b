// Starts the game in a test's own process as the harness runs it: headless, seeded, drawing nothing.
#pragma once

#include <string>

#include "app/mainloop.h"
#include "platform/sys.h"

// Below 0 when the game is up and waits for its passes, as startGame says.
inline int startRehearsal(const std::string& dataRoot, const std::string& saveDir, unsigned seed)
{
    GameOptions opt;
    opt.headless = true;
    opt.seeded = true;
    opt.seed = seed;
    opt.dataRoot = dataRoot;
    opt.saveDir = saveDir;
    opt.skipSingleInstance = true;
    int rc = startGame(opt);
    Sys_SetFrameUnseen(true);
    return rc;
}
