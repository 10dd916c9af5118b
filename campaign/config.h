// The settings record and its six-line text file.
#pragma once

#include <string>

class TConfig {
public:
    virtual ~TConfig() = default;
    virtual void setUrl(const std::string& path);
    virtual int LoadFromDisk();
    virtual void Reset();
    virtual int SaveToDisk();

    int musiklautsoll = 0;
    int musiklaut = 0;
    int soundlaut = 0;
    int sprache = 0;
    int fullscreen = 0;
    std::string url;
};
