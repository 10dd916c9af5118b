// The languages: the choice at start-up, every text of every table in its box, and the options' switch.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <set>

#include "campaign/config.h"
#include "campaign/scene_roadmap.h"
#include "framework/bild.h"
#include "match3/scene_match3.h"
#include "fonts/bitmapfont.h"
#include "fonts/utf8.h"
#include "framework/globals.h"
#include "framework/language.h"
#include "frontend/holo.h"
#include "frontend/popup.h"
#include "frontend/text_boxes.h"
#include "frontend/widgets.h"
#include "platform/sys.h"
#include "tests/dialogs_support.h"
#include "tests/harness_support.h"
#include "tests/language_support.h"
#include "tests/spine_support.h"

namespace {

int choose(int sprache, std::map<std::string, std::string> env)
{
    return chooseLanguage(sprache, [&](const std::string& n) { return env.count(n) ? env[n] : ""; }).number;
}

// What a loaded picture shows, as one number.
uint64_t pictureSum(tavoTBild* b)
{
    uint64_t sum = 0;
    if (!b || !b->data) return sum;
    const int n = Sys_ImageWidth(b->data) * Sys_ImageHeight(b->data);
    if (const uint32_t* px = Sys_LockImage(b->data, 0)) {
        for (int i = 0; i < n; ++i) sum = sum * 31 + px[i];
        Sys_UnlockImage(b->data, 0);
    }
    return sum;
}

}  // namespace

TEST(Languages, TheSettingThenTheEnvironmentChooseAndAnythingElseIsEnglish)
{
    EXPECT_EQ(choose(0, {}), 1);
    EXPECT_EQ(choose(0, {{"LANG", "de_DE.UTF-8"}}), 2);
    EXPECT_EQ(choose(0, {{"LANG", "de_AT"}}), 2);
    EXPECT_EQ(choose(0, {{"LANG", "de"}}), 2);
    EXPECT_EQ(choose(0, {{"LANG", "DE_ch.utf8@euro"}}), 2);
    EXPECT_EQ(choose(0, {{"LANG", "C"}}), 1);
    EXPECT_EQ(choose(0, {{"LANG", "POSIX"}}), 1);
    EXPECT_EQ(choose(0, {{"LANG", "fr_FR.UTF-8"}}), 1);
    EXPECT_EQ(choose(0, {{"LANG", "dex_XX"}}), 1);
    // LANGUAGE is a list: the first entry the game has wins, unknown ones are passed over.
    EXPECT_EQ(choose(0, {{"LANGUAGE", "fr:de:en"}, {"LANG", "en_GB.UTF-8"}}), 2);
    EXPECT_EQ(choose(0, {{"LANGUAGE", "en_GB:de"}, {"LANG", "de_DE.UTF-8"}}), 1);
    EXPECT_EQ(choose(0, {{"LANGUAGE", "fr::it"}, {"LANG", "de_DE.UTF-8"}}), 2);
    // LC_ALL overrides LC_MESSAGES, which overrides LANG, even when it names no language the game has.
    EXPECT_EQ(choose(0, {{"LC_ALL", "C"}, {"LANG", "de_DE.UTF-8"}}), 1);
    EXPECT_EQ(choose(0, {{"LC_MESSAGES", "de_DE.UTF-8"}, {"LANG", "en_US.UTF-8"}}), 2);
    // The options' choice beats the environment; a number no language has is no choice.
    EXPECT_EQ(choose(2, {{"LANG", "C"}}), 2);
    EXPECT_EQ(choose(1, {{"LANG", "de_DE.UTF-8"}}), 1);
    EXPECT_EQ(choose(9, {{"LANG", "de_DE.UTF-8"}}), 2);
    EXPECT_EQ(choose(-1, {}), 1);
    EXPECT_NE(chooseLanguage(0, [](const std::string& n) { return n == "LANG" ? "de_AT" : ""; }).why.find("LANG=de_AT"),
              std::string::npos);
}

