// The text table and the splash configuration, read the way the game reads them.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <set>

#include "content/pictures/painters.h"
#include "tests/content_support.h"

using namespace content_test;

namespace {

std::string trim(const std::string& s)
{
    size_t a = 0, b = s.size();
    while (a < b && static_cast<unsigned char>(s[a]) <= 32) ++a;
    while (b > a && static_cast<unsigned char>(s[b - 1]) <= 32) --b;
    return s.substr(a, b - a);
}

// Lines are cut at carriage returns only; each is trimmed, "#" starts a comment, "=" splits key and value.
std::map<std::string, std::string> readTable(const std::vector<uint8_t>& bytes)
{
    std::string text(bytes.begin(), bytes.end());
    std::map<std::string, std::string> t;
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find('\r', start);
        if (end == std::string::npos) end = text.size();
        std::string line = trim(text.substr(start, end - start));
        start = end + 1;
        if (!line.empty() && line[0] == '#') continue;
        size_t eq = line.find('=');
        if (eq == std::string::npos) t[""] = line;
        else t[trim(line.substr(0, eq))] = trim(line.substr(eq + 1));
    }
    return t;
}

}  // namespace

TEST(ContentTexts, EveryKeyTheGameLooksUpHasAText)
{
    std::vector<uint8_t> bytes;
    ASSERT_TRUE(readFile(dataDir() + "texts/codetexts.txt", bytes));
    ASSERT_GE(bytes.size(), 3u);
    EXPECT_EQ(bytes[0], 0xEF);
    EXPECT_EQ(bytes[1], 0xBB);
    EXPECT_EQ(bytes[2], 0xBF);
    // Every line feed follows a carriage return.
    for (size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] != '\n') continue;
        ASSERT_TRUE(i > 0 && bytes[i - 1] == '\r') << "bare line feed at byte " << i;
    }
    std::map<std::string, std::string> t = readTable(std::vector<uint8_t>(bytes.begin() + 3, bytes.end()));
    const char* keys[] = {
        "pause", "clicktocontinue", "chapter", "game", "welcome", "defaultplayer", "startgame", "player", "champions",
        "options", "play", "besttime", "by", "nobesttime", "alllevelsdone", "pointsinthislevel", "pointsinthisgame",
        "smasheddirt", "timebonus", "dayover", "ok", "powerupready", "powerupnotready", "powerupnotenoughpoints",
        "powerupbusy", "powerupunlocked", "useitfor", "unlockitfor", "playermenu", "points", "newplayer", "delete",
        "delplayersure", "delplayersure2", "noname", "back", "yes", "no", "next", "continue", "exit", "menu", "help",
        "credits", "creditstext", "exitquestion", "exitsure", "exitsave", "newgame", "newgame2", "newgame3", "newgame4",
        "resumegame", "wantresume", "enterplayername", "rank", "name", "level", "music", "sound", "loud", "quiet",
        "fullscreen", "gfxcursor", "showhelp", "helproadmaptitle", "helproadmaptext", "helpbombstitle", "helpbombstext",
        "helpdirttitle", "helpdirttext", "helpstonetitle", "helpstonetext", "helpplaytitle", "helpplaytext", "journeydone"};
    for (const char* k : keys) EXPECT_FALSE(t[k].empty()) << k;
    for (const char* pu : {"removeline", "removesameitems", "throwexplosive", "replaceallitems"})
        for (const char* part : {"title", "text"}) {
            std::string k = std::string("helppowerup") + pu + part;
            EXPECT_FALSE(t[k].empty()) << k;
        }
    // Texts drawn on one line carry no line-break marker.
    for (const char* k : {"exitsure", "exitsave", "newgame2", "newgame3", "newgame4", "enterplayername", "delplayersure",
                          "delplayersure2", "welcome", "dayover", "useitfor", "unlockitfor", "besttime", "journeydone"})
        EXPECT_EQ(t[k].find("%n"), std::string::npos) << k;
    // Long centred texts are broken into lines short enough for their boxes.
    for (const char* k : {"helpplaytext", "helpdirttext", "helpbombstext", "helpstonetext", "helproadmaptext", "creditstext", "wantresume",
                          "helppowerupremovelinetext", "helppowerupreplaceallitemstext"}) {
        std::string v = t[k];
        size_t pos = 0;
        while (pos <= v.size()) {
            size_t e = v.find("%n", pos);
            if (e == std::string::npos) e = v.size();
            EXPECT_LE(e - pos, 66u) << k << ": " << v.substr(pos, e - pos);
            pos = e + 2;
        }
    }
    EXPECT_EQ(t.count(""), 1u);   // only the empty line at the end
}

