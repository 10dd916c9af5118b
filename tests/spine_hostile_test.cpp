// Hostile pictures and sounds: headers that lie about their size, impossible rates, lengths and values; the game on a
// damaged data tree.
#include <gtest/gtest.h>

#include <jpeglib.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <algorithm>
#include <chrono>
#include <climits>
#include <cmath>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include "campaign/besttimes.h"
#include "campaign/spieler.h"
#include "framework/math.h"
#include "framework/script_input.h"
#include "tests/spine_support.h"

namespace {

std::vector<std::string> s_trace;
void keepTrace(const std::string& line) { s_trace.push_back(line); }
bool traced(const std::string& part)
{
    for (const std::string& l : s_trace)
        if (l.find(part) != std::string::npos) return true;
    return false;
}

struct TraceCapture {
    TraceCapture() { s_trace.clear(); Sys_SetTraceSink(keepTrace); }
    ~TraceCapture() { Sys_SetTraceSink(nullptr); }
};

void put32be(std::vector<uint8_t>& b, size_t at, uint32_t v)
{
    for (int i = 0; i < 4; ++i) b[at + i] = (uint8_t)(v >> (24 - 8 * i));
}
void put32le(std::vector<uint8_t>& b, size_t at, uint32_t v)
{
    for (int i = 0; i < 4; ++i) b[at + i] = (uint8_t)(v >> (8 * i));
}

uint32_t crc32(const uint8_t* p, size_t n)
{
    uint32_t c = 0xFFFFFFFFu;
    for (size_t i = 0; i < n; ++i) {
        c ^= p[i];
        for (int k = 0; k < 8; ++k) c = (c >> 1) ^ (0xEDB88320u & (0u - (c & 1)));
    }
    return ~c;
}

// A valid 2 x 2 PNG whose header then claims w x h, with a correct header checksum.
std::vector<uint8_t> pngClaiming(const std::string& dir, uint32_t w, uint32_t h)
{
    uint32_t px[4] = {0xFFFF0000u, 0xFF00FF00u, 0xFF0000FFu, 0xFFFFFFFFu};
    EXPECT_TRUE(Sys_WritePNG(dir + "small.png", 2, 2, px));
    std::string s = readFile(dir + "small.png");
    std::vector<uint8_t> b(s.begin(), s.end());
    put32be(b, 16, w);
    put32be(b, 20, h);
    put32be(b, 29, crc32(&b[12], 17));
    return b;
}

std::vector<uint8_t> jpeg(int w, int h)
{
    jpeg_compress_struct c;
    jpeg_error_mgr err;
    c.err = jpeg_std_error(&err);
    jpeg_create_compress(&c);
    unsigned char* mem = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&c, &mem, &size);
    c.image_width = (JDIMENSION)w;
    c.image_height = (JDIMENSION)h;
    c.input_components = 3;
    c.in_color_space = JCS_RGB;
    jpeg_set_defaults(&c);
    jpeg_start_compress(&c, TRUE);
    std::vector<uint8_t> row((size_t)w * 3);
    for (int x = 0; x < w * 3; ++x) row[(size_t)x] = (uint8_t)(x * 7);
    while (c.next_scanline < (JDIMENSION)h) {
        JSAMPROW r = row.data();
        jpeg_write_scanlines(&c, &r, 1);
    }
    jpeg_finish_compress(&c);
    jpeg_destroy_compress(&c);
    std::vector<uint8_t> out(mem, mem + size);
    free(mem);
    return out;
}

// The header of a 24-bit BMP of w x h (a negative h is stored top-down) with 16 bytes of pixels.
std::vector<uint8_t> bmpHeader(int32_t w, int32_t h)
{
    std::vector<uint8_t> bmp(54 + 16, 0);
    bmp[0] = 'B', bmp[1] = 'M';
    put32le(bmp, 10, 54);
    put32le(bmp, 14, 40);
    put32le(bmp, 18, (uint32_t)w);
    put32le(bmp, 22, (uint32_t)h);
    bmp[28] = 24;
    return bmp;
}

