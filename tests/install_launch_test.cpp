// The program as a shell starts it: options, where the data is looked for, the stop signal in a level, a second copy.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <thread>

#include "app/launch.h"
#include "campaign/spieler.h"
#include "platform/sys.h"
#include "tests/spine_support.h"

namespace fs = std::filesystem;

namespace {
struct Outcome {
    int status = -1;
    std::string out, err;
};

std::string slurp(const std::string& path)
{
    std::ifstream in(path);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

// Runs a shell command line, keeping its exit status and both output streams.
Outcome run(const std::string& command, const std::string& dir)
{
    Outcome r;
    int rc = std::system((command + " >" + dir + "out.txt 2>" + dir + "err.txt").c_str());
    r.status = WIFEXITED(rc) ? WEXITSTATUS(rc) : -1;
    r.out = slurp(dir + "out.txt");
    r.err = slurp(dir + "err.txt");
    return r;
}

void touch(const std::string& path)
{
    fs::create_directories(fs::path(path).parent_path());
    std::ofstream(path) << "x";
}

bool waitFor(const std::function<bool()>& ready, int seconds)
{
    for (int i = 0; i < seconds * 10; ++i) {
        if (ready()) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return false;
}
}

TEST(Launch, HelpVersionAndUnknownOptions)
{
    std::string dir = tempDir("options");
    Outcome help = run(MORVELLE_GAME_BIN " --help", dir);
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("Usage: morvelle"), std::string::npos);
    EXPECT_NE(help.out.find("--version"), std::string::npos);
    EXPECT_EQ(run(MORVELLE_GAME_BIN " -h", dir).status, 0);

    Outcome version = run(MORVELLE_GAME_BIN " --version", dir);
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out.rfind("Morvelle 1.", 0), 0u) << version.out;
    EXPECT_TRUE(version.err.empty()) << version.err;

    // anything else, an unknown switch or a stray word, gets the usage on standard error and status 2
    for (const char* bad : {" --fullscreen", " -x", " level3", " -v --bogus"}) {
        Outcome r = run(std::string(MORVELLE_GAME_BIN) + bad, dir);
        EXPECT_EQ(r.status, 2) << bad;
        EXPECT_NE(r.err.find("Usage: morvelle"), std::string::npos) << bad;
        EXPECT_TRUE(r.out.empty()) << bad;
    }
}

