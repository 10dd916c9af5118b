// Headless harness: runs the real game frame by frame from a script of input events, writes shots and state dumps.
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "app/globals.h"
#include "app/mainloop.h"
#include "app/statedump.h"
#include "framework/input.h"
#include "framework/script_input.h"
#include "platform/sys.h"

namespace {
void applyInput(const ScriptEvent& e) { applyScriptInput(e.verb, e.args, e.rest); }

int usage()
{
    std::fprintf(stderr, "usage: morvelle-harness [--data DIR] [--save DIR] [--seed N] [--frames N] [--script FILE] "
                         "[--board N] [--dev] [--draw-all] [--frame-hashes FILE]\n");
    return 2;
}

// "PASS SCENE HOW SHARE HASH": HOW is u (unchanged, not painted), p (painted and presented in parts, SHARE the
// per-mille of the screen they covered) or w (whole); HASH is FNV-1a of the presented logical picture.
void writeFrameHash(std::ofstream& out, long pass)
{
    static SysPaintStats before;
    const SysPaintStats& now = Sys_PaintStats();
    char how = now.unchanged > before.unchanged ? 'u' : now.inParts > before.inParts ? 'p' : now.whole > before.whole ? 'w' : '-';
    long share = std::lround((now.partArea - before.partArea) * 1000);
    before = now;
    static std::vector<uint32_t> px;
    int w = 0, h = 0;
    uint64_t hash = 14695981039346656037ull;
    if (Sys_ReadPresentedPicture(px, w, h))
        for (uint32_t c : px) hash = (hash ^ c) * 1099511628211ull;
    out << pass << " " << g_scene << " " << how << " " << share << " " << std::hex << hash << std::dec << "\n";
}
}

int main(int argc, char** argv)
{
    GameOptions opt;
    opt.headless = true;
    opt.seeded = true;
    opt.seed = 1;
    long frames = -1;
    int board = 0;
    bool dev = false;
    bool drawAll = false;
    std::string script, hashFile;
    opt.args.push_back(argv[0]);
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        auto value = [&](std::string& out) {
            if (i + 1 >= argc) return false;
            out = argv[++i];
            return true;
        };
        std::string v;
        if (a == "--data" && value(v)) opt.dataRoot = v;
        else if (a == "--save" && value(v)) opt.saveDir = v;
        else if (a == "--seed" && value(v)) opt.seed = (unsigned)std::strtoul(v.c_str(), nullptr, 10);
        else if (a == "--frames" && value(v)) frames = std::strtol(v.c_str(), nullptr, 10);
        else if (a == "--script" && value(v)) script = v;
        else if (a == "--board" && value(v)) board = std::atoi(v.c_str());
        else if (a == "--dev") dev = true;
        else if (a == "--draw-all") drawAll = true;
        else if (a == "--frame-hashes" && value(v)) hashFile = v;
        else return usage();
    }

    std::vector<ScriptEvent> events;
    if (!script.empty()) {
        std::ifstream in(script);
        if (!in) {
            std::fprintf(stderr, "morvelle-harness: cannot read script %s\n", script.c_str());
            return 2;
        }
        std::string line;
        int lineNo = 0;
        while (std::getline(in, line)) {
            ++lineNo;
            std::string err = parseScriptLine(line, lineNo, events);
            if (!err.empty()) {
                std::fprintf(stderr, "%s:%d: %s: %s\n", script.c_str(), lineNo, err.c_str(), line.c_str());
                return 2;
            }
        }
    }
    // scripted runs go side by side in the test suite: no single-instance lock
    opt.skipSingleInstance = true;

    // a stop signal saves and ends a scripted run like the game
    Sys_CatchSignals();
    int status = startGame(opt);
    if (status >= 0) return status;
    if (dev) g_devMode = 1;
    // every frame drawn, and a line per frame: how it was painted and a hash of what the window then showed
    std::ofstream hashes;
    if (!hashFile.empty()) {
        hashes.open(hashFile);
        if (!hashes) {
            std::fprintf(stderr, "morvelle-harness: cannot write %s\n", hashFile.c_str());
            return 2;
        }
        drawAll = true;
        Sys_KeepPresentedPicture(true);
    }
    if (board > 0) enterBoardDirectly(board);
    bool stop = false;
    for (long pass = 1; !stop && (frames < 0 || pass <= frames); ++pass) {
        std::vector<const ScriptEvent*> now;
        for (const ScriptEvent& e : events)
            if (e.frame == pass) now.push_back(&e);
        for (const ScriptEvent* e : now) applyInput(*e);
        // only the frames a shot is taken of are drawn, unless every frame is wanted (a frame-time measurement)
        bool seen = drawAll;
        for (const ScriptEvent* e : now) seen = seen || e->verb == "shot";
        Sys_SetFrameUnseen(!seen);
        mainLoopPass(false, [&] {
            for (const ScriptEvent* e : now)
                if (e->verb == "shot" && !Sys_SaveScreenshot(e->args[0]))
                    std::fprintf(stderr, "morvelle-harness: cannot write %s\n", e->args[0].c_str());
        });
        if (hashes.is_open()) writeFrameHash(hashes, pass);
        for (const ScriptEvent* e : now) {
            if (e->verb == "dump") {
                std::ofstream out(e->args[0]);
                out << dumpState() << "\n";
                if (!out) std::fprintf(stderr, "morvelle-harness: cannot write %s\n", e->args[0].c_str());
            }
            if (e->verb == "quit") stop = true;
        }
        if (g_quit == 1) stop = true;
        if (frames < 0 && events.empty() && pass >= 100000) stop = true;
    }
    quitGame();
    shutdownGame();
    return 0;
}