TEST(ContentTexts, SplashConfigurationDescribesShownPages)
{
    std::vector<uint8_t> bytes;
    ASSERT_TRUE(readFile(dataDir() + "branding/splashconfig.txt", bytes));
    std::string text(bytes.begin(), bytes.end());
    int page = 1, lines = 0;
    std::map<int, std::string> file, skip;
    std::map<int, int> time;
    size_t start = 0;
    while (start < text.size() && lines < 29) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(start, end - start);
        start = end + 1;
        ++lines;
        EXPECT_EQ(line.find('\r'), std::string::npos);
        std::string key = line.substr(0, 4), value = line.size() > 5 ? line.substr(5) : "";
        if (key == "file") file[page] = value;
        else if (key == "time") time[page] = std::atoi(value.c_str());
        else if (key == "skip") skip[page] = value;
        else if (key == ";---") ++page;
    }
    int pages = 0;
    for (int p = 1; p <= page; ++p)
        if (file[p] != "none") pages = p;
    EXPECT_GE(pages, 2);
    EXPECT_LE(pages, 3);
    for (int p = 1; p <= pages; ++p) {
        SCOPED_TRACE(p);
        ASSERT_FALSE(file[p].empty());
        std::vector<uint8_t> pic;
        EXPECT_TRUE(readFile(dataDir() + "branding/" + file[p], pic)) << file[p];
        EXPECT_GT(time[p], 0);
        EXPECT_EQ(skip[p], "True");
    }
}

// Every language's source holds the default edition's keys, each once, none empty, with the same placeholders; its
// data folder holds only files that stand in for a file of the default edition.
TEST(ContentTexts, EveryLanguageSourceMatchesTheDefaultAndMirrorsOnlyItsFiles)
{
    const auto& langs = art::contentLanguages();
    ASSERT_GE(langs.size(), 2u);
    const auto placeholders = [](const std::string& v) {
        std::multiset<std::string> p;
        for (size_t i = 0; i + 1 < v.size(); ++i)
            if (v[i] == '%') p.insert(v.substr(i++, 2));
        return p;
    };
    std::map<std::string, std::string> base(langs[0].entries.begin(), langs[0].entries.end());
    EXPECT_EQ(base.size(), langs[0].entries.size()) << "a key occurs twice";
    for (size_t i = 0; i < langs.size(); ++i) {
        SCOPED_TRACE(langs[i].code);
        std::set<std::string> seen;
        for (const auto& [k, v] : langs[i].entries) {
            EXPECT_TRUE(seen.insert(k).second) << k << " occurs twice";
            EXPECT_FALSE(v.empty()) << k;
            ASSERT_EQ(base.count(k), 1u) << k << " is not in " << langs[0].code;
            EXPECT_EQ(placeholders(v), placeholders(base[k])) << k;
        }
        EXPECT_EQ(seen.size(), base.size());
        if (i == 0) continue;
        const std::string folder = dataDir() + art::languageDir(i);
        int files = 0;
        for (const auto& e : std::filesystem::recursive_directory_iterator(folder)) {
            if (!e.is_regular_file()) continue;
            ++files;
            const std::string rel = e.path().string().substr(folder.size());
            EXPECT_TRUE(std::filesystem::exists(dataDir() + rel)) << rel << " stands in for no file";
        }
        EXPECT_GT(files, 1);
    }
}