bool decodes(const std::vector<uint8_t>& b)
{
    int w = 0, h = 0;
    std::vector<uint32_t> px;
    return Sys_DecodeImage(b, -1, w, h, px);
}

std::vector<uint8_t> wav(int channels, int rate, int bits, size_t dataBytes)
{
    std::vector<uint8_t> b(44 + dataBytes, 0x80);
    std::memcpy(&b[0], "RIFF", 4);
    put32le(b, 4, (uint32_t)(36 + dataBytes));
    std::memcpy(&b[8], "WAVEfmt ", 8);
    put32le(b, 16, 16);
    b[20] = 1;
    b[21] = 0;
    b[22] = (uint8_t)channels;
    b[23] = 0;
    put32le(b, 24, (uint32_t)rate);
    put32le(b, 28, (uint32_t)(rate * channels * bits / 8));
    b[32] = (uint8_t)(channels * bits / 8);
    b[33] = 0;
    b[34] = (uint8_t)bits;
    b[35] = 0;
    std::memcpy(&b[36], "data", 4);
    put32le(b, 40, (uint32_t)dataBytes);
    return b;
}

// Ogg's page checksum: CRC-32 with the polynomial 0x04C11DB7, high bit first, neither reflected nor inverted.
uint32_t oggCrc(const uint8_t* p, size_t n)
{
    uint32_t c = 0;
    for (size_t i = 0; i < n; ++i) {
        c ^= (uint32_t)p[i] << 24;
        for (int k = 0; k < 8; ++k) c = (c & 0x80000000u) ? (c << 1) ^ 0x04C11DB7u : c << 1;
    }
    return c;
}

// An Ogg Vorbis title with the type bit of every audio packet set and the page checksums made right again: its three
// headers open, but none of its audio packets decodes.
std::vector<uint8_t> undecodablePackets(std::vector<uint8_t> b)
{
    size_t pos = 0;
    int packet = 0;
    while (pos + 27 <= b.size() && std::memcmp(&b[pos], "OggS", 4) == 0) {
        const int segments = b[pos + 26];
        size_t at = pos + 27 + (size_t)segments;
        bool starts = (b[pos + 5] & 1) == 0;   // a continued page opens with the rest of a packet
        for (int k = 0; k < segments; ++k) {
            const int lace = b[pos + 27 + (size_t)k];
            if (starts && packet++ >= 3 && lace > 0) b[at] |= 1;
            starts = lace < 255;
            at += (size_t)lace;
        }
        put32le(b, pos + 22, 0);
        put32le(b, pos + 22, oggCrc(&b[pos], at - pos));
        pos = at;
    }
    return b;
}

bool soundLoads(const std::vector<uint8_t>& b)
{
    SysSound* s = Sys_LoadSoundMemory(b.data(), b.size(), 0);
    Sys_FreeSound(s);
    return s != nullptr;
}

}

