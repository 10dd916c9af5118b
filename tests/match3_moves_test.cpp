// Move tests: selection gates, the seven-frame swap, refusal and swing back, bombs pressed, and the line test.
#include "tests/match3_support.h"

namespace {

const std::vector<std::string> kBlock = {
    "", "", "", "...oooooo", "...oooooo", "...oooooo", "...oooooo", "...oooooo", "...oooooo",
};   // columns 4..9, rows 4..9

}  // namespace

TEST_F(Match3Test, NoPressIsTakenBeforeFrame151)
{
    build(10, kBlock);
    quietPattern();
    framesTo(149);
    pointAt(5, 5, true);
    frame();   // frame 150
    EXPECT_EQ(b->_gt3_partner1, 0);
    EXPECT_EQ(b->_nixdo, 150);
    frame();   // frame 151
    EXPECT_EQ(b->_gt3_partner1, slotAt(5, 5));
    EXPECT_EQ(b->_nixdo, 1);   // reset by the press, then counted by the hint step
}

TEST_F(Match3Test, PressingTheSelectedGemAgainDropsItAndAHeldPressTakesItBack)
{
    build(10, kBlock);
    quietPattern();
    framesTo(160);
    int a = slotAt(5, 5);
    pointAt(5, 5, true);
    frame();
    release();
    frame();
    ASSERT_EQ(b->_gt3_partner1, a);
    pointAt(5, 5, true, 1);   // the second press, in its first frame
    frame();
    EXPECT_EQ(b->_gt3_partner1, 0);
    pointAt(5, 5, true, 2);   // still held: selected again
    frame();
    EXPECT_EQ(b->_gt3_partner1, a);
    pointAt(5, 5, true, 3);   // held on, it stays
    frame();
    EXPECT_EQ(b->_gt3_partner1, a);
    release();
    frame();
    EXPECT_EQ(b->_gt3_partner1, a);
    pointAt(5, 5, true, 1);   // a short second press leaves nothing selected
    frame();
    release();
    frame();
    EXPECT_EQ(b->_gt3_partner1, 0);
}

TEST_F(Match3Test, RefusedSwapSlidesSevenFramesAndSwingsBack)
{
    build(10, kBlock);
    quietPattern();
    framesTo(160);
    int a = slotAt(5, 5), c = slotAt(6, 5);
    int kindA = b->_itemA[a], kindC = b->_itemA[c];
    pointAt(5, 5, true);
    frame();
    release();
    frame();
    EXPECT_EQ(b->_gt3_partner1, a);
    pointAt(6, 5, true);
    frame();   // frame f: the swap starts and makes its first step
    EXPECT_EQ(b->_gt3_partner2, c);
    EXPECT_EQ(b->_gt3_swap, 12);
    EXPECT_EQ(b->_gt3_swapdir, 1);
    EXPECT_EQ(b->_gt3_swaplx1, 12.0f);
    EXPECT_EQ(b->_gt3_swaplx2, -12.0f);
    EXPECT_EQ(b->_gt3_swaply1, 0.0f);
    pointAt(8, 8, true);   // presses during a swap do nothing
    for (int n = 1; n <= 5; ++n) frame();
    EXPECT_EQ(b->_gt3_partner1, a);
    EXPECT_EQ(b->_gt3_swap, 42);
    release();
    frame();   // f + 6: one cell apart, no line, refused
    EXPECT_EQ(b->_gt3_swap, 48);
    EXPECT_EQ(b->_gt3_swapdir, 2);
    EXPECT_EQ(b->_gt3_swaplx1, 48.0f);
    for (int n = 7; n <= 13; ++n) frame();
    EXPECT_EQ(b->_gt3_swap, 90);
    EXPECT_EQ(b->_gt3_swaplx1, 6.0f);
    frame();   // f + 14
    EXPECT_EQ(b->_gt3_swap, 0);
    EXPECT_EQ(b->_gt3_swapdir, 0);
    EXPECT_EQ(b->_gt3_partner1, 0);
    EXPECT_EQ(b->_gt3_partner2, 0);
    EXPECT_EQ(b->_gt3_swaplx1, 0.0f);
    EXPECT_EQ(b->_itemA[a], kindA);
    EXPECT_EQ(b->_itemA[c], kindC);
}