// Each language's table holds the same keys as the default edition's, none empty, with the same placeholders.
TEST_F(DialogFixture, EveryLanguageHasEveryKeyWithTheSamePlaceholders)
{
    const auto placeholders = [](const std::string& v) {
        std::multiset<std::string> p;
        for (size_t i = 0; i + 1 < v.size(); ++i)
            if (v[i] == '%') p.insert(v.substr(i++, 2));
        return p;
    };
    tavoTLanguageFile base = tableOf(gameLanguages().front());
    for (const TLanguage& l : gameLanguages()) {
        SCOPED_TRACE(l.code);
        tavoTLanguageFile t = tableOf(l);
        for (const auto& [k, v] : t.lang) {
            if (k.empty()) continue;
            EXPECT_FALSE(v.empty()) << k;
            ASSERT_EQ(base.lang.count(k), 1u) << k << " is not in the default edition";
            EXPECT_EQ(placeholders(v), placeholders(base.lang[k])) << k;
        }
        for (const auto& [k, v] : base.lang) {
            if (k.empty()) continue;
            EXPECT_EQ(t.lang.count(k), 1u) << k << " is missing";
        }
    }
}

// Drawn with the game's own fonts, every line of every text stays inside the box its screen gives it.
TEST_F(DialogFixture, EveryTextOfEveryLanguageFitsItsBox)
{
    std::set<std::string> boxed;
    for (const TTextBox& b : textBoxes()) EXPECT_TRUE(boxed.insert(b.key).second) << b.key << " has two boxes";
    for (const TLanguage& l : gameLanguages()) {
        SCOPED_TRACE(l.code);
        tavoTLanguageFile t = tableOf(l);
        for (const auto& [k, v] : t.lang) {
            if (k.empty()) continue;
            EXPECT_EQ(boxed.count(k), 1u) << k << " has no box";
        }
        for (const TTextBox& b : textBoxes()) {
            SCOPED_TRACE(b.key);
            TBitmapFont* font = b.font == TextBoxFont::Header ? g_fontHeader : g_fontText;
            const std::vector<std::string> lines = linesOf(t.getValue(b.key));
            EXPECT_LE((int)lines.size(), b.lines);
            for (const std::string& line : lines) {
                const std::string shown = b.capitals ? utf8UpperCase(line) : line;
                EXPECT_LE(font->GetTxtWidth(shown) + b.reserve, b.width) << "\"" << shown << "\"";
            }
        }
    }
}

// A click on the other language stores it, saves it and shows it at once, button captions included.
TEST_F(DialogFixture, OptionsLanguageRowSwitchesAtOnceAndSaves)
{
    const std::string english = g_lang->getValue("options");
    // The board's start sign and the map, loaded before the switch as a scene would have them.
    sceneMatch3->_imgPlaysign->LoadFromDisk("data/texts/gameon.png", 1, -1);
    sceneRoadmap->_imgBackground->LoadFromDisk("data/roadmap/roadmap.png", 0, -1);
    const uint64_t sign = pictureSum(sceneMatch3->_imgPlaysign), map = pictureSum(sceneRoadmap->_imgBackground.get());
    open(POPUP_OPTIONS);
    pointAt(552, 534);
    frame(true);
    EXPECT_EQ(g_config->sprache, 2);
    EXPECT_EQ(g_language, 2);
    EXPECT_EQ(g_lang->getValue("options"), "Optionen");
    EXPECT_EQ(g_menuHoloButtons[3]->s, "OPTIONEN");
    g_config->sprache = 0;
    g_config->LoadFromDisk();
    EXPECT_EQ(g_config->sprache, 2);
    EXPECT_NE(Sys_ResolvePath("data/texts/gameon.png").find("lang/de/"), std::string::npos);
    EXPECT_EQ(Sys_ResolvePath("data/ui/cb.png").find("lang/"), std::string::npos);
    EXPECT_NE(pictureSum(sceneMatch3->_imgPlaysign), sign);
    EXPECT_NE(pictureSum(sceneRoadmap->_imgBackground.get()), map);
    // A second click on the shown language changes nothing; English brings every text back.
    frame(true);
    EXPECT_EQ(g_config->sprache, 2);
    pointAt(302, 534);
    frame(true);
    EXPECT_EQ(g_config->sprache, 1);
    EXPECT_EQ(g_lang->getValue("options"), english);
    EXPECT_EQ(g_menuHoloButtons[3]->s, utf8UpperCase(english));
    EXPECT_EQ(Sys_ResolvePath("data/texts/gameon.png").find("lang/"), std::string::npos);
    EXPECT_EQ(pictureSum(sceneMatch3->_imgPlaysign), sign);
    EXPECT_EQ(pictureSum(sceneRoadmap->_imgBackground.get()), map);
}

