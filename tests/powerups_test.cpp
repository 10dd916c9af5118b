// The four power-ups on crafted boards: unlocking and charging, the click and its feedback, each effect's timing, points and goals.
#include <algorithm>
#include <filesystem>

#include "framework/language.h"
#include "frontend/effects.h"
#include "frontend/messages.h"
#include "frontend/popup.h"
#include "frontend/sound_handler.h"
#include "powerups/powerups.h"
#include "tests/powerups_support.h"

namespace {

const std::vector<std::string> kRows = {
    "", "", "", "...oooooo", "...oooooo", "...oooooo", "...oooooo", "...oooooo", "...oooooo",
};   // columns 4..9, rows 4..9

class PowerUps : public PowerUpTest {
protected:
    void boardAt(int level)
    {
        build(level, kRows);
        quietPattern();
        settle();
    }
};

}  // namespace

TEST_F(PowerUps, AvailabilityUnlockingChargingAndFeedback)
{
    boardAt(3);
    tavoTPowerUp& same = *puRemoveSameItem;
    tavoTPowerUp& line = *puRemoveLine;

    // below its level a button is neither drawn nor hover-tested, and a click on it does nothing
    clickButton(same);
    EXPECT_EQ(same.isAvailable, 0);
    EXPECT_EQ(same.isHover, 0);
    EXPECT_TRUE(sounds.empty());

    // too few points: the feedback, nothing changes and the click stays for others
    p->StoryPoints = 27499;
    clickButton(line);
    EXPECT_EQ(line.isAvailable, 1);
    EXPECT_EQ(line.isUnlocked, 0);
    EXPECT_EQ(p->StoryPoints, 27499);
    EXPECT_EQ(sounds, std::vector<int>{SOUND_PUNO});
    EXPECT_EQ(lastMessage(), "Not enough points");
    EXPECT_EQ(g_input->_MausFireLeft, 1);
    EXPECT_EQ(mousePointer->_drawPointer, _POINTER_UNLOCK);

    // exactly the price unlocks and leaves 0; the first use is then free
    p->StoryPoints = 27500;
    clickButton(line);
    EXPECT_EQ(line.isUnlocked, 1);
    EXPECT_EQ(line.isFirstTime, 1);
    EXPECT_EQ(p->StoryPoints, 0);
    EXPECT_EQ(sounds, std::vector<int>{SOUND_PU_UNLOCKED});
    EXPECT_EQ(lastMessage(), "Unlocked!");
    puFrame();
    EXPECT_EQ(line.isReady, 1);

    // select, deselect, select again: each click is consumed
    clickButton(line);
    EXPECT_EQ(line.isSelected, 1);
    EXPECT_EQ(sounds, std::vector<int>{SOUND_PU_SELECT});
    EXPECT_EQ(g_input->_MausFireLeft, 0);
    clickButton(line);
    EXPECT_EQ(line.isSelected, 0);
    EXPECT_EQ(sounds, std::vector<int>{SOUND_PU_DESELECT});
    clickButton(line);
    clickCell(6, 5);
    EXPECT_EQ(line.isRunning, 1);
    EXPECT_EQ(line.isFirstTime, 0);
    EXPECT_EQ(p->StoryPoints, 0);
    EXPECT_EQ(g_powerUpBusy, 1);
    EXPECT_NE(std::find(sounds.begin(), sounds.end(), SOUND_PU_REMOVELINE_START), sounds.end());

    // while running: busy; then, with no points left, not ready
    clickButton(line);
    EXPECT_EQ(lastMessage(), "Wait a moment...");
    runUntilIdle(line);
    clickButton(line);
    EXPECT_EQ(line.isReady, 0);
    EXPECT_EQ(line.isSelected, 0);
    EXPECT_EQ(sounds, std::vector<int>{SOUND_PUNO});
    EXPECT_EQ(lastMessage(), "Not ready yet");

    // the next use is charged; points lost between selection and the pick floor at 0
    p->StoryPoints = 4500;
    clickButton(line);
    EXPECT_EQ(line.isSelected, 1);
    p->StoryPoints = 100;
    clickCell(6, 6);
    EXPECT_EQ(p->StoryPoints, 0);
    runUntilIdle(line);
    p->StoryPoints = 10000;
    clickButton(line);
    clickCell(6, 7);
    EXPECT_EQ(p->StoryPoints, 5500);
}