TEST_F(Match3Test, SwapIntoALineIsAcceptedAndRemovedInTheSameFrame)
{
    build(10, kBlock);
    quietPattern();
    // Dragging (6,5) down onto (6,6) brings kind 5 between two fives.
    setKind(5, 6, 5);
    setKind(7, 6, 5);
    setKind(6, 5, 5);
    setKind(6, 6, 1);
    framesTo(160);
    int top = slotAt(6, 5), below = slotAt(6, 6);
    pointAt(6, 5, true, 1);
    frame();
    pointAt(6, 6, true, 2);   // dragged onto the neighbour below
    frame();
    EXPECT_EQ(b->_gt3_swaply1, 12.0f);
    EXPECT_EQ(b->_gt3_swaply2, -12.0f);
    release();
    int pointsBefore = p->LevelPoints;
    for (int n = 1; n <= 6; ++n) frame();
    EXPECT_EQ(b->_gt3_swap, 0);
    EXPECT_EQ(b->_gt3_partner1, 0);
    EXPECT_EQ(b->_itemA[top], 1);   // the swapped-up gem
    EXPECT_EQ(kindAt(6, 6), 0);     // the line is gone, its refills wait above the board
    EXPECT_EQ(kindAt(5, 6), 0);
    EXPECT_EQ(kindAt(7, 6), 0);
    EXPECT_GT(below, 0);
    EXPECT_EQ(p->LevelPoints - pointsBefore, 15);
    EXPECT_EQ(p->skipfill, 1);
    EXPECT_EQ(p->anzItems, 3);
}

TEST_F(Match3Test, LineTestMarksRunsAndIgnoresItemsOffTheGrid)
{
    build(10, kBlock);
    quietPattern();
    for (int u = 4; u <= 8; ++u) setKind(u, 7, 5);
    b->_runtime = 200;
    b->_item_slide();
    b->_gt3_checkmove(0);
    EXPECT_EQ(b->_abwahl, 1);
    ASSERT_EQ(b->_fummcount, 5);
    for (int n = 1; n < 5; ++n) EXPECT_LT(b->_fummpipe[n], b->_fummpipe[n + 1]);
    for (int n = 1; n <= 5; ++n) {
        EXPECT_EQ(b->_itemA[b->_fummpipe[n]], 5);
        EXPECT_EQ(b->_itemBef[b->_fummpipe[n]], 1);
        EXPECT_EQ(b->_cellFumm[b->_itemCell[b->_fummpipe[n]]], 1);
    }

    quietPattern();
    b->_abwahl = 0;
    int top = slotAt(9, 4);
    for (int v = 4; v <= 6; ++v) setKind(9, v, 5);
    b->_itemY[top] += 0.5f;   // still falling: 47.5 pixels above its neighbour
    b->_gt3_checkmove(0);
    EXPECT_EQ(b->_abwahl, 0);
    b->_itemY[top] -= 0.5f;
    b->_gt3_checkmove(0);
    EXPECT_EQ(b->_abwahl, 1);
    EXPECT_EQ(b->_fummcount, 3);
}

TEST_F(Match3Test, APressedBombGoesOffAlone)
{
    build(10, kBlock);
    quietPattern();
    setKind(8, 8, _ITEM_BOMB);
    framesTo(160);
    pointAt(8, 8, true);
    b->_runtime += 1;
    b->_item_slide();
    b->_make_swaps();
    EXPECT_EQ(b->_abwahl, 1);
    EXPECT_EQ(b->_fummcount, 3);
    EXPECT_EQ(b->_fummpipe[3], slotAt(8, 8));
    EXPECT_EQ(b->_fummpipe[1], 0);
    EXPECT_EQ(b->_gt3_partner1, 0);
    b->_remove_items();
    EXPECT_EQ(kindAt(8, 8), 0);
    EXPECT_EQ(b->_abwahl, 0);

}

TEST_F(Match3Test, PressingABombBesideTheSelectedGemSetsItOff)
{
    build(10, kBlock);
    quietPattern();
    setKind(5, 5, 1);
    setKind(6, 5, _ITEM_BOMB);
    framesTo(160);
    pointAt(5, 5, true);
    frame();
    EXPECT_EQ(b->_gt3_partner1, slotAt(5, 5));
    int bomb = slotAt(6, 5);
    pointAt(6, 5, true, 2);
    b->_runtime += 1;
    b->_item_slide();
    b->_make_swaps();
    EXPECT_EQ(b->_abwahl, 1);
    EXPECT_EQ(b->_fummpipe[3], bomb);
    EXPECT_EQ(b->_gt3_partner1, 0);
    EXPECT_EQ(b->_gt3_swap, 0);
}

TEST_F(Match3Test, StonesDoorsAndBrakesCannotBePressed)
{
    build(11, {"", "", "", "...osd", "...ooo", "...ooo"});
    framesTo(160);
    for (int u : {5, 6}) {
        pointAt(u, 4, true);
        frame();
        EXPECT_EQ(b->_gt3_partner1, 0);
        EXPECT_EQ(b->_abwahl, 0);
        release();
        frame();
    }
}
