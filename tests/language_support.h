// The language tables as the tests read them, and the texts a state dump says its frame drew.
#pragma once

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "fonts/utf8.h"
#include "framework/language.h"

// The lines of a table value, split at its "%n" breaks.
inline std::vector<std::string> linesOf(const std::string& v)
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

// One language's generated text table.
inline tavoTLanguageFile tableOf(const TLanguage& l)
{
    tavoTLanguageFile t;
    EXPECT_EQ(t.loadFromDisk(std::string(MORVELLE_DATA_DIR) + languageFolder(l) + "texts/codetexts.txt", "="), 1) << l.code;
    return t;
}

// The texts the frame of a state dump drew, in drawing order.
inline std::vector<std::string> drawnTexts(const std::string& json)
{
    std::vector<std::string> out;
    size_t at = json.find("\"textsDrawn\":[");
    if (at == std::string::npos) return out;
    at += 14;
    while (at < json.size() && json[at] == '"') {
        std::string s;
        for (++at; at < json.size() && json[at] != '"'; ++at) {
            if (json[at] == '\\' && at + 1 < json.size()) ++at;
            s += json[at];
        }
        out.push_back(s);
        at += 1;
        if (at < json.size() && json[at] == ',') ++at;
    }
    return out;
}

// Lines of one language's table that the other language's table does not also hold.
inline std::set<std::string> linesOnlyIn(const TLanguage& l, const TLanguage& other)
{
    std::set<std::string> mine, theirs;
    for (const auto& [k, v] : tableOf(l).lang)
        for (const std::string& line : linesOf(v)) mine.insert(line);
    for (const auto& [k, v] : tableOf(other).lang)
        for (const std::string& line : linesOf(v)) theirs.insert(line);
    std::set<std::string> only;
    for (const std::string& line : mine)
        if (line.size() > 1 && !theirs.count(line)) {
            only.insert(line);
            only.insert(utf8UpperCase(line));
        }
    // The language row names every language in its own language.
    for (const TLanguage& each : gameLanguages()) only.erase(each.name);
    return only;
}
