// Refills held above the board after a blast: only items resting in a cell make lines, offer moves or let a swap stand.
#include "tests/match3_support.h"

namespace {

const std::vector<std::string> kBlock = {
    "", "", "", "...oooooo", "...oooooo", "...oooooo", "...oooooo", "...oooooo", "...oooooo",
};   // columns 4..9, rows 4..9

}  // namespace

TEST_F(Match3Test, ItemsHeldAboveTheBoardMakeNoLineAndOfferNoMove)
{
    build(20, kBlock);
    quietPattern();
    framesTo(160);
    // resting on the tops of columns 4..7, one row above the board, where no cell is
    float above = cellY(3);
    int ghost[4];
    for (int u = 4; u <= 7; ++u) ghost[u - 4] = b->_item_prepare(cellX(u), above, 1, 0);
    b->_itemA[ghost[1]] = 2;   // 1 2 1 1: moving the first one right would make a line
    b->_runtime = 450;         // the next frame is a hint frame
    b->_nixdo = 0;
    frame();
    for (int g : ghost) {
        EXPECT_EQ(b->_itemY[g], above);
        EXPECT_EQ(b->_Item_f[g], 0);
        EXPECT_EQ(b->_itemCell[g], 0);
    }
    EXPECT_EQ(b->_zugpointer, 0);
    b->_itemA[ghost[1]] = 1;   // now a line of four kind-1 items, but above the board
    frame();
    for (int g : ghost) EXPECT_EQ(b->_itemA[g], 1);
    EXPECT_EQ(b->_abwahl, 0);
}

TEST_F(Match3Test, AfterABlastTheStackedRefillsScoreNothingAndANoLineSwapSwingsBack)
{
    build(20, kBlock);
    quietPattern();
    framesTo(160);
    int bomb = slotAt(7, 5);
    b->_itemA[bomb] = _ITEM_BOMB;
    b->_fummcount = 3;
    b->_fummpipe[3] = bomb;
    b->_itemBef[bomb] = 1;
    b->_abwahl = 1;
    b->_remove_items();
    int stacked = 0;
    for (int i = 1; i <= 150; ++i)
        if (b->_itemA[i] >= 1 && b->_itemA[i] <= 5 && b->_itemY[i] == -20.0f) {
            b->_itemA[i] = 5;   // every refill alike: stacked in neighbouring columns they would line up
            stacked += 1;
        }
    ASSERT_GE(stacked, 12);
    int scored = p->LevelPoints;

    int left = slotAt(4, 9), right = slotAt(5, 9), kl = b->_itemA[left], kr = b->_itemA[right];
    auto step = [&] {
        g_frameCount += 1;
        b->_runtime += 1;
        b->_item_Max = 259;
        b->_item_slide();
        b->_make_swaps();
        b->_gt3_tipp();
        b->_gt3_swappen();
        if (b->_abwahl == 1)
            for (int k = 1; k <= b->_fummcount; ++k) {
                int s = b->_fummpipe[k];
                EXPECT_GT(b->_itemCell[s], 0) << "slot " << s << " at y " << b->_itemY[s] << " frame " << b->_runtime;
            }
        b->_gt1_gt2_gt3_swapping();
        b->_remove_items();
    };
    pointAt(4, 9, true, 1);
    step();
    release();
    step();
    pointAt(5, 9, true, 1);
    step();
    release();
    ASSERT_EQ(b->_gt3_partner2, right);
    for (int n = 0; n < 6; ++n) step();
    EXPECT_EQ(b->_gt3_swapdir, 2);   // the swap made no line and swings back
    EXPECT_EQ(p->LevelPoints, scored);   // nothing was found while the refills waited up there
    for (int n = 0; n < 8; ++n) step();
    EXPECT_EQ(b->_itemA[left], kl);
    EXPECT_EQ(b->_itemA[right], kr);
    for (int n = 0; n < 60; ++n) step();
}
