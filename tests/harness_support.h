// Runs the headless harness program on a script and reads its state dumps, for the tests of scripted runs; records
// inputs as script lines while the game runs in this process, and picks swaps from the live board.
#pragma once

#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "app/globals.h"
#include "app/input.h"
#include "app/mainloop.h"
#include "campaign/spieler.h"
#include "frontend/popup.h"
#include "match3/scene_match3.h"
#include "framework/script_input.h"
#include "platform/sys.h"
#include "tests/rehearsal.h"

// Writes `script` to dir + name + ".txt" and runs the harness on it with `args`; its output goes to dir + name + ".out".
// Returns the harness's exit status, -1 when it did not end normally.
// env: variables for the run, "NAME=value ..." or "".
inline int runHarnessScript(const std::string& args, const std::string& script, const std::string& dir,
                            const std::string& name, const std::string& env = "")
{
    std::ofstream(dir + name + ".txt") << script;
    std::string cmd = (env.empty() ? "" : "env " + env + " ") + std::string(MORVELLE_HARNESS_BIN) + " --script " + dir +
                      name + ".txt " + args + " > " + dir + name + ".out 2>&1";
    int rc = std::system(cmd.c_str());
    return WIFEXITED(rc) ? WEXITSTATUS(rc) : -1;
}

// The whole number after the first "key": of a state dump; -12345 when there is none.
inline int dumpField(const std::string& json, const std::string& key)
{
    size_t at = json.find("\"" + key + "\":");
    return at == std::string::npos ? -12345 : std::atoi(json.c_str() + at + key.size() + 3);
}

// Number after "key": inside the object that starts at "\"object\":" of a state dump.
inline double dumpField(const std::string& json, const std::string& object, const std::string& key)
{
    size_t at = json.find("\"" + object + "\":{");
    if (at == std::string::npos) return -12345;
    at = json.find("\"" + key + "\":", at);
    return at == std::string::npos ? -12345 : std::atof(json.c_str() + at + key.size() + 3);
}

// Writes each input as a script line and feeds it to the game running in this process, as the harness would.
struct ScriptRecorder {
    std::ostringstream script;
    void event(long pass, const std::string& what)
    {
        script << pass << " " << what << "\n";
        std::istringstream in(what);
        std::string verb, word;
        in >> verb;
        std::vector<std::string> args;
        while (in >> word) args.push_back(word);
        applyScriptInput(verb, args, verb == "text" ? what.substr(5) : "");
    }
};

// Looks at the live board and picks a swap that makes a line, preferring gems the goal still needs.
class SwapPicker {
public:
    explicit SwapPicker(tavoTSceneMatch3* board) : b(board) {}
    bool atRest() const
    {
        if (b->_runtime <= 151 || b->_winrun != 0 || b->_gt3_swap != 0 || b->_gt3_partner1 != 0) return false;
        if (popupHandler->State != 0) return false;
        for (int i = 1; i <= 150; ++i)
            if (b->_itemA[i] > 0 && b->_itemA[i] < 999 && (b->_Item_f[i] != 0 || b->_itemY[i] < 60)) return false;
        return true;
    }
    bool pick(float& x1, float& y1, float& x2, float& y2) const
    {
        int bestValue = 0;
        for (int i = 1; i <= 150; ++i) {
            int k = b->_itemA[i];
            if (k < 1 || k > 5) continue;
            for (int d = 0; d < 2; ++d) {
                int j = slotAt(b->_itemX[i] + (d ? 48 : 0), b->_itemY[i] + (d ? 0 : 48));
                if (!j || b->_itemA[j] < 1 || b->_itemA[j] > 5 || b->_itemA[j] == k) continue;
                int v = value(i, j) + value(j, i);
                if (v > bestValue) {
                    bestValue = v;
                    x1 = b->_itemX[i];
                    y1 = b->_itemY[i];
                    x2 = b->_itemX[j];
                    y2 = b->_itemY[j];
                }
            }
        }
        return bestValue > 0;
    }

private:
    tavoTSceneMatch3* b;
    int slotAt(float x, float y) const
    {
        for (int i = 1; i <= 150; ++i)
            if (b->_itemA[i] > 0 && b->_itemA[i] < 999 && b->_itemX[i] == x && b->_itemY[i] == y) return i;
        return 0;
    }
    // The worth of the lines that gem `from` makes when it lands where `to` stands.
    int value(int from, int to) const
    {
        int k = b->_itemA[from];
        float x = b->_itemX[to], y = b->_itemY[to];
        auto kindAt = [&](float px, float py) {
            int s = slotAt(px, py);
            if (s == to) return k;
            if (s == from) return b->_itemA[to];
            return s ? b->_itemA[s] : 0;
        };
        TSpieler* p = g_players[g_currentPlayer];
        int total = 0;
        for (int dir = 0; dir < 2; ++dir) {
            float dx = dir ? 48.0f : 0, dy = dir ? 0 : 48.0f;
            int run = 1;
            for (int n = 1; n < 5 && kindAt(x + n * dx, y + n * dy) == k; ++n) ++run;
            for (int n = 1; n < 5 && kindAt(x - n * dx, y - n * dy) == k; ++n) ++run;
            if (run >= 3) total += run + (p->getItemsLeftToDestroy(p->Level, k) > 0 ? 10 : 0);
        }
        return total;
    }
};

