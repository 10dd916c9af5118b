// Board cursor tests: steps over holes and edges, pick, swap and drop, stones, power-ups by key and pad, the strike.
#include <algorithm>
#include <functional>

#include "frontend/effects.h"
#include "match3/board_cursor.h"
#include "match3/meteor.h"
#include "tests/powerups_support.h"

namespace {

const std::vector<std::string> kBlock = {
    "", "", "", "...oooooo", "...oooooo", "...oooooo", "...oooooo", "...oooooo", "...oooooo",
};   // columns 4..9, rows 4..9

// Holes at (6,4), (5,5) and (6,5); row 5 is cut in two.
const std::vector<std::string> kHoles = {"", "", "", "...oo.oo", "...o..oo", "...ooooo"};

class BoardCursor : public PowerUpTest {
protected:
    int cellAt(int u, int v) const
    {
        for (int q = 1; q <= 260; ++q)
            if (b->_CellA[q] > 0 && b->_CellX[q] == cellX(u) && b->_CellY[q] == cellY(v)) return q;
        return 0;
    }
    void at(int u, int v) { b->_cursorCell = cellAt(u, v); }
    bool cursorAt(int u, int v) const { return b->_cursorCell != 0 && b->_cursorCell == cellAt(u, v); }
    // One frame as the board scene runs it, with the last input from the keys; `what` sets this frame's input.
    void keyFrame(const std::function<void(tavoTInput&)>& what = nullptr)
    {
        g_input->FlushInput();
        g_input->_LastDevice = INPUT_KEYS;
        g_input->_MausDownLeft = g_input->_MausDownLeftCount = 0;
        if (what) what(*g_input);
        b->_cursorFrame();
        frame();
        b->_draw_pu();
    }
    void confirm() { keyFrame([](tavoTInput& in) { in._Confirm = 1; }); }
    void right() { keyFrame([](tavoTInput& in) { in._NavRight = 1; }); }
    void down() { keyFrame([](tavoTInput& in) { in._NavDown = 1; }); }
    void ready()
    {
        build(10, kBlock);
        quietPattern();
        framesTo(160);
        keyFrame();   // the first frame with keys only shows the cursor
    }
};

// What a swap leaves: every slot's kind, the points and the sounds, 80 frames on.
struct Outcome {
    std::vector<int> kinds;
    int points;
    std::vector<int> sounds;
    bool operator==(const Outcome&) const = default;
};

}  // namespace

TEST_F(BoardCursor, StepsSkipHolesStopAtTheEdgesAndStartInTheMiddle)
{
    build(10, kHoles);
    const int start = m3CursorStart(*b);
    ASSERT_GT(start, 0);
    EXPECT_GT(b->_CellA[start], 0);
    const auto step = [&](int u, int v, int dx, int dy) { return m3CursorStep(*b, cellAt(u, v), dx, dy); };
    EXPECT_EQ(step(5, 4, 1, 0), cellAt(7, 4));    // over the hole
    EXPECT_EQ(step(4, 5, 1, 0), cellAt(7, 5));    // over two
    EXPECT_EQ(step(5, 4, 0, 1), cellAt(5, 6));    // down the column past its hole
    EXPECT_EQ(step(8, 4, 1, 0), cellAt(8, 4));    // the right edge: no wrap
    EXPECT_EQ(step(4, 6, -1, 0), cellAt(4, 6));   // the left edge
    EXPECT_EQ(step(8, 6, 0, 1), cellAt(8, 6));    // the bottom
    EXPECT_EQ(step(6, 6, 0, -1), cellAt(7, 5));   // nothing above in its column: the nearest ahead
    EXPECT_EQ(m3CellBeside(*b, cellAt(5, 4), 1, 0), 0);
    EXPECT_EQ(m3CellBeside(*b, cellAt(4, 4), 1, 0), cellAt(5, 4));

    build(11, kBlock);   // six by six: one of the four middle cells
    const int mid = m3CursorStart(*b);
    const float u = (b->_CellX[mid] + 16) / 48, v = (b->_CellY[mid] + 20) / 48;
    EXPECT_TRUE((u == 6 || u == 7) && (v == 6 || v == 7)) << u << "," << v;
}