TEST(HostilePictures, HeadersClaimingHugePicturesAreRefusedBeforeAnyBuffer)
{
    ensureHeadless();
    std::string dir = tempDir("hostile-pictures");
    TraceCapture trace;

    EXPECT_TRUE(decodes(pngClaiming(dir, 2, 2)));
    EXPECT_FALSE(decodes(pngClaiming(dir, 8193, 2)));
    EXPECT_TRUE(traced("8193 x 2 refused"));
    // Within the side limit but far more than 80 bytes of deflate can hold.
    EXPECT_FALSE(decodes(pngClaiming(dir, 8192, 8192)));
    EXPECT_TRUE(traced("larger than its file"));

    std::vector<uint8_t> j = jpeg(16, 16);
    EXPECT_TRUE(decodes(j));
    for (size_t i = 2; i + 8 < j.size(); ++i) {
        if (j[i] == 0xFF && j[i + 1] == 0xC0) {   // start of frame: height and width follow the precision
            j[i + 5] = 0x23, j[i + 6] = 0x28;          // 9000
            j[i + 7] = 0x23, j[i + 8] = 0x28;
            break;
        }
    }
    EXPECT_FALSE(decodes(j));
    EXPECT_TRUE(traced("9000 x 9000 refused"));
    // A JPEG cut short is refused rather than padded with grey.
    std::vector<uint8_t> whole = jpeg(64, 64);
    std::vector<uint8_t> cut(whole.begin(), whole.begin() + (long)whole.size() / 2);
    EXPECT_FALSE(decodes(cut));

    // TGA: an 18-byte header of 65535 x 65535, a raw picture missing pixels, run packets that cannot fill it.
    std::vector<uint8_t> tga = {0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 32, 0x20};
    EXPECT_FALSE(decodes(tga));
    std::vector<uint8_t> raw = {0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 100, 0, 100, 0, 24, 0x20};
    raw.resize(raw.size() + 10 * 3, 9);
    EXPECT_FALSE(decodes(raw));
    std::vector<uint8_t> runs = {0, 0, 10, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x20, 0, 0x20, 24, 0x20};
    for (int i = 0; i < 10; ++i) runs.insert(runs.end(), {0xFF, 1, 2, 3});
    EXPECT_FALSE(decodes(runs));
    std::vector<uint8_t> fits = {0, 0, 10, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 0, 24, 0x20};   // 256 x 1 in two runs
    for (int i = 0; i < 2; ++i) fits.insert(fits.end(), {0xFF, 1, 2, 3});
    EXPECT_TRUE(decodes(fits));

    // BMP: the smallest height cannot be negated, and a side over the limit is refused.
    std::vector<uint8_t> bmp = bmpHeader(2, 2);
    EXPECT_TRUE(decodes(bmp));
    put32le(bmp, 22, 0x80000000u);
    EXPECT_FALSE(decodes(bmp));
    put32le(bmp, 22, 2);
    put32le(bmp, 18, 9000);
    EXPECT_FALSE(decodes(bmp));

    // A refused picture loads as nothing, like any failed load.
    writeFile(dir + "huge.tga", tga);
    EXPECT_EQ(Sys_LoadImage(dir + "huge.tga"), nullptr);
}

TEST(HostilePictures, NarrowButVeryTallPicturesAreRefusedLikeWideOnes)
{
    ensureHeadless();
    std::string dir = tempDir("hostile-tall");
    TraceCapture trace;

    EXPECT_FALSE(decodes(pngClaiming(dir, 1, 9000)));
    EXPECT_TRUE(traced("PNG picture of 1 x 9000 refused"));
    EXPECT_FALSE(decodes(pngClaiming(dir, 2, 8193)));
    EXPECT_TRUE(traced("PNG picture of 2 x 8193 refused"));

    EXPECT_TRUE(decodes(jpeg(2, 8192)));
    EXPECT_FALSE(decodes(jpeg(2, 8193)));
    EXPECT_TRUE(traced("JPEG picture of 2 x 8193 refused"));

    EXPECT_FALSE(decodes(bmpHeader(1, 9000)));
    EXPECT_TRUE(traced("BMP picture of 1 x 9000 refused"));
    EXPECT_FALSE(decodes(bmpHeader(2, -8193)));   // top-down
    EXPECT_TRUE(traced("BMP picture of 2 x 8193 refused"));

    std::vector<uint8_t> tga = {0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0x28, 0x23, 24, 0x20};   // 1 x 9000
    tga.resize(tga.size() + 9000 * 3, 7);
    EXPECT_FALSE(decodes(tga));
    EXPECT_TRUE(traced("TGA picture of 1 x 9000 refused"));
}

