// Text table loader: lines cut at CR, "#" comments, key and value split at the first delimiter.
#include "framework/language.h"

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