namespace {

// Runs `script` with the environment's language variables set as given, the others unset.
int runWithLocale(const std::map<std::string, std::string>& env, const std::string& script, const std::string& dir,
                  const std::string& name, const std::string& args = "")
{
    for (const char* v : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) unsetenv(v);
    for (const auto& [k, v] : env) setenv(k.c_str(), v.c_str(), 1);
    int rc = runHarnessScript("--seed 7 --save " + dir + "save " + args, script, dir, name);
    for (const auto& [k, v] : env) unsetenv(k.c_str());
    return rc;
}

// The first evening as far as the player's way reaches without a won level: the name, the main menu, the story, the
// map's help and the map, the options, the champions, the player menu and the quit question; a dump of each.
std::string eveningScript(const std::string& d)
{
    auto at = [&](int pass, const std::string& name) {
        return std::to_string(pass) + " shot " + d + name + ".png\n" + std::to_string(pass) + " dump " + d + name + ".json\n";
    };
    return "900 text Jürgen\n" + at(903, "name") + "905 key enter\n" + at(990, "menu") +
           "991 mouse 905 666\n992 click left\n1083 mouse 1000 300\n1171 mouse 900 710\n1172 click left\n"
           "1261 mouse 900 710\n1262 click left\n" + at(1340, "maphelp") +
           "1351 mouse 512 576\n1352 click left\n1353 mouse 1000 120\n" + at(1440, "map") +
           "1441 mouse 937 29\n1442 click left\n1541 mouse 663 653\n1542 click left\n" + at(1600, "options") +
           "1601 key escape\n1650 mouse 353 653\n1651 click left\n" + at(1710, "champions") +
           "1711 key escape\n1760 mouse 113 653\n1761 click left\n" + at(1820, "players") +
           "1821 key escape\n1870 mouse 937 29\n1871 click left\n" + at(1930, "quit") +
           "1931 mouse 617 484\n1932 click left\n2100 quit\n";
}

const char* const kEveningDumps[] = {"name", "menu", "maphelp", "options", "champions", "players", "quit"};

}  // namespace