TEST_F(BoardCursor, ConfirmPicksAnArrowSwapsAndASecondConfirmOrBackspaceDrops)
{
    ready();
    const int a = slotAt(5, 5), c = slotAt(6, 5);
    at(5, 5);
    right();
    EXPECT_TRUE(cursorAt(6, 5));   // nothing picked: the arrow only moves
    EXPECT_EQ(b->_gt3_partner1, 0);
    at(5, 5);
    confirm();
    ASSERT_EQ(b->_gt3_partner1, a);
    confirm();   // the picked gem again: dropped, as a second click on it
    EXPECT_EQ(b->_gt3_partner1, 0);
    confirm();
    ASSERT_EQ(b->_gt3_partner1, a);
    keyFrame([](tavoTInput& in) { in._DropPick = 1; });
    EXPECT_EQ(b->_gt3_partner1, 0);

    // picked, then moved to a neighbour and confirmed: a swap as the second click makes
    confirm();
    at(5, 6);
    confirm();
    EXPECT_EQ(b->_gt3_partner2, slotAt(5, 6));
    EXPECT_GT(b->_gt3_swap, 0);
    for (int n = 0; n < 20; ++n) keyFrame();   // refused on this quiet board: it swings back
    EXPECT_EQ(b->_gt3_swap, 0);

    at(5, 5);
    confirm();
    sounds.clear();
    right();
    EXPECT_TRUE(cursorAt(6, 5));
    EXPECT_EQ(b->_gt3_partner2, c);
    EXPECT_EQ(sounds, std::vector<int>{SOUND_TURNUP});
}

TEST_F(BoardCursor, AKeySwapPlaysOutExactlyAsTheMouseSwap)
{
    auto play = [&](bool keys) {
        Sys_SeedRnd(777);
        clearEffects();
        g_frameCount = 0;
        ready();
        // kind 1 above and below (5,5): moving (6,5)'s 1 there makes a column
        setKind(5, 4, 1);
        setKind(5, 6, 1);
        EXPECT_EQ(kindAt(6, 5), 1);
        sounds.clear();
        const int before = p->LevelPoints;
        if (keys) at(5, 5);
        for (int step = 0; step < 84; ++step) {
            if (keys) {
                keyFrame([&](tavoTInput& in) {
                    in._Confirm = step == 0 ? 1 : 0;
                    in._NavRight = step == 2 ? 1 : 0;
                });
                continue;
            }
            g_input->FlushInput();
            g_input->_LastDevice = INPUT_MOUSE;
            if (step == 0) pointAt(5, 5, true);
            if (step == 1 || step == 3) release();
            if (step == 2) pointAt(6, 5, true);
            b->_cursorFrame();
            frame();
            b->_draw_pu();
        }
        return Outcome{std::vector<int>(b->_itemA + 1, b->_itemA + 151), p->LevelPoints - before, sounds};
    };
    const Outcome byMouse = play(false), byKeys = play(true);
    EXPECT_GT(byMouse.points, 0);
    EXPECT_EQ(byMouse.sounds, byKeys.sounds);
    EXPECT_EQ(byMouse.kinds, byKeys.kinds);
    EXPECT_EQ(byMouse.points, byKeys.points);
}

TEST_F(BoardCursor, AStoneCellTakesTheCursorButNoPickAndNoSwap)
{
    ready();
    setKind(5, 6, _ITEM_XSTEIN);
    at(5, 6);
    sounds.clear();
    confirm();
    EXPECT_TRUE(cursorAt(5, 6));
    EXPECT_EQ(b->_gt3_partner1, 0);
    EXPECT_TRUE(sounds.empty());
    at(5, 5);
    confirm();
    ASSERT_EQ(b->_gt3_partner1, slotAt(5, 5));
    down();   // onto the stone: the cursor goes, the gem stays picked and nothing swaps
    EXPECT_TRUE(cursorAt(5, 6));
    EXPECT_EQ(b->_gt3_partner1, slotAt(5, 5));
    EXPECT_EQ(b->_gt3_swap, 0);
}

TEST_F(BoardCursor, TheFirstKeyOnlyShowsTheCursorAndTheMouseKeepsItsOwnPress)
{
    build(10, kBlock);
    quietPattern();
    framesTo(160);
    at(5, 5);
    g_input->_LastDevice = INPUT_MOUSE;
    b->_cursorFrame();
    confirm();   // keys after the mouse: shown, not yet acting
    EXPECT_EQ(b->_cursorShown, 1);
    EXPECT_EQ(b->_gt3_partner1, 0);
    // a click in the same frame as a key leaves the mouse in charge: only the pointer's gem is picked
    g_input->FlushInput();
    g_input->_LastDevice = INPUT_MOUSE;
    g_input->_Confirm = 1;
    pointAt(7, 7, true);
    b->_cursorFrame();
    frame();
    EXPECT_EQ(b->_gt3_partner1, slotAt(7, 7));
    EXPECT_EQ(b->_cursorShown, 0);
}

