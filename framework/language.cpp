// Text table loader: lines cut at CR, "#" comments, key and value split at the first delimiter.
#include "framework/language.h"

#include <cctype>

#include "platform/sys.h"

std::string trimBlanks(const std::string& s)
{
    size_t b = 0, e = s.size();
    while (b < e && (unsigned char)s[b] <= 32) ++b;
    while (e > b && (unsigned char)s[e - 1] <= 32) --e;
    return s.substr(b, e - b);
}

int tavoTLanguageFile::loadFromDisk(const std::string& u, const std::string& delim)
{
    delimiter = delim;
    if (u.empty() || Sys_FileType(u) == 0) return 0;
    std::string text;
    if (!Sys_ReadTextFile(u, text)) return 0;
    url = u;
    size_t start = 0;
    while (start <= text.size()) {
        size_t cr = text.find('\r', start);
        std::string line = trimBlanks(text.substr(start, cr == std::string::npos ? std::string::npos : cr - start));
        if (!(line.size() && line[0] == '#')) {
            size_t at = delimiter.empty() ? std::string::npos : line.find(delimiter[0]);
            if (at == std::string::npos)
                lang[""] = line;
            else
                lang[trimBlanks(line.substr(0, at))] = trimBlanks(line.substr(at + 1));
        }
        if (cr == std::string::npos) break;
        start = cr + 1;
    }
    return 1;
}

int tavoTLanguageFile::reload()
{
    lang.clear();
    return loadFromDisk(url, delimiter);
}

std::string tavoTLanguageFile::getValue(const std::string& key)
{
    auto it = lang.find(key);
    if (it == lang.end() || it->second.empty()) return undefined + key;
    return it->second;
}

const std::vector<TLanguage>& gameLanguages()
{
    static const std::vector<TLanguage> t = {
        {1, "en", "English"},
        {2, "de", "Deutsch"},
    };
    return t;
}

const TLanguage& languageByNumber(int number)
{
    for (const TLanguage& l : gameLanguages())
        if (l.number == number) return l;
    return gameLanguages().front();
}

std::string languageFolder(const TLanguage& l)
{
    return l.number == gameLanguages().front().number ? "" : std::string("lang/") + l.code + "/";
}

// "de_AT.UTF-8@euro" names "de"; "C", "POSIX" and unknown codes name none.
static const TLanguage* languageOfLocale(const std::string& value)
{
    std::string code;
    for (char c : value) {
        if (c == '_' || c == '.' || c == '@' || c == '-') break;
        code += (char)std::tolower((unsigned char)c);
    }
    for (const TLanguage& l : gameLanguages())
        if (code == l.code) return &l;
    return nullptr;
}

TLanguageChoice chooseLanguage(int sprache, const std::function<std::string(const std::string&)>& env)
{
    for (const TLanguage& l : gameLanguages())
        if (l.number == sprache) return {l.number, "chosen in the options"};
    const TLanguage& fallback = gameLanguages().front();
    const std::string list = env("LANGUAGE");
    size_t start = 0;
    while (start < list.size()) {
        size_t colon = list.find(':', start);
        std::string item = list.substr(start, colon == std::string::npos ? std::string::npos : colon - start);
        if (const TLanguage* l = languageOfLocale(item)) return {l->number, "LANGUAGE=" + list};
        if (colon == std::string::npos) break;
        start = colon + 1;
    }
    // LC_ALL overrides LC_MESSAGES, which overrides LANG: only the first one set is the locale.
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const std::string v = env(name);
        if (v.empty()) continue;
        if (const TLanguage* l = languageOfLocale(v)) return {l->number, std::string(name) + "=" + v};
        return {fallback.number, std::string(name) + "=" + v + " names no language the game has"};
    }
    return {fallback.number, "no language in the environment"};
}
