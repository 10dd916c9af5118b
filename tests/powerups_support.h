// Power-up and meteor test fixture: a settled board, recorded sounds and messages, clicks on buttons and cells.
#pragma once

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "framework/input.h"
#include "framework/language.h"
#include "frontend/messages.h"
#include "frontend/sound_handler.h"
#include "powerups/powerups.h"
#include "tests/match3_support.h"

class RecordingSounds : public tavoTSoundHandler {
public:
    std::vector<int>* log = nullptr;
    int PlayS(int id, float) override
    {
        if (log) log->push_back(id);
        return 1;
    }
};

class PowerUpTest : public Match3Test {
protected:
    std::vector<int> sounds;

    void SetUp() override
    {
        Match3Test::SetUp();
        delete soundHandler;
        auto* rec = new RecordingSounds();
        rec->log = &sounds;
        soundHandler = rec;
        const char* texts[][2] = {{"powerupnotready", "Not ready yet"}, {"powerupnotenoughpoints", "Not enough points"},
                                  {"powerupbusy", "Wait a moment..."}, {"powerupunlocked", "Unlocked!"}};
        for (auto& t : texts) g_lang->lang[t[0]] = t[1];
        g_powerUpBusy = 0;
        g_inputLayer = 1;   // the board's own layer, as its frame sets it
    }
    // Board at rest in play: past the start, every resting item linked to its cell.
    void settle()
    {
        b->_runtime = 200;
        b->_item_slide();
        g_scene = SCENE_MATCH3;
    }
    // The board's power-up pass of one frame.
    void puFrame(bool click = false)
    {
        g_frameCount += 1;
        g_input->_MausFireLeft = click ? 1 : 0;
        mousePointer->SetPointer(_POINTER_NORMAL);
        b->_draw_pu();
    }
    void hoverButton(const tavoTPowerUp& pu)
    {
        mousePointer->_x = pu._x;
        mousePointer->_y = pu._y;
    }
    void clickButton(const tavoTPowerUp& pu)
    {
        sounds.clear();
        hoverButton(pu);
        puFrame(true);
    }
    void clickCell(int u, int v)
    {
        mousePointer->_x = cellX(u);
        mousePointer->_y = cellY(v);
        puFrame(true);
    }
    void runUntilIdle(const tavoTPowerUp& pu)
    {
        mousePointer->_x = mousePointer->_y = -500;
        for (int n = 0; n < 200 && (pu.isRunning || pu.isSelected); ++n) puFrame();
        settleFalls();
    }
    // Lets the refills fall into their cells; no line is looked for meanwhile.
    void settleFalls()
    {
        for (int n = 0; n < 100 && b->_boardAtRest() == 0; ++n) b->_item_slide();
    }
    void unlockFree(tavoTPowerUp& pu)
    {
        pu._Unlock(0, 1);
        puFrame();
    }
    std::string lastMessage() const
    {
        return messageHandler->_listMessages.empty() ? "" : messageHandler->_listMessages.back().text;
    }
    static std::string readBytes(const std::string& path)
    {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
};
