// Runs the headless harness program on a script and reads its state dumps, for the tests of scripted runs.
#pragma once

#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <string>

#include "app/mainloop.h"
#include "platform/sys.h"

// Writes `script` to dir + name + ".txt" and runs the harness on it with `args`; its output goes to dir + name + ".out".
// Returns the harness's exit status, -1 when it did not end normally.
inline int runHarnessScript(const std::string& args, const std::string& script, const std::string& dir,
                            const std::string& name)
{
    std::ofstream(dir + name + ".txt") << script;
    std::string cmd = std::string(MORVELLE_HARNESS_BIN) + " --script " + dir + name + ".txt " + args + " > " + dir +
                      name + ".out 2>&1";
    int rc = std::system(cmd.c_str());
    return WIFEXITED(rc) ? WEXITSTATUS(rc) : -1;
}

// Starts the game in this process as the harness runs it, for a rehearsal whose inputs are written down as a script:
// headless, seeded, and drawing nothing, since only the replay through the harness takes shots.
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

// The whole number after the first "key": of a state dump; -12345 when there is none.
inline int dumpField(const std::string& json, const std::string& key)
{
    size_t at = json.find("\"" + key + "\":");
    return at == std::string::npos ? -12345 : std::atoi(json.c_str() + at + key.size() + 3);
}