TEST(Launch, DataIsLookedForInOrderAndItsAbsenceIsNamed)
{
    std::string root = tempDir("lookup");
    std::string bin = root + "bin/", env = root + "elsewhere/";
    fs::create_directories(bin);
    fs::create_directories(env);   // set but empty: the search goes on

    DataSearch none = findDataTree(env, bin);
    EXPECT_TRUE(none.found.empty());
    ASSERT_EQ(none.looked.size(), 4u);
    EXPECT_EQ(none.looked[0], env);
    EXPECT_EQ(none.looked[1], bin + "data/");
    EXPECT_EQ(none.looked[2], root + "share/morvelle/");   // "bin/../" folded away
    EXPECT_EQ(none.looked[3], root + "share/games/morvelle/");
    std::string message = dataNotFoundMessage(none);
    for (const std::string& p : none.looked) EXPECT_NE(message.find(p), std::string::npos) << message;

    // the games layout: the program in games/, its data in share/games/morvelle/
    std::string games = root + "games/";
    fs::create_directories(games);
    touch(root + "share/games/morvelle/levels/lvla000.lvl");
    EXPECT_EQ(findDataTree("", games).found, root + "share/games/morvelle/");
    EXPECT_EQ(findDataTree("", bin).found, root + "share/games/morvelle/");
    touch(root + "share/morvelle/levels/lvla000.lvl");
    EXPECT_EQ(findDataTree("", bin).found, root + "share/morvelle/") << "a plain install comes before the games layout";
    touch(bin + "data/levels/lvla000.lvl");
    EXPECT_EQ(findDataTree("", bin).found, bin + "data/") << "the build tree comes before an installed copy";
    touch(env + "levels/lvla000.lvl");
    EXPECT_EQ(findDataTree(env, bin).found, env) << "MORVELLE_DATA comes first";
    EXPECT_EQ(findDataTree(env.substr(0, env.size() - 1), bin).found, env) << "with or without the slash";

    // a copy of the program with no data anywhere says where it looked and ends with status 1
    std::string lone = tempDir("lone");
    fs::create_directories(lone + "bin");
    fs::copy_file(MORVELLE_GAME_BIN, lone + "bin/morvelle");
    Outcome r = run("env -u MORVELLE_DATA " + lone + "bin/morvelle", lone);
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find(lone + "bin/data/"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find(lone + "share/morvelle/"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find(lone + "share/games/morvelle/"), std::string::npos) << r.err;
    Outcome pointed = run("MORVELLE_DATA=" + lone + "nothing " + lone + "bin/morvelle", lone);
    EXPECT_EQ(pointed.status, 1);
    EXPECT_NE(pointed.err.find(lone + "nothing/"), std::string::npos) << pointed.err;
}

TEST(Launch, StopSignalDuringALevelSuspendsItInTheProfileFile)
{
    std::string dir = tempDir("sigterm");
    std::string save = dir + "save/";
    std::ofstream(dir + "script.txt") << "60 mouse 400 300\n80 dump " << dir << "ready.json\n";
    pid_t child = fork();
    if (child == 0) {
        std::freopen((dir + "harness.log").c_str(), "w", stderr);
        execl(MORVELLE_HARNESS_BIN, MORVELLE_HARNESS_BIN, "--board", "3", "--save", save.c_str(), "--script",
              (dir + "script.txt").c_str(), (char*)nullptr);
        _exit(127);
    }
    ASSERT_GT(child, 0);
    bool started = waitFor([&] { return fs::exists(dir + "ready.json"); }, 240);
    kill(child, SIGTERM);
    int status = 0;
    bool ended = waitFor([&] { return waitpid(child, &status, WNOHANG) == child; }, 60);
    if (!ended) {
        kill(child, SIGKILL);
        waitpid(child, &status, 0);
    }
    ASSERT_TRUE(started) << slurp(dir + "harness.log");
    ASSERT_TRUE(ended) << "the program kept running after SIGTERM";
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);

    ensureHeadless();
    TSpieler p;
    p.SetURL(save + "players1.ppp");
    ASSERT_EQ(p.LoadFromDisk(), 1);
    EXPECT_EQ(p.isResume, 1);
    EXPECT_EQ(p.resumeLevel, 3);
    int gems = 0;
    for (int i = 1; i <= 260; ++i) gems += p.resumeItemA[i] > 0;
    EXPECT_GT(gems, 20) << "the board itself is kept";
    // the settings name the profile that was playing
    EXPECT_NE(slurp(save + "settings.txt").find("\r\n1\r\n"), std::string::npos);
}

TEST(Launch, SecondCopyIsToldSoAndEndsWithStatusZero)
{
    std::string dir = tempDir("second");
    std::string runtime = dir + "run/";
    fs::create_directories(runtime);
    // this test process holds the lock: it is no copy of the game, so there is no window to wake
    ASSERT_TRUE(Sys_TryLock(runtime + "morvell.lock"));
    EXPECT_EQ(std::atoi(slurp(runtime + "morvell.lock").c_str()), (int)getpid()) << "the lock names its owner";
    EXPECT_FALSE(Sys_WakeLockOwner(runtime + "morvell.lock"));
    Outcome r = run("XDG_RUNTIME_DIR=" + runtime + " SDL_VIDEODRIVER=offscreen SDL_AUDIODRIVER=dummy timeout 20 " MORVELLE_GAME_BIN,
                dir);
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.err.find("Morvelle is already running"), std::string::npos) << r.err;
}
