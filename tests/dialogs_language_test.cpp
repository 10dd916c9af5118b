// The languages: the choice at start-up, every text of every table in its box, and the options' switch.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "campaign/config.h"
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

namespace {

int choose(int sprache, std::map<std::string, std::string> env)
{
    return chooseLanguage(sprache, [&](const std::string& n) { return env.count(n) ? env[n] : ""; }).number;
}

std::vector<std::string> linesOf(const std::string& v)
{
    std::vector<std::string> out;
    size_t start = 0;
    for (;;) {
        size_t at = v.find("%n", start);
        out.push_back(v.substr(start, at == std::string::npos ? std::string::npos : at - start));
        if (at == std::string::npos) return out;
        start = at + 2;
    }
}

tavoTLanguageFile tableOf(const TLanguage& l)
{
    tavoTLanguageFile t;
    EXPECT_EQ(t.loadFromDisk(std::string(MORVELLE_DATA_DIR) + languageFolder(l) + "texts/codetexts.txt", "="), 1) << l.code;
    return t;
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
    // A second click on the shown language changes nothing; English brings every text back.
    frame(true);
    EXPECT_EQ(g_config->sprache, 2);
    pointAt(302, 534);
    frame(true);
    EXPECT_EQ(g_config->sprache, 1);
    EXPECT_EQ(g_lang->getValue("options"), english);
    EXPECT_EQ(g_menuHoloButtons[3]->s, utf8UpperCase(english));
    EXPECT_EQ(Sys_ResolvePath("data/texts/gameon.png").find("lang/"), std::string::npos);
}
