// The meteor: its start rule, flight and hit box, the rain of bombs, the freeze under a dialog and the miss.
#include <algorithm>

#include "app/globals.h"
#include "framework/trace.h"
#include "frontend/effects.h"
#include "frontend/popup.h"
#include "match3/meteor.h"
#include "platform/sys.h"
#include "tests/powerups_support.h"

namespace {

std::vector<std::string> g_lines;
void capture(const std::string& line) { g_lines.push_back(line); }

const std::vector<std::string> kRows = {
    "", "", "", "...oooooo", "...oooooo", "...oooooo", "...oooooo", "...oooooo", "...oooooo",
};

class Meteor : public PowerUpTest {
protected:
    TMeteor* m = nullptr;
    void SetUp() override
    {
        PowerUpTest::SetUp();
        build(50, kRows);
        quietPattern();
        settle();
        m = g_meteor;
        m->loadImages();
        g_lines.clear();
        Sys_SetTraceSink(capture);
    }
    void TearDown() override
    {
        Sys_SetTraceSink(nullptr);
        PowerUpTest::TearDown();
    }
    // Starts a meteor now, flying level from the given side at height y.
    void launch(int corner, float y)
    {
        m->nextAppearance = b->_runtime - 1;
        do {
            m->Stop();
            m->nextAppearance = b->_runtime - 1;
            ASSERT_EQ(m->Start(), 0);
        } while (m->corner != corner);
        m->positionY = y;
        m->directionY = 0;
    }
    // A meteor from the left, hit in its upper half once it is well on the board.
    void hitOnTheBoard()
    {
        launch(1, 300);
        for (int n = 0; n < 100; ++n) meteorFrame();
        mousePointer->_x = m->positionX + 2.8f + 25;
        mousePointer->_y = m->positionY + 10;
        meteorFrame(true);
        ASSERT_EQ(m->isHit, 1);
    }
    // One board frame as far as the meteor goes: its update, then the effects.
    void meteorFrame(bool click = false)
    {
        g_frameCount += 1;
        b->_runtime += 1;
        g_input->_MausFireLeft = click ? 1 : 0;
        if (m->inAction) m->Update();
        updateEffects();
    }
};

}  // namespace

TEST_F(Meteor, StartsNoEarlierThanItsTimeAndTurnsTheWayItFlies)
{
    b->_runtime = 400;
    m->nextAppearance = 900;
    EXPECT_EQ(m->Start(), -1);
    EXPECT_EQ(m->inAction, 0);
    ASSERT_FALSE(g_lines.empty());
    EXPECT_NE(g_lines.back().find("Meteor haette gestartet werden koennen, aber es ist noch zu frue bei m3RT/nxtApp: "),
              std::string::npos);
    b->_runtime = 900;
    sounds.clear();
    EXPECT_EQ(m->Start(), 0);
    EXPECT_EQ(m->inAction, 1);
    EXPECT_EQ(sounds, std::vector<int>{SOUND_METEOR_APPEARS});
    EXPECT_GE(m->positionY, 115);
    EXPECT_LE(m->positionY, 605);
    EXPECT_GE(m->directionY, -1.4f);
    EXPECT_LT(m->directionY, 1.4f);

    launch(2, 300);
    EXPECT_FLOAT_EQ(m->positionX, 1052);
    EXPECT_FLOAT_EQ(m->directionX, -2.8f);
    meteorFrame();
    meteorFrame();
    EXPECT_FLOAT_EQ(m->positionX, 1052 - 5.6f);
    EXPECT_EQ(m->animCount, 15);   // backwards from the right
    launch(1, 300);
    EXPECT_FLOAT_EQ(m->positionX, -28);
    meteorFrame();
    meteorFrame();
    EXPECT_EQ(m->animCount, 1);

    // under an open dialog it stands still
    popupHandler->runtime = 4;
    float x = m->positionX;
    int rt = m->runtime;
    meteorFrame();
    EXPECT_EQ(m->positionX, x);
    EXPECT_EQ(m->runtime, rt);
    popupHandler->runtime = 0;
}

