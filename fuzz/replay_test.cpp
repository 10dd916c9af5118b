// Replays every seed and every input that once crashed through its fuzz target, without the fuzzer.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "fuzz/fuzz_target.h"

namespace fs = std::filesystem;

static std::map<std::string, FuzzFunction>& registry()
{
    static std::map<std::string, FuzzFunction> targets;
    return targets;
}

bool fuzzRegister(const char* name, FuzzFunction fn)
{
    registry()[name] = fn;
    return true;
}

static int replayFolder(const fs::path& dir, FuzzFunction fn)
{
    int n = 0;
    if (!fs::is_directory(dir)) return 0;
    for (const fs::directory_entry& e : fs::directory_iterator(dir)) {
        if (!e.is_regular_file()) continue;
        std::ifstream in(e.path(), std::ios::binary);
        std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        SCOPED_TRACE(e.path().string());
        fn(bytes.data(), bytes.size());
        ++n;
    }
    return n;
}

TEST(FuzzReplay, EveryTargetRunsItsSeedsAndFormerCrashes)
{
    ASSERT_GE(registry().size(), 14u);
    for (const auto& [name, fn] : registry()) {
        SCOPED_TRACE(name);
        const fs::path root(MORVELLE_FUZZ_DIR);
        EXPECT_GT(replayFolder(root / "corpus" / name, fn), 0) << "no seeds for " << name;
        replayFolder(root / "regress" / name, fn);
    }
}

// Inputs every parser must survive whatever its format: nothing, one byte, and a run of each extreme byte.
TEST(FuzzReplay, EveryTargetSurvivesDegenerateInputs)
{
    const std::vector<std::vector<uint8_t>> inputs = {
        {}, {0}, std::vector<uint8_t>(7436, 0xFF), std::vector<uint8_t>(1040, 0x7F), std::vector<uint8_t>(4096, 0x80)};
    for (const auto& [name, fn] : registry()) {
        SCOPED_TRACE(name);
        for (const auto& in : inputs) fn(in.data(), in.size());
    }
}