TEST_F(PowerUps, ClicksWaitForTheBoardAndTheTooltipForTheTwentyFirstFrame)
{
    boardAt(9);
    tavoTPowerUp& all = *puReplaceAllItems;
    all.isUnlocked = 1;
    all.isFirstTime = 1;
    popupHandler->runtime = 3;
    clickButton(all);
    popupHandler->runtime = 0;
    b->_winrun = 1;
    clickButton(all);
    b->_winrun = 0;
    b->_swapping = 16;
    clickButton(all);
    b->_swapping = 0;
    // one gem still falling: the board is not at rest
    int falling = slotAt(6, 4);
    b->_itemY[falling] -= 24;
    clickButton(all);
    EXPECT_EQ(all.isRunning, 0);
    EXPECT_TRUE(sounds.empty());
    EXPECT_EQ(g_input->_MausFireLeft, 1);   // none of them took the click
    settleFalls();
    EXPECT_EQ(b->_itemY[falling], cellY(4));
    clickButton(all);
    EXPECT_EQ(all.isRunning, 1);
    runUntilIdle(all);

    // hovering counts frames; leaving the button restarts the count
    mousePointer->_x = 500;
    puFrame();
    hoverButton(all);
    for (int f = 0; f < 20; ++f) puFrame();
    EXPECT_EQ(all._hover_runtime, 20);
    mousePointer->_x = 500;
    puFrame();
    EXPECT_EQ(all._hover_runtime, 0);
    EXPECT_EQ(all.isHover, 0);
}

TEST_F(PowerUps, StoredFlagsSurviveSaveAndLoadByteForByte)
{
    boardAt(50);
    std::string dir = std::filesystem::temp_directory_path() / ("morvelle-pu-" + std::to_string(getpid()));
    std::filesystem::create_directories(dir);
    p->SetURL(dir + "/a.ppp");
    p->StoryLevel = 50;   // a profile the loader takes as it is: the frontier at the level played
    p->StoryPoints = 27500 + 70000;
    clickButton(*puRemoveLine);
    clickButton(*puThrowExplosive);
    clickButton(*puThrowExplosive);   // used once: no longer the free first time
    p->suspendPowerUps();
    ASSERT_EQ(p->SaveToDisk(), 1);

    TSpieler q;
    q.SetURL(dir + "/a.ppp");
    ASSERT_EQ(q.LoadFromDisk(), 1);
    EXPECT_EQ(q.resumeRemoveLineIsUnlocked, 1);
    EXPECT_EQ(q.resumeRemoveLineIsFirstTime, 1);
    EXPECT_EQ(q.resumeThrowExplosiveIsUnlocked, 1);
    EXPECT_EQ(q.resumeThrowExplosiveIsFirstTime, 0);
    EXPECT_EQ(q.resumeRemoveSameItemsIsUnlocked, 0);
    q.SetURL(dir + "/b.ppp");
    ASSERT_EQ(q.SaveToDisk(), 1);
    EXPECT_EQ(readBytes(dir + "/a.ppp"), readBytes(dir + "/b.ppp"));

    // a new level takes the flags back from the profile; the throw's own Prepare clears it first
    puRemoveLine->isUnlocked = 0;
    puThrowExplosive->Prepare();
    EXPECT_EQ(puThrowExplosive->isUnlocked, 0);
    q.resumePowerUps();
    EXPECT_EQ(puRemoveLine->isUnlocked, 1);
    EXPECT_EQ(puThrowExplosive->isUnlocked, 1);
    EXPECT_EQ(puThrowExplosive->isFirstTime, 0);
    std::filesystem::remove_all(dir);
}