TEST_F(BoardCursor, NumberKeysPressPowerUpsAndTheCursorPicksTheirTarget)
{
    ready();
    for (int n = 1; n <= 4; ++n) unlockFree(*m3PowerUpNumber(n));
    tavoTPU_RemoveLine& line = *puRemoveLine;
    keyFrame([](tavoTInput& in) { in._PowerUpKey = 1; });
    ASSERT_EQ(line.isSelected, 1);
    at(7, 6);
    // the same frame's confirm goes to the target, not to a gem
    keyFrame([](tavoTInput& in) { in._Confirm = 1; });
    EXPECT_EQ(line.isRunning, 1);
    EXPECT_EQ(line._selectedRow, (int)cellY(6));
    EXPECT_EQ(b->_gt3_partner1, 0);
    for (int n = 0; n < 300 && (line.isRunning || !b->_boardAtRest() || g_powerUpBusy); ++n) keyFrame();

    // a second power-up chosen and dropped again by Backspace, with the sound of a second click
    tavoTPowerUp& same = *puRemoveSameItem;
    keyFrame([](tavoTInput& in) { in._PowerUpKey = 2; });
    ASSERT_EQ(same.isSelected, 1);
    sounds.clear();
    keyFrame([](tavoTInput& in) {
        in._DropPick = 1;
        in._Escape = 1;   // the pad's east button is both
    });
    EXPECT_EQ(same.isSelected, 0);
    EXPECT_EQ(sounds, std::vector<int>{SOUND_PU_DESELECT});
    EXPECT_EQ(g_input->_Escape, 0);   // spent on the drop: no menu

    // a locked power-up's key does what its click does: not enough points to buy it
    puReplaceAllItems->_lock();
    p->StoryPoints = 0;
    keyFrame([](tavoTInput& in) { in._PowerUpKey = 4; });
    EXPECT_EQ(puReplaceAllItems->isUnlocked, 0);
    EXPECT_EQ(lastMessage(), "Not enough points");
}

TEST_F(BoardCursor, PadShouldersStepOverThePowerUpsOfTheLevelAndNorthPressesOne)
{
    ready();
    p->Level = 6;   // remove line and remove same items only
    for (int n = 1; n <= 4; ++n) unlockFree(*m3PowerUpNumber(n));   // its frame also learns what the level has
    keyFrame([](tavoTInput& in) { in._PadPowerUpStep = -1; });
    EXPECT_EQ(b->_padPowerUp, 2);   // from none, left comes in at the right end
    keyFrame([](tavoTInput& in) { in._PadPowerUpStep = 1; });
    EXPECT_EQ(b->_padPowerUp, 1);   // round the row, past the two this level lacks
    EXPECT_EQ(b->_padPowerUpRing, M3_PAD_POWERUP_RING_FRAMES);
    keyFrame([](tavoTInput& in) { in._PadPowerUpUse = 1; });
    EXPECT_EQ(puRemoveLine->isSelected, 1);
    EXPECT_EQ(puRemoveSameItem->isSelected, 0);
}

class MeteorStrike : public BoardCursor {
protected:
    TMeteor* m = nullptr;
    void SetUp() override
    {
        BoardCursor::SetUp();
        build(50, kBlock);
        quietPattern();
        settle();
        m = g_meteor;
        m->loadImages();
    }
    // A meteor from the left, level at height y.
    void launch(float y)
    {
        do {
            m->Stop();
            m->nextAppearance = b->_runtime - 1;
            ASSERT_EQ(m->Start(), 0);
        } while (m->corner != 1);
        m->positionY = y;
        m->directionY = 0;
    }
    void fly(int frames, bool strike = false)
    {
        for (int n = 0; n < frames; ++n) {
            g_frameCount += 1;
            b->_runtime += 1;
            g_input->_MausFireLeft = 0;
            g_input->_Strike = strike && n == frames - 1 ? 1 : 0;
            if (m->inAction) m->Update();
            updateEffects();
        }
    }
};

TEST_F(MeteorStrike, OneStrikePerFlightHitsOnlyWhileTheUpperHalfCrossesTheCursorCell)
{
    at(6, 6);   // centre (272, 268)
    const int points = p->LevelPoints;
    launch(cellY(6) - 10);
    fly(60, true);   // still far left: a miss, heard
    EXPECT_EQ(m->isHit, 0);
    EXPECT_EQ(m->struck, 1);
    EXPECT_NE(std::find(sounds.begin(), sounds.end(), SOUND_PUNO), sounds.end());
    fly(35, true);   // now over the cell, but this flight's strike is spent
    EXPECT_EQ(m->isHit, 0);

    launch(cellY(6) - 54);   // only its lower half crosses the cell: the mouse would miss it there too
    fly(95, true);
    EXPECT_EQ(m->isHit, 0);

    launch(cellY(6) - 10);
    fly(95, true);
    EXPECT_EQ(m->isHit, 1);
    EXPECT_EQ(p->LevelPoints - points, 1500);
    m->Stop();
    EXPECT_EQ(m->struck, 0);
}
