// Runs the headless harness program on a script and reads its state dumps, for the tests of scripted runs.
#pragma once

#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <string>

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

// The whole number after the first "key": of a state dump; -12345 when there is none.
inline int dumpField(const std::string& json, const std::string& key)
{
    size_t at = json.find("\"" + key + "\":");
    return at == std::string::npos ? -12345 : std::atoi(json.c_str() + at + key.size() + 3);
}