TEST(HostileSounds, RatesAndLengthsOutsideTheBoundsAreRefused)
{
    ensureHeadless();
    TraceCapture trace;
    EXPECT_TRUE(soundLoads(wav(1, 8000, 8, 800)));
    EXPECT_TRUE(soundLoads(wav(2, 192000, 16, 3840)));
    EXPECT_FALSE(soundLoads(wav(1, 1, 16, 200)));
    EXPECT_TRUE(traced("at 1 Hz refused"));
    EXPECT_FALSE(soundLoads(wav(1, 7999, 8, 800)));
    EXPECT_FALSE(soundLoads(wav(1, 192001, 8, 800)));
    EXPECT_FALSE(soundLoads(wav(0, 22050, 8, 800)));
    // One sample past ten minutes at 8 kHz.
    EXPECT_FALSE(soundLoads(wav(1, 8000, 8, 8000 * 600 + 1)));
    EXPECT_TRUE(traced("longer than ten minutes"));

    std::vector<uint8_t> loaded = wav(1, 22050, 16, 4410);
    SysSound* s = Sys_LoadSoundMemory(loaded.data(), loaded.size(), 0);
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(Sys_SoundLengthMs(s), 100);
    Sys_FreeSound(s);
}

TEST(HostileSounds, ALoopingTitleWhosePacketsDoNotDecodeEndsInSilence)
{
    ensureHeadless();
    std::vector<uint8_t> bytes;
    ASSERT_TRUE(Sys_ReadAllBytes(MORVELLE_DATA_DIR "music/win.ogg", bytes));
    std::vector<uint8_t> bad = undecodablePackets(bytes);
    SysSound* s = Sys_LoadSoundMemory(bad.data(), bad.size(), SND_LOOP | SND_STREAM);
    ASSERT_NE(s, nullptr);   // the headers are sound: it opens as a stream
    int ch = Sys_AllocChannel();
    Sys_PlayChannel(ch, s);
    std::vector<int16_t> out(4096 * 2, 1);
    if (Sys_AudioDeviceOpen()) {
        // the mixer's thread reads it; a title that never ends would keep decoding itself over and over
        auto until = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        while (Sys_ChannelPlaying(ch) && std::chrono::steady_clock::now() < until)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
    } else {
        EXPECT_EQ(Sys_ReadStream(s, out.data(), 4096), 0u);
    }
    EXPECT_FALSE(Sys_ChannelPlaying(ch));
    Sys_StopChannel(ch);
    std::fill(out.begin(), out.end(), 1);
    EXPECT_EQ(Sys_ReadStream(s, out.data(), 4096), 0u);
    EXPECT_TRUE(std::all_of(out.begin(), out.end(), [](int16_t v) { return v == 0; }));
    Sys_FreeSound(s);

    // the sound title itself still loops
    SysSound* good = Sys_LoadSoundMemory(bytes.data(), bytes.size(), SND_LOOP | SND_STREAM);
    ASSERT_NE(good, nullptr);
    Sys_CueChannel(ch, good);
    Sys_SetChannelPaused(ch, false);
    EXPECT_TRUE(Sys_ChannelPlaying(ch));
    Sys_StopChannel(ch);
    Sys_FreeSound(good);
}

TEST(HostileNumbers, ValuesFromFilesSaturateIntoIntRange)
{
    EXPECT_EQ(clampToInt(1e12), INT_MAX);
    EXPECT_EQ(clampToInt(-1e12), INT_MIN);
    EXPECT_EQ(clampToInt(2147483647.0), INT_MAX);
    EXPECT_EQ(clampToInt(-2147483648.0), INT_MIN);
    EXPECT_EQ(clampToInt(-12.9), -12);
    EXPECT_EQ(clampToInt(12.9), 12);
    EXPECT_EQ(clampToInt(std::nan("")), 0);
}

