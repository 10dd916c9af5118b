// Shared fixture of the dialog tests: the real data tree, fonts, texts and UI pictures, a sound handler that counts.
#pragma once

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "frontend/sound_handler.h"

// Counts every sound a test asks for, by id.
class CountingSounds : public tavoTSoundHandler {
public:
    int PlayS(int id, float x) override
    {
        ++played[id];
        return tavoTSoundHandler::PlayS(id, x);
    }
    std::map<int, int> played;
};

class DialogFixture : public ::testing::Test {
protected:
    // The globals, texts, fonts and pictures load once for the whole suite; each test starts from a fresh save folder.
    static void SetUpTestSuite();
    static void TearDownTestSuite();
    void SetUp() override;
    // One driver call in a frame of its own, with the given fresh mouse click and keys.
    void frame(bool click = false, bool enter = false, bool escape = false);
    // pop and drive until fully open.
    void open(int id);
    void pointAt(float x, float y);
    // Profile slot 1 named and current, its file in the scratch save folder.
    void makeProfile(const std::string& name);
    std::string dir;
    static CountingSounds* sounds;
};

std::string fileText(const std::string& path);