TEST_F(PowerUps, RemoveLineTakesTheRowFromLeftToRight)
{
    boardAt(50);
    tavoTPowerUp& line = *puRemoveLine;
    unlockFree(line);
    int stone = slotAt(5, 6), pu = slotAt(7, 6), swapped = slotAt(8, 6);
    b->_itemA[stone] = _ITEM_XSTEIN;
    b->_itemA[pu] = _ITEM_PU1;
    std::vector<int> row;
    for (int u = 4; u <= 9; ++u) row.push_back(slotAt(u, 6));

    clickButton(line);
    mousePointer->_x = 20;   // outside the items: nothing happens, still selected
    mousePointer->_y = 300;
    g_input->_MausFireLeft = 1;
    puFrame();
    EXPECT_EQ(line.isRunning, 0);
    EXPECT_EQ(line.isSelected, 1);

    clickCell(4, 6);
    ASSERT_EQ(line.isRunning, 1);
    b->_itemA[swapped] = 3;   // changed before its turn: taken as what it is now
    int before = p->LevelPoints;
    std::vector<int> goneAt;
    for (int work = 1; work <= 20 && line.isRunning; ++work) {
        std::vector<int> had;
        for (int s : row) had.push_back(b->_itemA[s]);
        puFrame();
        for (size_t k = 0; k < row.size(); ++k)
            if (had[k] != 0 && b->_itemA[row[k]] == 0) goneAt.push_back(work);
        if (!line.isRunning) {
            EXPECT_EQ(work, 8 + 2 * 5 + 1);
        }
    }
    // six targets at 8, 10, ..., 18; the stone (second) and the power-up item (fourth) stay
    EXPECT_EQ(goneAt, (std::vector<int>{8, 12, 16, 18}));
    EXPECT_EQ(b->_itemA[stone], _ITEM_XSTEIN);
    EXPECT_EQ(b->_itemA[pu], _ITEM_PU1);
    EXPECT_EQ(p->LevelPoints - before, 4 * 5);
    EXPECT_EQ(line.isSelected, 0);
    EXPECT_GE(p->itemsDestroyed[3], 1);
    int refills = 0;
    for (int i = 1; i <= 150; ++i) refills += b->_itemA[i] != 0 && b->_itemY[i] == -20.0f;
    EXPECT_EQ(refills, 4);
}

TEST_F(PowerUps, RemoveSameItemsTakesEveryGemOfTheKindInSlotOrder)
{
    boardAt(50);
    tavoTPowerUp& same = *puRemoveSameItem;
    unlockFree(same);
    int kind = kindAt(5, 5);
    // a stone under the pointer offers nothing
    int stone = slotAt(9, 9);
    b->_itemA[stone] = _ITEM_XSTEIN;
    std::vector<int> targets;
    for (int i = 1; i <= 260; ++i)
        if (b->_itemA[i] == kind) targets.push_back(i);
    ASSERT_GE(targets.size(), 6u);
    clickButton(same);
    clickCell(9, 9);
    EXPECT_EQ(same.isRunning, 0);
    EXPECT_EQ(b->_cellGlow[b->_itemCell[stone]], 0);

    clickCell(5, 5);
    ASSERT_EQ(same.isRunning, 1);
    EXPECT_EQ(g_powerUpBusy, 1);   // its first work frame is the click's own
    int changed = targets[2], emptied = targets[3];
    b->_itemA[changed] = _ITEM_BOMB;   // changed before its turn: removed as what it is now
    int before = p->LevelPoints, destroyed = p->itemsDestroyed[kind];
    std::vector<int> goneAt(targets.size(), 0);
    int work = 1, end = 0;
    while (same.isRunning && work < 60) {
        if (work == 7) b->_itemA[emptied] = 0;   // cleared away by a cascade right before its turn
        puFrame();
        ++work;
        for (size_t k = 0; k < targets.size(); ++k)
            if (b->_itemA[targets[k]] == 0 && goneAt[k] == 0) goneAt[k] = work;
        if (!same.isRunning) end = work;
    }
    size_t n = targets.size();
    EXPECT_EQ(end, (int)(2 * n + 1));
    for (size_t k = 0; k < n; ++k) EXPECT_EQ(goneAt[k], (int)(2 * k + 2)) << "target " << k;
    EXPECT_EQ(p->LevelPoints - before, 5 * (int)(n - 1));
    EXPECT_EQ(p->itemsDestroyed[kind] - destroyed, (int)(n - 2));   // the bomb and the empty slot credit no goal
    int refills = 0;
    for (int i = 1; i <= 150; ++i) refills += b->_itemA[i] != 0 && b->_itemY[i] == -20.0f;
    EXPECT_EQ(refills, (int)(n - 1));
    EXPECT_EQ(same.isSelected, 0);
}