// Writes made to fail inside the test by a file-size limit whose signal is ignored.
TEST(HostileScripts, LinesOutsideTheirFormsAreRefusedAndTextKeepsItsLine)
{
    auto parse = [](const std::string& line, std::vector<ScriptEvent>& out) { return parseScriptLine(line, 7, out); };
    std::vector<ScriptEvent> out;
    // frames are plain whole numbers a script can reach; coordinates and axes finite numbers inside an int
    for (const char* bad : {"0 quit", "-3 quit", "2e3 quit", "1.5 quit", "99999999999 quit", "5", "5 mouse inf 3",
                            "5 mouse nan 3", "5 mouse 1e300 3", "5 padaxis leftx 40000", "5 padaxis leftx nan",
                            "5 key nokey", "5 quit now", "5 jump"})
        EXPECT_NE(parse(bad, out), "") << bad;
    EXPECT_TRUE(out.empty());
    // blank lines and comments carry nothing
    for (const char* none : {"", "   ", "# 5 quit", "\r"}) EXPECT_EQ(parse(none, out), "") << none;
    EXPECT_TRUE(out.empty());
    // a text event keeps the rest of its line, a hash included, without the line's carriage returns
    ASSERT_EQ(parse("012 text  two # words\r\r", out), "");
    ASSERT_EQ(out.size(), 1u);
    EXPECT_EQ(out[0].frame, 12);
    EXPECT_EQ(out[0].rest, " two # words");
    EXPECT_EQ(out[0].line, 7);
    ASSERT_EQ(parse("13 mouse -5 767.5 # over the edge", out), "");
    EXPECT_EQ(out.back().args, (std::vector<std::string>{"-5", "767.5"}));
}

TEST(HostileFiles, FailedWritesReportFailureAndKeepTheOldFileByteForByte)
{
    ensureHeadless();
    std::string dir = tempDir("hostile-files");
    const std::string old("\x01\x02\x03old save", 11);
    writeFile(dir + "save.ppp", std::vector<uint8_t>(old.begin(), old.end()));

    rlimit saved;
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit tiny = saved;
    tiny.rlim_cur = 64;
    std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &tiny), 0);
    // Small enough for the stream's buffer: the failure shows when it is flushed.
    auto a = Sys_WriteFile(dir + "save.ppp");
    a->WriteString(std::string(100, 'a'));
    const bool closedA = a->Close();
    // Larger than the buffer: the write itself comes up short.
    std::vector<uint8_t> big(100000, 'b');
    auto b = Sys_WriteFile(dir + "save.ppp");
    const size_t put = b->Write(big.data(), big.size());
    const bool goodB = b->Good();
    const bool closedB = b->Close();
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, SIG_DFL);

    EXPECT_FALSE(closedA);
    EXPECT_LT(put, big.size());
    EXPECT_FALSE(goodB);
    EXPECT_FALSE(closedB);
    EXPECT_EQ(readFile(dir + "save.ppp"), old);
    EXPECT_FALSE(std::filesystem::exists(dir + "save.ppp.tmp"));

    // Without the limit the same write replaces the file.
    auto c = Sys_WriteFile(dir + "save.ppp");
    c->Write(big.data(), big.size());
    EXPECT_TRUE(c->Close());
    EXPECT_EQ(readFile(dir + "save.ppp").size(), big.size());
}

// A path naming a device or a pipe instead of a file: /dev/zero would be read without end, a pipe would block.
TEST(HostileFiles, OnlyPlainFilesAreRead)
{
    ensureHeadless();
    std::string dir = tempDir("hostile-special");
    ASSERT_EQ(mkfifo((dir + "pipe").c_str(), 0600), 0);
    TraceCapture trace;
    EXPECT_EQ(Sys_ReadFile("/dev/zero"), nullptr);
    EXPECT_EQ(Sys_ReadFile(dir + "pipe"), nullptr);
    EXPECT_TRUE(traced("is not a plain file"));
    EXPECT_EQ(Sys_LoadImage("/dev/zero"), nullptr);
    std::string text;
    EXPECT_FALSE(Sys_ReadTextFile(dir + "pipe", text));
    writeFile(dir + "plain", {1, 2, 3});
    EXPECT_NE(Sys_ReadFile(dir + "plain"), nullptr);
}

