// The texts of every language (content/lang/*.txt): the game's text tables, the painted words, and their fit check.
#include <cstdio>

#include "content/pictures/painters.h"
#include "platform/sys.h"

namespace art {

namespace {

std::string trimmed(const std::string& s)
{
    size_t a = 0, b = s.size();
    while (a < b && (unsigned char)s[a] <= 32) ++a;
    while (b > a && (unsigned char)s[b - 1] <= 32) --b;
    return s.substr(a, b - a);
}

LangTexts readLanguage(const std::string& code)
{
    LangTexts l{code, {}};
    std::vector<uint8_t> bytes;
    const std::string path = std::string(MORVELLE_CONTENT_DIR) + "/lang/" + code + ".txt";
    if (!Sys_ReadAllBytes(path, bytes)) {
        std::fprintf(stderr, "content: %s cannot be read\n", path.c_str());
        return l;
    }
    std::string text(bytes.begin(), bytes.end());
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string line = trimmed(text.substr(start, end - start));
        start = end + 1;
        if (line.empty() || line[0] == '#') continue;
        size_t eq = line.find('=');
        if (eq == std::string::npos) {
            std::fprintf(stderr, "content: %s: a line without \"=\": %s\n", path.c_str(), line.c_str());
            continue;
        }
        l.entries.emplace_back(trimmed(line.substr(0, eq)), trimmed(line.substr(eq + 1)));
    }
    return l;
}

size_t s_painting = 0;
bool s_said = false;
std::vector<std::string> s_errors;

}  // namespace

const std::vector<LangTexts>& contentLanguages()
{
    // The default edition first: its files take the paths the game names.
    static const std::vector<LangTexts> all = {readLanguage("en"), readLanguage("de")};
    return all;
}

std::string languageText(const LangTexts& l, const std::string& key)
{
    for (const auto& [k, v] : l.entries)
        if (k == key) return v;
    return "";
}

const std::vector<std::pair<std::string, std::string>>& textTable() { return contentLanguages().front().entries; }

void paintLanguage(size_t index)
{
    s_painting = index;
    s_said = false;
}

bool paintedWords() { return s_said; }

std::string say(const std::string& key)
{
    s_said = true;
    const LangTexts& l = contentLanguages()[s_painting];
    std::string v = languageText(l, key);
    if (v.empty()) {
        paintError(l.code + ": no text for " + key);
        return key;
    }
    return v;
}

std::vector<std::string> sayLines(const std::string& key)
{
    std::vector<std::string> lines;
    std::string v = say(key);
    size_t start = 0;
    for (;;) {
        size_t bar = v.find('|', start);
        lines.push_back(v.substr(start, bar == std::string::npos ? std::string::npos : bar - start));
        if (bar == std::string::npos) break;
        start = bar + 1;
    }
    return lines;
}

void checkFit(cairo_t* cr, const std::string& text, double maxWidth, const std::string& where)
{
    const double w = textWidth(cr, text);
    if (w > maxWidth) {
        char n[64];
        std::snprintf(n, sizeof n, " (%.0f of %.0f pixels)", w, maxWidth);
        paintError(contentLanguages()[s_painting].code + ": \"" + text + "\" does not fit " + where + n);
    }
}

void paintError(const std::string& what) { s_errors.push_back(what); }

const std::vector<std::string>& paintErrors() { return s_errors; }

std::string splashConfig()
{
    // Line feeds only: a value read up to the line feed must not keep a carriage return.
    return "page=1\nfile=studio.jpg\ntime=160\nskip=True\n;---\n"
           "page=2\nfile=title.jpg\ntime=200\nskip=True\n";
}

std::string languageDir(size_t index) { return index == 0 ? "" : "lang/" + contentLanguages()[index].code + "/"; }

bool writeTexts(const std::string& dataDir)
{
    bool ok = true;
    const auto& all = contentLanguages();
    for (size_t i = 0; i < all.size(); ++i) {
        std::string s = "\xEF\xBB\xBF# Morvelle - " + all[i].code + ": key=text, \"%n\" breaks a centred line.\r\n";
        for (const auto& [k, v] : all[i].entries)
            if (k.rfind("paint.", 0) != 0) s += k + "=" + v + "\r\n";
        ok = writeFile(dataDir + languageDir(i) + "texts/codetexts.txt", std::vector<uint8_t>(s.begin(), s.end())) && ok;
    }
    std::string c = splashConfig();
    ok = writeFile(dataDir + "branding/splashconfig.txt", std::vector<uint8_t>(c.begin(), c.end())) && ok;
    return ok;
}

}  // namespace art