TEST_F(PowerUps, ReplaceAllSendsTheCometThenTheWaveLeavesNoGemOfAKindItCannotDeal)
{
    boardAt(50);
    tavoTPowerUp& all = *puReplaceAllItems;
    unlockFree(all);
    for (int i = 1; i <= 150; ++i)
        if (b->_itemA[i] >= 1 && b->_itemA[i] <= 5) b->_itemA[i] = 1;
    int bomb = slotAt(4, 4), stone = slotAt(9, 9);
    b->_itemA[bomb] = _ITEM_BOMB;
    b->_itemA[stone] = _ITEM_XSTEIN;
    clickButton(all);
    ASSERT_EQ(all.isRunning, 1);
    EXPECT_EQ(all._runtime, 1);
    int work = 0;
    while (all.isRunning && work < 100) {
        puFrame();
        ++work;
        if (all.isRunning) {
            EXPECT_EQ(g_powerUpBusy, 1);
        }
    }
    EXPECT_EQ(work, 54);
    EXPECT_EQ(b->_swapping, 1);
    EXPECT_EQ(g_powerUpBusy, 0);
    // new gems are drawn without kind 1 while the frame counter's hundreds are odd
    g_frameCount = 150;
    while (b->_swapping > 0) b->_gt1_gt2_gt3_swapping();
    EXPECT_EQ(itemCount(1), 0);
    EXPECT_EQ(b->_itemA[bomb], _ITEM_BOMB);
    EXPECT_EQ(b->_itemA[stone], _ITEM_XSTEIN);
}

TEST_F(PowerUps, ThrowExplosivePicksAtFrameOneAndBlowsAtFrameSeventySeven)
{
    boardAt(50);
    tavoTPowerUp& te = *puThrowExplosive;
    tavoTPU_ThrowExplosive& thr = *puThrowExplosive;
    unlockFree(te);
    // one qualifying item: the others are stones, or have no cell yet
    int only = slotAt(7, 7);
    for (int i = 1; i <= 150; ++i)
        if (b->_itemA[i] >= 1 && b->_itemA[i] <= 5 && i != only) b->_itemA[i] = _ITEM_XSTEIN;
    clickButton(te);
    ASSERT_EQ(te.isRunning, 1);
    int high = b->_item_prepare(cellX(6), -20, 2, 0);   // comes in after the click, which waits for the board at rest
    puFrame();
    EXPECT_EQ(thr._targetz, only);
    EXPECT_EQ(thr.putarget.x, cellX(7));
    EXPECT_EQ(thr.putarget.y, cellY(7));
    b->_itemA[only] = 4;   // whatever the slot holds at the blast becomes the bomb
    int work = 1, blast = 0;
    while (te.isRunning && work < 100) {
        int had = b->_itemA[only];
        puFrame();
        ++work;
        EXPECT_EQ(g_powerUpBusy, te.isRunning ? 1 : 0);
        if (had != 0 && b->_itemA[only] == 0) blast = work;
    }
    EXPECT_EQ(blast, 77);
    EXPECT_EQ(work, 79);
    EXPECT_EQ(b->_itemA[high], 2);   // above the board: out of the blast
    EXPECT_EQ(te.isReady, 0);
    EXPECT_NE(std::find(sounds.begin(), sounds.end(), SOUND_BOMB), sounds.end());
}

TEST_F(PowerUps, ThrowWithoutTargetGivesTheUseBackAndANewLevelEndsAThrow)
{
    boardAt(50);
    tavoTPowerUp& te = *puThrowExplosive;
    unlockFree(te);
    te.isFirstTime = 0;
    for (int i = 1; i <= 150; ++i)
        if (b->_itemA[i] >= 1 && b->_itemA[i] <= 5) b->_itemA[i] = _ITEM_XSTEIN;
    p->StoryPoints = 3000;
    clickButton(te);
    EXPECT_EQ(p->StoryPoints, 500);
    puFrame();
    EXPECT_EQ(te.isRunning, 0);
    EXPECT_EQ(p->StoryPoints, 3000);
    EXPECT_EQ(te.isFirstTime, 0);
    EXPECT_EQ(itemCount(_ITEM_BOMB), 0);

    // the free first use is kept too
    te.isFirstTime = 1;
    clickButton(te);
    puFrame();
    EXPECT_EQ(te.isFirstTime, 1);

    // leaving the level mid-throw: the next level starts with nothing running and the board free
    boardAt(50);
    clickButton(te);
    puFrame();
    ASSERT_EQ(te.isRunning, 1);
    te.Prepare();
    EXPECT_EQ(te.isRunning, 0);
    EXPECT_EQ(g_powerUpBusy, 0);
}

