// Writes every sound effect and music title of the data tree, the titles in parallel on two threads.
#include "content/audio/audio.h"

#include <atomic>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <thread>

#include "content/tool/modules.h"

namespace synth {

namespace {

bool folderReady(const std::string& dir)
{
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);
    return std::filesystem::is_directory(dir, ec);
}

}   // namespace

bool writeEffect(const std::string& dataDir, const std::string& file)
{
    Mono m;
    if (!folderReady(dataDir + "sfx") || !renderEffect(file, m)) return false;
    std::string path = dataDir + "sfx/" + file;
    if (file.size() > 4 && file.compare(file.size() - 4, 4, ".wav") == 0) return writeWav16(path, m);
    // A little silence ahead keeps the codec's pre-echo of the attack off the first sample.
    std::vector<float> f(size_t(samples(0.01)), 0.0f);
    f.insert(f.end(), m.begin(), m.end());
    return writeOgg(path, {&f}, 0.5f);
}

bool writeTitle(const std::string& dataDir, const std::string& title)
{
    std::vector<float> l, r;
    if (!folderReady(dataDir + "music") || !renderTitle(title, l, r)) return false;
    return writeOgg(dataDir + "music/" + title, {&l, &r}, 0.4f, true);
}

}   // namespace synth

int generateAudio(const std::string& out)
{
    auto start = std::chrono::steady_clock::now();
    std::vector<std::function<bool()>> jobs;
    // Longest titles first so that the two threads finish together.
    for (const char* t : {"ingame2.ogg", "ingame1.ogg", "main.ogg", "ambient.ogg", "win.ogg"})
        jobs.push_back([&out, t] {
            if (synth::writeTitle(out, t)) return true;
            std::fprintf(stderr, "audio: could not write music/%s\n", t);
            return false;
        });
    jobs.push_back([&out] {
        bool ok = true;
        for (const std::string& f : synth::effectFiles()) {
            if (!synth::writeEffect(out, f)) {
                std::fprintf(stderr, "audio: could not write sfx/%s\n", f.c_str());
                ok = false;
            }
        }
        return ok;
    });
    std::atomic<size_t> next{0};
    std::atomic<bool> ok{true};
    auto worker = [&] {
        for (size_t j = next++; j < jobs.size(); j = next++)
            if (!jobs[j]()) ok = false;
    };
    std::thread helper(worker);
    worker();
    helper.join();
    double secs = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("audio: %zu effects and %zu titles in %.1f s\n", synth::effectFiles().size(),
                synth::musicTitles().size(), secs);
    return ok ? 0 : 1;
}
