// The key/value text table every on-screen text is looked up in.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

class tavoTLanguageFile {
public:
    virtual ~tavoTLanguageFile() = default;
    virtual int loadFromDisk(const std::string& url, const std::string& delimiter);
    virtual int reload();
    virtual std::string getValue(const std::string& key);

    std::map<std::string, std::string> lang;
    std::string delimiter;
    std::string url;
    std::string undefined = "_UNDEF_";
};

// Cuts spaces and control bytes from both ends.
std::string trimBlanks(const std::string& s);

// The languages the game speaks; the first is the default edition, whose files sit at the paths the code names.
struct TLanguage {
    int number;          // the settings' `sprache`
    const char* code;    // ISO 639-1, as the environment names it
    const char* name;    // in its own language, as the options list it
};
const std::vector<TLanguage>& gameLanguages();
const TLanguage& languageByNumber(int number);   // an unknown number gives the default edition
// The data folder that mirrors the files a language changes ("lang/de/"); "" for the default edition.
std::string languageFolder(const TLanguage& l);

struct TLanguageChoice {
    int number;
    std::string why;     // for the trace line
};
// The settings' choice when one was made, else the first of LANGUAGE (a colon list), then the locale
// (the first set of LC_ALL, LC_MESSAGES, LANG) that names a language the game has, else the default edition.
TLanguageChoice chooseLanguage(int sprache, const std::function<std::string(const std::string&)>& env);
