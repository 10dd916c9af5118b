// Decodes every generated effect and title: format, length, level, clean ends, seamless loops, identical reruns.
#include <gtest/gtest.h>
#include <vorbis/vorbisfile.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>

#include <unistd.h>

#include "content/audio/audio.h"
#include "content/tool/modules.h"

namespace fs = std::filesystem;

namespace {

struct Decoded {
    bool ok = false;
    int channels = 0, rate = 0;
    std::vector<std::vector<double>> ch;
    size_t frames() const { return ch.empty() ? 0 : ch[0].size(); }
};

Decoded decodeOgg(const std::string& path)
{
    Decoded d;
    OggVorbis_File vf;
    if (ov_fopen(path.c_str(), &vf) != 0) return d;
    vorbis_info* vi = ov_info(&vf, -1);
    d.channels = vi->channels;
    d.rate = int(vi->rate);
    d.ch.resize(size_t(d.channels));
    int section = 0;
    for (;;) {
        float** pcm = nullptr;
        long n = ov_read_float(&vf, &pcm, 4096, &section);
        if (n < 0) {
            ov_clear(&vf);
            return d;
        }
        if (n == 0) break;
        for (int c = 0; c < d.channels; ++c) d.ch[size_t(c)].insert(d.ch[size_t(c)].end(), pcm[c], pcm[c] + n);
    }
    ov_clear(&vf);
    d.ok = true;
    return d;
}

uint32_t le(const std::vector<uint8_t>& b, size_t at, int bytes)
{
    uint32_t v = 0;
    for (int i = 0; i < bytes; ++i) v |= uint32_t(b[at + size_t(i)]) << (8 * i);
    return v;
}

std::vector<uint8_t> readAll(const std::string& path)
{
    std::ifstream f(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(f), {});
}

// The plain 44-byte-header PCM WAV the tool writes.
Decoded decodeWav(const std::string& path)
{
    Decoded d;
    std::vector<uint8_t> b = readAll(path);
    if (b.size() < 44 || std::string(b.begin(), b.begin() + 4) != "RIFF" || le(b, 20, 2) != 1 || le(b, 34, 2) != 16)
        return d;
    d.channels = int(le(b, 22, 2));
    d.rate = int(le(b, 24, 4));
    size_t bytes = std::min(size_t(le(b, 40, 4)), b.size() - 44);
    d.ch.resize(size_t(d.channels));
    for (size_t i = 0; i + 2 * size_t(d.channels) <= bytes; i += 2 * size_t(d.channels))
        for (int c = 0; c < d.channels; ++c)
            d.ch[size_t(c)].push_back(int16_t(le(b, 44 + i + 2 * size_t(c), 2)) / 32768.0);
    d.ok = true;
    return d;
}

Decoded decode(const std::string& path)
{
    return path.size() > 4 && path.compare(path.size() - 4, 4, ".wav") == 0 ? decodeWav(path) : decodeOgg(path);
}

double peak(const std::vector<double>& s)
{
    double p = 0;
    for (double v : s) p = std::max(p, std::fabs(v));
    return p;
}

// Read as a loop, the step from the last sample to the first must be like the steps just around it;
// a cut shows as one step many times the typical one.
bool seamless(const std::vector<double>& s)
{
    const long n = long(s.size()), w = 48;
    auto at = [&](long i) { return s[size_t(((i % n) + n) % n)]; };
    std::vector<double> steps;
    for (long i = -w; i <= w; ++i)
        if (i != 0) steps.push_back(std::fabs(at(i) - at(i - 1)));
    std::nth_element(steps.begin(), steps.begin() + long(steps.size() / 2), steps.end());
    return std::fabs(at(0) - at(-1)) <= 5.0 * steps[steps.size() / 2];
}

// The distinct files of the game's sound table, ids 1..58.
const std::set<std::string> SOUND_TABLE_FILES = {
    "mark1.ogg",     "mark2.ogg",       "turnup.ogg",        "turndown.ogg",      "bell1.ogg",
    "shuffle.ogg",   "hint.ogg",        "failure.ogg",       "gamebutt1.ogg",     "mo.ogg",
    "button1.ogg",   "bomb.ogg",        "explosion2.wav",    "pucollect.ogg",     "colorer.ogg",
    "match.ogg",     "swap.wav",        "enterping.ogg",     "pucollect2.ogg",    "contact2.ogg",
    "explosion.ogg", "pu_select.wav",   "pu_deselect.wav",   "puhit.ogg",         "takepu.ogg",
    "glitter.ogg",   "laypart.ogg",     "pustart.ogg",       "stone2.ogg",        "butt.ogg",
    "moss2.ogg",     "mmh1.ogg",        "pufull.ogg",        "puno.ogg",          "cash.ogg",
    "build.ogg",     "tumbler_down.ogg", "lionroar.wav",     "pu_unlocked.wav",   "meteorappears.ogg",
    "meteorhit.ogg", "meteormiss.ogg",  "popup.wav",
};

class AudioFiles : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        dir_ = (fs::temp_directory_path() / ("morvelle_audio_" + std::to_string(::getpid()))).string() + "/";
        fs::remove_all(dir_);
        rc_ = generateAudio(dir_);
    }
    static void TearDownTestSuite() { fs::remove_all(dir_); }
    static std::string dir_;
    static int rc_;
};
std::string AudioFiles::dir_;
int AudioFiles::rc_ = -1;