namespace {

// A run on a damaged tree stays under 500 MB; with the sanitizers their shadow memory is not the game's.
void expectBoundedMemory(long peakKb)
{
#ifdef MORVELLE_SANITIZED
    (void)peakKb;
#else
    EXPECT_LT(peakKb, 500L * 1024);
#endif
}

// Runs the harness over the data tree and save folder in dir under /usr/bin/time; the peak resident memory in KB
// goes to peakKb, the trace and any error to out.txt.
int runMeasured(const std::string& dir, const std::string& args, const std::string& script, long& peakKb)
{
    std::ofstream(dir + "script.txt") << script;
    const std::string cmd = "MORVELLE_TRACE=1 /usr/bin/time -f %M -o " + dir + "peak.txt " + MORVELLE_HARNESS_BIN +
                            " --data " + dir + "data --save " + dir + "save --script " + dir + "script.txt " + args +
                            " > " + dir + "out.txt 2>&1";
    const int rc = std::system(cmd.c_str());
    // a killed child leaves a line about the signal before the number
    std::istringstream lines(readFile(dir + "peak.txt"));
    std::string line;
    peakKb = 0;
    while (std::getline(lines, line))
        if (!line.empty()) peakKb = std::atol(line.c_str());
    return WIFEXITED(rc) ? WEXITSTATUS(rc) : -1;
}

int dumped(const std::string& json, const std::string& key)
{
    size_t at = json.find("\"" + key + "\":");
    return at == std::string::npos ? -12345 : std::atoi(json.c_str() + at + key.size() + 3);
}

void cutFile(const std::string& path, size_t keep)
{
    std::string s = readFile(path);
    s.resize(std::min(keep, s.size()));
    writeFile(path, std::vector<uint8_t>(s.begin(), s.end()));
}

// A profile in the slot whose stored level can no longer be resumed as it stands.
void brokenSnapshot(const std::string& path, const std::string& name, int resumeLevel)
{
    TSpieler p;
    p.Erase();
    p.SetURL(path);
    p.Name = name;
    p.StoryLevel = p.Level = 2;
    p.StoryPoints = INT_MAX - 1;
    p.isResume = 1;
    p.resumeLevel = resumeLevel;
    p.resumeTime = INT_MIN;
    p.resumePoints = INT_MAX;
    for (int i = 1; i <= PROFILE_CELLS; ++i) {
        p.resumeItemA[i] = 1 + i % 6;
        p.resumeItemX[i] = INT_MAX - i;
        p.resumeItemY[i] = INT_MIN + i;
    }
    ASSERT_EQ(p.SaveToDisk(), 1);
}

// The built data tree and a save folder, each damaged in every way a file once crashed, froze or silenced the game.
void damagedTree(const std::string& d)
{
    namespace fs = std::filesystem;
    fs::copy(MORVELLE_DATA_DIR, d + "data", fs::copy_options::recursive);
    fs::create_directories(d + "save");
    const std::string data = d + "data/";

    // a splash page naming a device instead of a picture, a page asking for years
    std::ofstream(data + "branding/splashconfig.txt")
        << "file=../../../../../../../../dev/zero\ntime=40\nskip=True\n;---\nfile=title.jpg\ntime=99999999999999\nskip=True\n";
    // pictures whose headers claim far more than the files hold, one cut in half
    std::vector<uint8_t> j = jpeg(16, 16);
    for (size_t i = 2; i + 8 < j.size(); ++i)
        if (j[i] == 0xFF && j[i + 1] == 0xC0) {
            j[i + 5] = 0x23, j[i + 6] = 0x28, j[i + 7] = 0x23, j[i + 8] = 0x28;
            break;
        }
    writeFile(data + "bg/menubg.jpg", j);
    writeFile(data + "ui/popupbig.png", pngClaiming(d, 8192, 8192));
    cutFile(data + "bg/bg2.jpg", readFile(data + "bg/bg2.jpg").size() / 2);
    // a sound at 1 Hz, music cut short
    writeFile(data + "sfx/button1.ogg", wav(1, 1, 16, 200));
    cutFile(data + "music/main.ogg", 300);
    // a font whose first record lies outside the table, a text table ending mid-line
    std::string font = readFile(data + "fonts/text.tgf");
    font.replace(0, 4, "\xff\xff\xff\x7f");
    writeFile(data + "fonts/text.tgf", std::vector<uint8_t>(font.begin(), font.end()));
    cutFile(data + "texts/codetexts.txt", readFile(data + "texts/codetexts.txt").size() / 2 + 1);
    // level 1: every cell the largest code; the goal table cut after three numbers
    std::vector<uint8_t> cells(readFile(data + "levels/lvla001.lvl").size(), 0xFF);
    for (size_t i = 3; i < cells.size(); i += 4) cells[i] = 0x7F;
    writeFile(data + "levels/lvla001.lvl", cells);
    cutFile(data + "levels/lvla000.lvl", 12);

    // settings: volumes past any range and a profile slot far outside the table
    std::ofstream(d + "save/settings.txt") << "1\r\n99999999999\r\n-3\r\n99\r\n7\r\n140\r\n";
    brokenSnapshot(d + "save/players1.ppp", "Ada", 2);
    brokenSnapshot(d + "save/players2.ppp", "Bea", 500);
    writeFile(d + "save/players3.ppp", std::vector<uint8_t>(333, 0xFF));
    // best times below "none" with names of control bytes
    writeFile(d + "save/besttimes.ppp", std::vector<uint8_t>(BESTTIMES_FILE_BYTES, 0x81));
}
}

