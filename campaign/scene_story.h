// The story pages between the chapters, with previous and next buttons.
#pragma once

#include <memory>

#include "framework/scene.h"

class tavoTBild;

constexpr int STORY_PAGES = 11;
// The first of the two pages that close the campaign.
constexpr int STORY_FIRST_CLOSING_PAGE = 10;

class tavoTSceneStory : public tavoTScene {
public:
    tavoTSceneStory();
    ~tavoTSceneStory() override;
    int Prepare() override;
    int Update() override;
    int Leave() override;
    virtual int _scrollForward();
    virtual int _scrollBackward();
    virtual int setPage(int page);
    virtual int scrollPage() { return 0; }

    std::unique_ptr<tavoTBild> imgBackground;
    int _page = 0;
    int _numpages = STORY_PAGES;
};
