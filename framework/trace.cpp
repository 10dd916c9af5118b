// The numbered trace log: each line goes to the platform's trace with its running number.
#include "framework/trace.h"

#include "platform/sys.h"

static int s_traceCounter = 0;

void traceLog(const std::string& text)
{
    s_traceCounter += 1;
    Sys_Trace(std::to_string(s_traceCounter) + ": " + text);
}

int traceCounter() { return s_traceCounter; }

void reportSaveFailure(const std::string& path)
{
    traceLog("save failed, the old file is kept: " + path);
    static bool told = false;
    if (told) return;
    told = true;
    traceLog("told the player that saving failed");
    Sys_MessageBox("Morvelle could not save to " + path +
                       ".\nProgress since the last save may be lost. Please check that the disk has room and that the "
                       "folder can be written.",
                   false);
}
