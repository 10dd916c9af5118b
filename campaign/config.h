// The settings record and its six-line text file.
#pragma once

#include <string>

// Volumes run from silent to full at this value.
constexpr int CONFIG_VOLUME_MAX = 280;

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

// After the profiles are loaded: a remembered profile slot that holds no profile means none is chosen.
void forgetUnusedCurrentPlayer();