TEST_F(Meteor, AHitOnTheUpperHalfScoresAndRainsThreeBombs)
{
    launch(1, 300);
    for (int n = 0; n < 100; ++n) meteorFrame();   // well onto the board
    float x = m->positionX + 2.8f, y = m->positionY;
    mousePointer->_x = x + 25;
    mousePointer->_y = y + 40;   // lower half of the picture: no hit
    meteorFrame(true);
    EXPECT_EQ(m->isHit, 0);
    int points = p->LevelPoints;
    mousePointer->_x = m->positionX + 2.8f + 25;
    mousePointer->_y = y + 10;
    sounds.clear();
    meteorFrame(true);
    ASSERT_EQ(m->isHit, 1);
    EXPECT_EQ(p->LevelPoints - points, 1500);
    EXPECT_EQ(sounds.front(), SOUND_METEOR_HIT);

    int frames = 0, targets[3] = {};
    while (m->inAction && frames < 120) {
        meteorFrame();
        ++frames;
        if (m->raincounter == 2) {
            std::copy(m->impact, m->impact + 3, targets);
            EXPECT_EQ(g_powerUpBusy, 1);
        }
    }
    // the fall takes 80 steps; its landing is seen in the next rain frame
    EXPECT_EQ(frames, 83);
    EXPECT_NE(targets[0], targets[1]);
    EXPECT_NE(targets[0], targets[2]);
    EXPECT_NE(targets[1], targets[2]);
    for (int t : targets) {
        ASSERT_GT(t, 0);
        EXPECT_EQ(b->_itemA[t], _ITEM_BOMB);
    }
    EXPECT_EQ(g_powerUpBusy, 0);
    EXPECT_EQ(m->isHit + m->isRaining + m->donecount + m->impact[0] + m->gfxid[0], 0);
    EXPECT_GE(m->nextAppearance, b->_runtime + 501);
    EXPECT_LE(m->nextAppearance, b->_runtime + 5500);
}

TEST_F(Meteor, AMissedMeteorEndsOffScreenAndTheNextOneComes)
{
    launch(1, 300);
    int frames = 0;
    while (m->inAction && frames < 600) {
        meteorFrame();
        ++frames;
    }
    EXPECT_EQ(frames, 376);   // from -28 at 2.8 a frame until past 1024
    EXPECT_EQ(std::count(sounds.begin(), sounds.end(), SOUND_METEOR_MISS), 1);
    EXPECT_GE(m->nextAppearance, b->_runtime + 501);
    b->_runtime = m->nextAppearance - 1;
    EXPECT_EQ(m->Start(), -1);
    b->_runtime += 1;
    EXPECT_EQ(m->Start(), 0);

    // leftwards it ends the same way, once the whole picture has left the screen
    launch(2, 300);
    frames = 0;
    while (m->inAction && frames < 600) {
        meteorFrame();
        ++frames;
    }
    EXPECT_EQ(frames, 394);   // from 1052 at 2.8 a frame until its right edge passes 0
    EXPECT_EQ(std::count(sounds.begin(), sounds.end(), SOUND_METEOR_MISS), 2);
    EXPECT_GE(m->nextAppearance, b->_runtime + 501);

    // flying off the top ends it as well
    launch(2, 120);
    m->directionY = -1.4f;
    frames = 0;
    while (m->inAction && frames < 600) {
        meteorFrame();
        ++frames;
    }
    EXPECT_LT(m->positionY + 56, 0);
    EXPECT_GT(m->positionX, 0);
}