// The whole game on a damaged data tree and save folder: the splash, loading and the menu, a level whose stored
// snapshot is dropped, and a level with no usable cell. Each run ends cleanly in bounded memory.
TEST(HostileTree, DamagedDataAndSavesStillRunAndEndCleanly)
{
    ensureHeadless();
    const std::string d = tempDir("hostile-tree");
    damagedTree(d);
    long peak = 0;

    const std::string menu = "2 keydown escape\n60 keyup escape\n"
                             "560 mouse 355 666\n561 click left\n"
                             "600 mouse 905 666\n601 click left\n"
                             "640 dump " + d + "menu.json\n640 shot " + d + "menu.png\n";
    ASSERT_EQ(runMeasured(d, "--frames 641", menu, peak), 0) << readFile(d + "out.txt");
    RecordProperty("menu_peak_kb", std::to_string(peak));
    const std::string trace = readFile(d + "out.txt");
    const std::string json = readFile(d + "menu.json");
    EXPECT_GE(dumped(json, "g_currentPlayer"), -1);
    EXPECT_LE(dumped(json, "g_currentPlayer"), 8);
    EXPECT_NE(trace.find("9000 x 9000 refused"), std::string::npos);
    EXPECT_NE(trace.find("at 1 Hz refused"), std::string::npos);
    EXPECT_NE(trace.find("lies outside 0..65535"), std::string::npos);
    EXPECT_NE(trace.find("impossible time"), std::string::npos);
    EXPECT_NE(trace.find("shown for 2400"), std::string::npos);
    expectBoundedMemory(peak);

    const std::string board = "60 keydown enter\n61 keyup enter\n"
                              "100 mouse 400 300\n101 click left\n102 mouse 440 300\n103 click left\n"
                              "110 key r\n120 key f2\n130 key f3\n"
                              "200 dump " + d + "board.json\n201 quit\n";
    ASSERT_EQ(runMeasured(d, "--board 2 --dev", board, peak), 0) << readFile(d + "out.txt");
    RecordProperty("board_peak_kb", std::to_string(peak));
    EXPECT_NE(readFile(d + "out.txt").find("cannot be resumed"), std::string::npos);
    EXPECT_EQ(dumped(readFile(d + "board.json"), "Level"), 2);
    expectBoundedMemory(peak);

    ASSERT_EQ(runMeasured(d, "--board 1", "80 dump " + d + "empty.json\n81 quit\n", peak), 0) << readFile(d + "out.txt");
    EXPECT_EQ(dumped(readFile(d + "empty.json"), "g_scene"), dumped(readFile(d + "board.json"), "g_scene"));
}
