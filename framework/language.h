// The key/value text table every on-screen text is looked up in.
#pragma once

#include <map>
#include <string>

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