TEST_F(Meteor, EachFragmentLandsOnceThoughItsRecordIsTakenOverAndAGoneTargetGetsNoBomb)
{
    hitOnTheBoard();
    int frames = 0;
    while (m->raincounter < 2) {
        meteorFrame();
        ++frames;
    }
    // The fragments fall in records 30, 31 and 32, and every record below them is busy but 29: the first landing
    // impact takes that, each later one the record of the fragment that landed before it, so only 32 stays free.
    constexpr int kHold = 22004;   // an effect that does nothing and stays
    for (int s = 1; s < 30; ++s) g_effects[s]->id = kHold;
    meteorFrame();
    ++frames;
    ASSERT_EQ(std::vector<int>(m->gfxid, m->gfxid + 3), (std::vector<int>{30, 31, 32}));
    g_effects[29]->id = 0;
    int targets[3];
    std::copy(m->impact, m->impact + 3, targets);

    // the second target is cleared away and its slot filled again before the fragments land
    int gone = targets[1];
    b->_itemA[gone] = 0;
    ASSERT_EQ(b->_item_prepare(b->_itemX[gone], -20, 2, 0), gone);
    while (m->inAction && frames < 150) {
        meteorFrame();
        ++frames;
    }
    EXPECT_EQ(frames, 83);
    EXPECT_EQ(b->_itemA[targets[0]], _ITEM_BOMB);
    EXPECT_EQ(b->_itemA[targets[2]], _ITEM_BOMB);
    EXPECT_EQ(b->_itemA[gone], 2);
    EXPECT_EQ(itemCount(_ITEM_BOMB), 2);
    EXPECT_EQ(g_powerUpBusy, 0);
}

TEST_F(Meteor, TwoItemsLeftAreTwoTargetsAndAFragmentThePoolRefusesLandsOnce)
{
    int keep[2] = {slotAt(5, 6), slotAt(8, 8)};
    for (int i = 1; i <= 150; ++i)
        if (b->_itemA[i] >= 1 && b->_itemA[i] <= 5 && i != keep[0] && i != keep[1]) {
            b->_itemA[i] = _ITEM_XSTEIN;
            b->_cellStone[b->_itemCell[i]] = 1;
        }
    launch(1, 300);
    for (int n = 0; n < 50; ++n) meteorFrame();
    m->Hitted();
    int frames = 0;
    while (m->raincounter < 2) {
        meteorFrame();
        ++frames;
    }
    std::vector<int> targets(m->impact, m->impact + 3);
    std::sort(targets.begin(), targets.end());
    EXPECT_EQ(targets, (std::vector<int>{0, std::min(keep[0], keep[1]), std::max(keep[0], keep[1])}));
    // one free record: the first fragment falls, the second is refused and lands at once, and lands only once
    for (int s = 1; s < MAX_EFFECTS; ++s)
        if (g_effects[s]->id == 0 && s != 5000) g_effects[s]->id = 22004;
    while (m->inAction && frames < 150) {
        meteorFrame();
        ++frames;
    }
    EXPECT_EQ(frames, 83);
    EXPECT_EQ(b->_itemA[keep[0]], _ITEM_BOMB);
    EXPECT_EQ(b->_itemA[keep[1]], _ITEM_BOMB);
}

TEST_F(Meteor, OnABoardOfStonesTheFragmentsFindNothing)
{
    for (int i = 1; i <= 150; ++i)
        if (b->_itemA[i] >= 1 && b->_itemA[i] <= 5) b->_itemA[i] = _ITEM_XSTEIN;
    for (int q = 1; q <= 260; ++q)
        if (b->_CellA[q] > 0) b->_cellStone[q] = 1;
    EXPECT_EQ(m->getTarget(), 0);
    launch(1, 300);
    for (int n = 0; n < 50; ++n) meteorFrame();
    m->Hitted();
    int frames = 0;
    while (m->inAction && frames < 150) {
        meteorFrame();
        ++frames;
    }
    EXPECT_EQ(frames, 4);
    EXPECT_EQ(itemCount(_ITEM_BOMB), 0);
    EXPECT_EQ(g_powerUpBusy, 0);
}

TEST_F(Meteor, ANewBoardEndsAMeteorStillRainingFromTheLastOne)
{
    hitOnTheBoard();
    while (m->raincounter < 5) meteorFrame();
    ASSERT_EQ(g_powerUpBusy, 1);

    b->Prepare();
    EXPECT_EQ(m->inAction + m->isHit + m->isRaining + m->impact[0] + m->impact[1] + m->impact[2], 0);
    // the busy flag would otherwise lock every power-up button of the new board
    EXPECT_EQ(g_powerUpBusy, 0);
    EXPECT_GE(m->nextAppearance, b->_runtime + 501);
    EXPECT_LE(m->nextAppearance, b->_runtime + 5500);
}