// With a German locale every text the evening draws is German: none of the English table's own lines, no marker.
TEST(LanguageRuns, AGermanLocalePlaysTheFirstEveningInGerman)
{
    const std::string d = tempDir("language-run-de");
    ASSERT_EQ(runWithLocale({{"LANG", "de_DE.UTF-8"}}, eveningScript(d), d, "evening"), 0) << readFile(d + "evening.out");
    const std::set<std::string> english = linesOnlyIn(gameLanguages()[0], gameLanguages()[1]);
    const std::set<std::string> german = linesOnlyIn(gameLanguages()[1], gameLanguages()[0]);
    int germanLines = 0;
    for (const char* dump : kEveningDumps) {
        SCOPED_TRACE(dump);
        const std::vector<std::string> texts = drawnTexts(readFile(d + dump + ".json"));
        EXPECT_FALSE(texts.empty());
        for (const std::string& t : texts) {
            EXPECT_EQ(t.find("_UNDEF_"), std::string::npos) << t;
            EXPECT_EQ(english.count(t), 0u) << t;
            germanLines += german.count(t) ? 1 : 0;
        }
    }
    EXPECT_GT(germanLines, 20);
    // The name with its umlaut is typed, stored in the profile and greeted.
    EXPECT_NE(readFile(d + "save/players1.ppp").find("J\xFCrgen"), std::string::npos);
    const std::vector<std::string> menu = drawnTexts(readFile(d + "menu.json"));
    EXPECT_NE(std::find(menu.begin(), menu.end(), "WILLKOMMEN, JÜRGEN"), menu.end());
    // A level's start: its help page in German, here from LANGUAGE, which comes before the locale.
    const std::string b = tempDir("language-run-de-board");
    ASSERT_EQ(runWithLocale({{"LANGUAGE", "fr:de"}, {"LANG", "C"}}, "60 dump " + b + "start.json\n61 quit\n", b, "board",
                            "--board 1"), 0);
    const std::vector<std::string> start = drawnTexts(readFile(b + "start.json"));
    EXPECT_NE(std::find(start.begin(), start.end(), tableOf(gameLanguages()[1]).getValue("helpplaytitle")), start.end());
    // A won level's score board, reached with the developer's win key.
    const std::string w = tempDir("language-run-de-won");
    ASSERT_EQ(runWithLocale({{"LANG", "de_AT.UTF-8"}}, "100 key enter\n200 keydown f3\n203 keyup f3\n700 dump " + w +
                                                           "won.json\n701 quit\n", w, "won", "--dev --board 10"), 0);
    const std::vector<std::string> won = drawnTexts(readFile(w + "won.json"));
    EXPECT_NE(std::find(won.begin(), won.end(), tableOf(gameLanguages()[1]).getValue("pointsinthislevel")), won.end());
    for (const std::string& t : won) EXPECT_EQ(english.count(t), 0u) << t;
}

// English, C and no locale at all start in English; German chosen in the options outlasts a restart under C.
TEST(LanguageRuns, OtherLocalesStartInEnglishAndTheOptionsChoiceIsKept)
{
    const std::set<std::string> german = linesOnlyIn(gameLanguages()[1], gameLanguages()[0]);
    const std::string options = tableOf(gameLanguages()[0]).getValue("options");
    for (const std::map<std::string, std::string>& env : std::vector<std::map<std::string, std::string>>{
             {{"LANG", "en_GB.UTF-8"}}, {{"LANG", "C"}}, {}}) {
        const std::string d = tempDir("language-run-en");
        SCOPED_TRACE(env.empty() ? "no locale" : env.begin()->second);
        ASSERT_EQ(runWithLocale(env, "900 text Ann\n905 key enter\n990 dump " + d + "menu.json\n991 quit\n", d, "menu"), 0);
        const std::vector<std::string> texts = drawnTexts(readFile(d + "menu.json"));
        EXPECT_NE(std::find(texts.begin(), texts.end(), utf8UpperCase(options)), texts.end());
        for (const std::string& t : texts) EXPECT_EQ(german.count(t), 0u) << t;
    }
    const std::string d = tempDir("language-run-choice");
    ASSERT_EQ(runWithLocale({{"LANG", "C"}},
                            "900 text Ann\n905 key enter\n990 mouse 663 653\n991 click left\n1040 mouse 552 534\n"
                            "1041 click left\n1060 dump " + d + "switched.json\n1061 key escape\n1100 quit\n",
                            d, "choose"), 0);
    ASSERT_EQ(runWithLocale({{"LANG", "C"}, {"MORVELLE_TRACE", "1"}}, "900 dump " + d + "again.json\n901 quit\n", d, "again"), 0);
    const std::string german_options = utf8UpperCase(tableOf(gameLanguages()[1]).getValue("options"));
    for (const char* dump : {"switched", "again"}) {
        const std::vector<std::string> texts = drawnTexts(readFile(d + dump + ".json"));
        EXPECT_NE(std::find(texts.begin(), texts.end(), german_options), texts.end()) << dump;
    }
    EXPECT_NE(readFile(d + "again.out").find("Language: Deutsch (chosen in the options)"), std::string::npos);
}