// The game in this process, pass by pass, with every input recorded for the harness.
struct ScriptedSession {
    ScriptRecorder rec;
    long pass = 1;
    void step()
    {
        mainLoopPass(false);
        ++pass;
    }
    void run(long n)
    {
        for (long i = 0; i < n; ++i) step();
    }
    bool waitFor(const std::function<bool()>& done, long limit)
    {
        long end = pass + limit;
        while (pass < end && !done()) step();
        return done();
    }
    void at(const std::string& what) { rec.event(pass, what); }
    // Pointer there, a moment to hover, then a left click.
    void click(int x, int y)
    {
        at("mouse " + std::to_string(x) + " " + std::to_string(y));
        run(4);
        at("click left");
        step();
    }
    void key(const std::string& name)
    {
        at("keydown " + name);
        run(2);
        at("keyup " + name);
        step();
    }
};

inline bool dialogOpen(int id)
{
    return popupHandler->State == id && popupHandler->runtime == POPUP_RUNTIME_OPEN && popupHandler->direction == 1;
}
inline bool noDialog() { return popupHandler->runtime == 0; }

// The run of `script` painted every frame whole against the run painted in changes only, on SDL's software renderer
// (changed rectangles) and on GL (unchanged frames left alone): the pictures the window showed must agree frame by
// frame. args must give --save a folder the runs may share: each run starts from a copy of it as it was. Prints how
// each screen was painted.
inline void expectPaintingInChangesShowsTheSame(const std::string& args, const std::string& saveDir,
                                                const std::string& script, const std::string& dir, const std::string& name)
{
    std::system(("mkdir -p " + saveDir + " && rm -rf " + saveDir + ".start && cp -r " + saveDir + " " + saveDir + ".start").c_str());
    for (const std::string renderer : {"software", "opengl"}) {
        std::map<std::string, std::vector<std::string>> lines;
        for (const std::string mode : {"full", "changes"}) {
            std::system(("rm -rf " + saveDir + " && cp -r " + saveDir + ".start " + saveDir).c_str());
            const std::string run = name + "-" + renderer + "-" + mode;
            ASSERT_EQ(runHarnessScript(args + " --frame-hashes " + dir + run + ".hashes", script, dir, run,
                                       "SDL_RENDER_DRIVER=" + renderer + " MORVELLE_PAINT=" + mode),
                      0)
                << run;
            std::ifstream in(dir + run + ".hashes");
            for (std::string l; std::getline(in, l);) lines[mode].push_back(l);
        }
        const std::vector<std::string>&whole = lines["full"], &changes = lines["changes"];
        ASSERT_EQ(whole.size(), changes.size()) << renderer;
        ASSERT_GT(whole.size(), 0u);
        // "PASS SCENE HOW SHARE HASH"; per scene: frames, unchanged, in parts, whole, share of the screen in parts
        std::map<int, std::array<double, 5>> perScene;
        for (size_t i = 0; i < whole.size(); ++i) {
            std::istringstream a(whole[i]), b(changes[i]);
            long pa = 0, pb = 0;
            int scene = 0, sceneB = 0;
            std::string howA, howB, hashA, hashB;
            double share = 0, shareA = 0;
            a >> pa >> scene >> howA >> shareA >> hashA;
            b >> pb >> sceneB >> howB >> share >> hashB;
            ASSERT_EQ(pa, pb);
            ASSERT_EQ(hashA, hashB) << renderer << ": frame " << pa << " (scene " << scene << ", painted " << howB
                                    << ") shows another picture than when painted whole";
            std::array<double, 5>& s = perScene[sceneB];
            s[0] += 1;
            s[1] += howB == "u";
            s[2] += howB == "p";
            s[3] += howB == "w";
            s[4] += share / 1000;
        }
        for (const auto& [scene, s] : perScene)
            std::printf("painting on %s, scene %d: %.0f frames, %.0f%% unchanged, %.0f%% in parts (%.1f%% of the screen "
                        "each), %.0f%% whole\n",
                        renderer.c_str(), scene, s[0], 100 * s[1] / s[0], 100 * s[2] / s[0],
                        s[2] > 0 ? 100 * s[4] / s[2] : 0.0, 100 * s[3] / s[0]);
    }
}