TEST_F(PowerUps, RemoveLineLeavesDoorsInPlaceAndEveryGoalKindIsCredited)
{
    boardAt(50);
    tavoTPowerUp& line = *puRemoveLine;
    tavoTPowerUp& same = *puRemoveSameItem;
    unlockFree(line);
    unlockFree(same);
    int door = slotAt(9, 7), five = slotAt(5, 7);
    b->_itemA[door] = _ITEM_XDOOR;
    b->_cellDoor[b->_itemCell[door]] = 1;
    b->_itemA[five] = 5;

    clickButton(line);
    clickCell(9, 7);   // a door offers no row
    EXPECT_EQ(line.isRunning, 0);
    clickCell(4, 7);
    ASSERT_EQ(line.isRunning, 1);
    int points = p->LevelPoints, fives = p->itemsDestroyed[5];
    runUntilIdle(line);
    EXPECT_EQ(p->LevelPoints - points, 5 * 5);
    EXPECT_EQ(b->_itemA[door], _ITEM_XDOOR);
    EXPECT_EQ(b->_itemX[door], cellX(9));
    EXPECT_EQ(b->_itemY[door], cellY(7));
    EXPECT_EQ(p->itemsDestroyed[5] - fives, 1);

    // the same with every gem of kind 5
    quietPattern();
    std::vector<int> targets;
    for (int u : {4, 6, 8})
        for (int v : {5, 9}) {
            setKind(u, v, 5);
            targets.push_back(slotAt(u, v));
        }
    fives = p->itemsDestroyed[5];
    clickButton(same);
    clickCell(6, 9);
    ASSERT_EQ(same.isRunning, 1);
    runUntilIdle(same);
    EXPECT_EQ(p->itemsDestroyed[5] - fives, (int)targets.size());
}

TEST_F(PowerUps, APickedTargetNeitherReachesUnderADialogNorLeavesAGemSelected)
{
    boardAt(50);
    b->_runtime = 200;
    tavoTPowerUp& line = *puRemoveLine;
    tavoTPowerUp& same = *puRemoveSameItem;
    unlockFree(line);
    unlockFree(same);
    p->StoryPoints = 100000;
    // One whole board frame with the button held over a cell: the board's steps, then the power-up pass.
    auto heldFrame = [&](int u, int v, int count) {
        pointAt(u, v, true, count);
        g_input->_MausFireLeft = count == 1 ? 1 : 0;
        frame();
        b->_draw_pu();
    };
    for (tavoTPowerUp* pu : {&line, &same}) {
        // a gem selected for a swap before the power-up
        heldFrame(4, 4, 1);
        ASSERT_GT(b->_gt3_partner1, 0);
        release();
        clickButton(*pu);
        ASSERT_EQ(pu->isSelected, 1);

        // a dialog over the hidden board: its click reaches no gem
        popupHandler->State = 1;
        popupHandler->runtime = 16;
        g_inputLayer = 2;
        int points = p->StoryPoints;
        clickCell(6, 6);
        EXPECT_EQ(pu->isRunning, 0);
        EXPECT_EQ(g_input->_MausFireLeft, 1);
        EXPECT_EQ(p->StoryPoints, points);
        popupHandler->State = 0;
        popupHandler->runtime = 0;
        g_inputLayer = 1;

        // the press that picks the target selects no gem, neither then nor while it is held through the run
        heldFrame(6, 6, 1);
        ASSERT_EQ(pu->isRunning, 1);
        EXPECT_EQ(b->_gt3_partner1, 0);
        for (int n = 2; n < 60 && pu->isRunning; ++n) heldFrame(6, 6, n);
        EXPECT_EQ(pu->isRunning, 0);
        heldFrame(6, 6, 60);
        EXPECT_EQ(b->_gt3_partner1, 0);
        release();
        frame();
        EXPECT_EQ(b->_gt3_partner1, 0);
        settleFalls();
        quietPattern();
    }
    // a new press is the board's again
    heldFrame(5, 5, 1);
    EXPECT_EQ(b->_gt3_partner1, slotAt(5, 5));
}