TEST_F(AudioFiles, EveryEffectOfTheSoundTableDecodesShortCleanAndLevelled)
{
    ASSERT_EQ(rc_, 0);
    std::vector<std::string> made = synth::effectFiles();
    EXPECT_EQ(std::set<std::string>(made.begin(), made.end()), SOUND_TABLE_FILES);
    double quietest = 1e9, loudest = -1e9;
    for (const std::string& f : SOUND_TABLE_FILES) {
        SCOPED_TRACE(f);
        Decoded d = decode(dir_ + "sfx/" + f);
        ASSERT_TRUE(d.ok);
        EXPECT_EQ(d.channels, 1);
        EXPECT_EQ(d.rate, 44100);
        double seconds = double(d.frames()) / 44100.0;
        EXPECT_GT(seconds, 0.08);
        EXPECT_LT(seconds, 1.5);
        const std::vector<double>& s = d.ch[0];
        EXPECT_GT(peak(s), 0.1);
        EXPECT_LT(peak(s), 0.97);
        // No click: the ends start and finish near silence.
        EXPECT_LT(std::fabs(s.front()), 0.01);
        EXPECT_LT(std::fabs(s.back()), 0.01);
        double loud = synth::loudnessDb(s);
        quietest = std::min(quietest, loud);
        loudest = std::max(loudest, loud);
    }
    EXPECT_LT(loudest - quietest, 3.0);
}

TEST_F(AudioFiles, MusicTitlesAreStereoLoopsWithoutASeam)
{
    ASSERT_EQ(rc_, 0);
    for (const char* t : {"ambient.ogg", "main.ogg", "ingame1.ogg", "ingame2.ogg", "win.ogg"}) {
        SCOPED_TRACE(t);
        Decoded d = decodeOgg(dir_ + "music/" + t);
        ASSERT_TRUE(d.ok);
        ASSERT_EQ(d.channels, 2);
        EXPECT_EQ(d.rate, 44100);
        double seconds = double(d.frames()) / 44100.0;
        EXPECT_GE(seconds, 40.0);
        EXPECT_LE(seconds, 90.0);
        for (const std::vector<double>& s : d.ch) {
            EXPECT_LT(peak(s), 0.99);
            double sum = 0;
            for (double v : s) sum += v * v;
            EXPECT_GT(std::sqrt(sum / double(s.size())), 0.05);
            EXPECT_TRUE(seamless(s));
        }
        // The check has teeth: a step of a quarter of full scale at the seam is caught.
        std::vector<double> stepped = d.ch[0];
        for (size_t i = stepped.size() / 2; i < stepped.size(); ++i) stepped[i] += 0.25;
        EXPECT_FALSE(seamless(stepped));
    }
}

TEST_F(AudioFiles, ASecondGenerationGivesTheSameBytes)
{
    ASSERT_EQ(rc_, 0);
    std::string again = dir_ + "again/";
    for (const std::string& f : synth::effectFiles()) {
        ASSERT_TRUE(synth::writeEffect(again, f));
        EXPECT_EQ(readAll(again + "sfx/" + f), readAll(dir_ + "sfx/" + f)) << f;
    }
    ASSERT_TRUE(synth::writeTitle(again, "win.ogg"));
    EXPECT_EQ(readAll(again + "music/win.ogg"), readAll(dir_ + "music/win.ogg"));
}

TEST_F(AudioFiles, UnknownNamesAndUnwritableFoldersFail)
{
    synth::Mono m;
    EXPECT_FALSE(synth::renderEffect("nothing.ogg", m));
    std::vector<float> l, r;
    EXPECT_FALSE(synth::renderTitle("nothing.ogg", l, r));
    // A plain file where the data folder should be.
    std::string blocked = dir_ + "blocked";
    std::ofstream(blocked) << "x";
    EXPECT_FALSE(synth::writeEffect(blocked + "/", "button1.ogg"));
    EXPECT_FALSE(synth::writeTitle(blocked + "/", "win.ogg"));
}

}   // namespace
