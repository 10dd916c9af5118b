// Rule tests: falling, removal points, new bombs, blasts, moss, stones, doors, the ready-lines pass, the shuffle wave, hints.
#include <cmath>
#include <set>

#include "frontend/popup.h"
#include "tests/match3_support.h"

namespace {

const std::vector<std::string> kBlock = {
    "", "", "", "...oooooo", "...oooooo", "...oooooo", "...oooooo", "...oooooo", "...oooooo",
};   // columns 4..9, rows 4..9

}  // namespace

TEST_F(Match3Test, ItemsFallTwelvePixelsAFrameAndStopOnCellCentres)
{
    build(12, {"", "", "....o", "....o", "....o", "....o", "....o", "....o", "....o", "....o"});
    quietPattern();
    framesTo(60);
    int bottom = slotAt(5, 10), second = slotAt(5, 9);
    b->_fummpipe[1] = bottom;
    b->_fummpipe[2] = second;
    b->_fummpipe[3] = slotAt(5, 8);
    b->_fummcount = 3;
    b->_abwahl = 1;
    int above = slotAt(5, 7);
    b->_remove_items();
    std::set<int> fresh;
    for (int i = 1; i <= 150; ++i)
        if (b->_itemA[i] >= 1 && b->_itemA[i] <= 5 && b->_itemY[i] == -20.0f) fresh.insert(i);
    EXPECT_EQ(fresh.size(), 3u);
    frame();
    EXPECT_EQ(b->_itemY[above], cellY(7) + 12);
    EXPECT_EQ(b->_Item_FallDynamic[above], -1);
    EXPECT_EQ(b->_Item_f[above], 1);
    int moved = 0;
    for (int i : fresh) moved += b->_itemY[i] == -8.0f;
    EXPECT_EQ(moved, 1);   // refills stacked at the spawn point enter one after another
    for (int n = 0; n < 12; ++n) frame();   // 144 pixels: three cells down
    EXPECT_EQ(b->_itemY[above], cellY(10));
    EXPECT_EQ(b->_Item_f[above], 0);
    EXPECT_EQ(b->_Item_FallDynamic[above], 6);
    EXPECT_GT(b->_itemCell[above], 0);
    framesTo(200);
    std::set<float> ys;
    for (int i = 1; i <= 150; ++i)
        if (b->_itemA[i] >= 1 && b->_itemA[i] <= 5) ys.insert(b->_itemY[i]);
    EXPECT_EQ(ys.size(), 8u);
    EXPECT_EQ(*ys.begin(), cellY(3));
    EXPECT_EQ(*ys.rbegin(), cellY(10));
}

TEST_F(Match3Test, EachItemScoresByTheSizeOfItsSet)
{
    build(13, {"", "", "", "...oooooooooo"});
    const int expected[9] = {0, 0, 0, 5, 10, 10, 10, 15, 25};
    for (int n = 3; n <= 8; ++n) {
        p->Level = 13;
        b->_preparelevelmatch3();
        for (int u = 4; u <= 13; ++u) setKind(u, 4, 1);
        b->_runtime = 60;
        b->_item_slide();
        for (int q = 1; q <= n; ++q) b->_fummpipe[q] = slotAt(3 + q, 4);
        b->_fummcount = n;
        b->_abwahl = 1;
        int before = p->LevelPoints, items = p->anzItems;
        b->_remove_items();
        EXPECT_EQ(p->LevelPoints - before, n * expected[n]) << n;
        EXPECT_EQ(p->anzItems - items, n);
        EXPECT_EQ(b->_abwahl, 0);
        EXPECT_EQ(b->_fummcount, 0);
    }
    EXPECT_EQ(p->skipfill, 6);
    EXPECT_EQ(p->StoryPoints, p->LevelPoints);
}

TEST_F(Match3Test, FiveFoursMakeABombInTheirLowestSlot)
{
    build(14, kBlock);
    quietPattern();
    for (int u = 4; u <= 8; ++u) setKind(u, 4, 4);
    int first = slotAt(4, 4);
    for (int u = 5; u <= 8; ++u) EXPECT_GT(slotAt(u, 4), first);
    b->_runtime = 200;
    b->_item_slide();
    b->_gt3_checkmove(0);
    ASSERT_EQ(b->_fummcount, 5);
    b->_remove_items();
    EXPECT_EQ(b->_itemA[first], _ITEM_BOMB);
    EXPECT_EQ(kindAt(4, 4), _ITEM_BOMB);
    for (int u = 5; u <= 8; ++u) EXPECT_EQ(kindAt(u, 4), 0);
    EXPECT_EQ(p->anzItems, 4);
    EXPECT_EQ(p->LevelPoints, 4 * 10);

    quietPattern();
    for (int u = 4; u <= 8; ++u) setKind(u, 6, 5);
    b->_item_slide();
    b->_gt3_checkmove(0);
    ASSERT_EQ(b->_fummcount, 5);
    b->_remove_items();
    EXPECT_EQ(itemCount(_ITEM_BOMB), 1);

    // Four of kind 4 on a fresh board are an ordinary line: removed, no bomb.
    build(14, kBlock);
    quietPattern();
    for (int u = 4; u <= 7; ++u) setKind(u, 4, 4);
    b->_runtime = 200;
    b->_item_slide();
    b->_gt3_checkmove(0);
    ASSERT_EQ(b->_fummcount, 4);
    b->_remove_items();
    EXPECT_EQ(itemCount(_ITEM_BOMB), 0);
    for (int u = 4; u <= 7; ++u) EXPECT_EQ(kindAt(u, 4), 0);
}

TEST_F(Match3Test, ABlastChainCountsEveryItemOnceAndSparesItemsAboveTheBoard)
{
    build(15, {"", "", "", "...ooooooooo", "...ooooooooo", "...ooooooooo", "...ooooooooo", "...ooooooooo",
               "...ooooooooo", "...ooooooooo"});
    quietPattern();
    framesTo(160);
    int b1 = slotAt(6, 7), b2 = slotAt(8, 7);
    b->_itemA[b1] = _ITEM_BOMB;
    b->_itemA[b2] = _ITEM_BOMB;
    // A gem just spawned above the board, inside the radius of nothing below y 60.
    int high = b->_item_prepare(cellX(6), 58, 1, 0);
    auto within = [&](int i, int bomb) {
        float dx = b->_itemX[i] - b->_itemX[bomb], dy = b->_itemY[i] - b->_itemY[bomb];
        return int(std::sqrt(dx * dx + dy * dy)) < 110;
    };
    int hit = 0;
    for (int i = 1; i <= 150; ++i) {
        if (i == b1 || i == high || b->_itemA[i] < 1 || b->_itemA[i] > 998) continue;
        if (b->_itemY[i] > 60 && (within(i, b1) || within(i, b2))) ++hit;
    }
    b->_fummcount = 3;
    b->_fummpipe[3] = b1;
    b->_abwahl = 1;
    b->_geholfen = 1;
    b->_remove_items();
    EXPECT_EQ(p->anzItems, hit + 1);
    EXPECT_EQ(p->LevelPoints, (hit + 1) * 5);
    EXPECT_EQ(b->_geholfen, 0);
    EXPECT_EQ(b->_itemA[high], 1);
    EXPECT_EQ(b->_itemY[high], 58.0f);
    EXPECT_EQ(kindAt(6, 7), 0);
    EXPECT_EQ(kindAt(8, 7), 0);
    EXPECT_EQ(kindAt(10, 7), 0);      // 192 from the first bomb, 96 from the second
    EXPECT_NE(kindAt(4, 4), 0);       // out of both radii
}

TEST_F(Match3Test, RemovingAnItemClearsTheMossUnderItWithoutPoints)
{
    build(16, {"", "", "", "...ooom", "...oooo"});
    quietPattern();
    EXPECT_EQ(b->_mosscount, 1);
    framesTo(60);
    for (int u = 4; u <= 7; ++u) setKind(u, 4, 2);
    b->_item_slide();
    b->_fummcount = 0;
    for (int u = 4; u <= 7; ++u) b->_fummpipe[++b->_fummcount] = slotAt(u, 4);
    b->_abwahl = 1;
    b->_remove_items();
    EXPECT_EQ(p->anzMoss, 1);
    EXPECT_EQ(b->_cellMoss[4], 0);
    EXPECT_EQ(p->LevelPoints, 4 * 10);
    EXPECT_GE(b->_mosssoundx, 0.0f);
}

TEST_F(Match3Test, StonesRefillTheirColumnAndBreakOnce)
{
    build(17, {"", "", "", "....s", "....o", "....o", "....o", "...ooo"});
    quietPattern();
    int stone = slotAt(5, 4);
    ASSERT_EQ(b->_itemA[stone], _ITEM_XSTEIN);
    EXPECT_EQ(b->_Item_New[stone], 4);
    framesTo(160);
    EXPECT_EQ(kindAt(5, 8) != 0, true);
    // A line of three touching the stone with two of its items, set up beside it.
    build(18, {"", "", "", "...oso", "...ooo", "...ooo"});
    quietPattern();
    framesTo(60);
    int s = slotAt(5, 4);
    ASSERT_EQ(b->_itemA[s], _ITEM_XSTEIN);
    int refills = b->_Item_New[s];
    setKind(4, 4, 2);
    setKind(4, 5, 2);
    setKind(4, 6, 2);
    b->_item_slide();
    int before = 0;
    for (int i = 1; i <= 150; ++i) before += b->_itemA[i] >= 1 && b->_itemA[i] <= 5;
    b->_fummpipe[1] = slotAt(4, 4);
    b->_fummpipe[2] = slotAt(4, 5);
    b->_fummpipe[3] = slotAt(4, 6);
    b->_fummcount = 3;
    b->_abwahl = 1;
    b->_remove_items();
    EXPECT_EQ(b->_itemA[s] == _ITEM_XSTEIN && b->_itemX[s] == cellX(5), false);
    EXPECT_EQ(b->_cellStone[2], 0);
    int after = 0;
    for (int i = 1; i <= 150; ++i) after += b->_itemA[i] >= 1 && b->_itemA[i] <= 5;
    EXPECT_EQ(after, before - 3 + 3 + refills);
    EXPECT_EQ(p->LevelPoints, 3 * 5 + 25);
    EXPECT_EQ(p->anzItems, 4);
    EXPECT_EQ(b->_stonesoundx, cellX(5));
}

TEST_F(Match3Test, AStoneInABlastGetsOnlyItsOwnTreatment)
{
    build(19, {"", "", "", "...oso", "...ooo", "...ooo"});
    quietPattern();
    framesTo(60);
    int s = slotAt(5, 4);
    int refills = b->_Item_New[s];
    int bomb = slotAt(5, 6);
    b->_itemA[bomb] = _ITEM_BOMB;
    b->_item_slide();
    int gemsBefore = 0, inRadius = 0;
    for (int i = 1; i <= 150; ++i) {
        if (b->_itemA[i] < 1 || b->_itemA[i] > 5) continue;
        ++gemsBefore;
        float dx = b->_itemX[i] - b->_itemX[bomb], dy = b->_itemY[i] - b->_itemY[bomb];
        inRadius += int(std::sqrt(dx * dx + dy * dy)) < 110;
    }
    b->_fummcount = 3;
    b->_fummpipe[3] = bomb;
    b->_abwahl = 1;
    b->_remove_items();
    int gemsAfter = 0;
    for (int i = 1; i <= 150; ++i) gemsAfter += b->_itemA[i] >= 1 && b->_itemA[i] <= 5;
    // Every blasted gem and the bomb come back once; the stone brings back what it held and itself.
    EXPECT_EQ(gemsAfter, gemsBefore + 1 + refills);
    EXPECT_EQ(p->anzItems, inRadius + 1 + 1);
    EXPECT_EQ(p->LevelPoints, (inRadius + 1) * 5 + 25);
}

TEST_F(Match3Test, DoorsTurnIntoABombOrAMushroomAndAlwaysABombFromLevel82)
{
    int bombs = 0, mushrooms = 0;
    for (int round = 0; round < 40; ++round) {
        build(20, {"", "", "", "....d", "....o", "....o", "...ooo"});
        quietPattern();
        framesTo(60);
        int door = slotAt(5, 4);
        ASSERT_EQ(b->_itemA[door], _ITEM_XDOOR);
        EXPECT_EQ(b->_Item_New[door], 3);
        int before = 0;
        for (int i = 1; i <= 150; ++i) before += b->_itemA[i] >= 1 && b->_itemA[i] <= 5;
        EXPECT_EQ(b->_stonecheck(door), 1);
        EXPECT_EQ(b->_stonecheck(door), 0);   // the cell's door is gone: a second call does nothing
        int after = 0;
        for (int i = 1; i <= 150; ++i) after += b->_itemA[i] >= 1 && b->_itemA[i] <= 5;
        EXPECT_EQ(after - before, 2);
        bombs += b->_itemA[door] == _ITEM_BOMB;
        mushrooms += b->_itemA[door] == _ITEM_SPRENGPILZ;
        EXPECT_EQ(b->_itemY[door], cellY(4));
    }
    EXPECT_EQ(bombs + mushrooms, 40);
    EXPECT_GT(bombs, 0);
    EXPECT_GT(mushrooms, 0);
    EXPECT_EQ(p->LevelPoints % 25, 0);

    for (int round = 0; round < 20; ++round) {
        build(82, {"", "", "", "....d", "....o"});
        framesTo(60);
        int door = slotAt(5, 4);
        b->_stonecheck(door);
        EXPECT_EQ(b->_itemA[door], _ITEM_BOMB);
    }
}

TEST_F(Match3Test, TheReadyLinesPassLeavesNoLine)
{
    std::vector<std::string> rows = {""};
    for (int r = 0; r < 11; ++r) rows.push_back(".ooooooooooo");
    for (int seed = 1; seed <= 5; ++seed) {
        Sys_SeedRnd(seed);
        build(21, rows);
        for (int i = 1; i <= 150; ++i)
            if (b->_itemA[i] >= 1 && b->_itemA[i] <= 5) b->_itemA[i] = randInt(1, 2);   // many lines
        b->_makeno3groups();
        EXPECT_GE(b->_makeno3d, 2);
        b->_runtime = 200;
        b->_item_slide();
        b->_gt3_checkmove(0);
        EXPECT_EQ(b->_abwahl, 0) << seed;
    }
}

TEST_F(Match3Test, TheShuffleWaveSparesBombsStonesDoorsAndMushrooms)
{
    std::vector<std::string> rows = {""};
    for (int r = 0; r < 11; ++r) rows.push_back(".oooooooooooo");
    build(22, rows);
    quietPattern();
    framesTo(60);
    setKind(3, 3, _ITEM_BOMB);
    setKind(11, 8, _ITEM_SPRENGPILZ);
    setKind(12, 12, _ITEM_XSTEIN);
    setKind(6, 10, _ITEM_XDOOR);
    int before[151];
    for (int i = 1; i <= 150; ++i) before[i] = b->_itemA[i];
    b->_swapping = 1;
    int frames = 0;
    while (b->_swapping > 0) {
        b->_gt1_gt2_gt3_swapping();
        ++frames;
    }
    EXPECT_EQ(frames, 40);
    EXPECT_EQ(kindAt(3, 3), _ITEM_BOMB);
    EXPECT_EQ(kindAt(11, 8), _ITEM_SPRENGPILZ);
    EXPECT_EQ(kindAt(12, 12), _ITEM_XSTEIN);
    EXPECT_EQ(kindAt(6, 10), _ITEM_XDOOR);
    int changed = 0;
    for (int i = 1; i <= 150; ++i) changed += before[i] != b->_itemA[i];
    EXPECT_GT(changed, 66);   // each gem is drawn anew three or four times; about three in four end up different
}

TEST_F(Match3Test, TheFirstHintComesAtFrame451)
{
    build(23, kBlock);
    quietPattern();
    setKind(5, 5, 1);
    setKind(5, 6, 3);
    setKind(6, 6, 1);
    setKind(7, 6, 1);   // moving (5,5) down or (5,6) up makes 1-1-1 in row 6
    b->_nixdo = 0;
    b->_geholfen = 0;
    bool early = false;
    while (b->_runtime < 450) {
        frame();
        for (int i = 1; i <= 150; ++i) early |= b->_Item_Tipp[i] != 0;
    }
    EXPECT_FALSE(early);
    EXPECT_EQ(itemCount(_ITEM_BOMB), 0);
    frame();
    int tipped = 0;
    for (int i = 1; i <= 150; ++i) tipped += b->_Item_Tipp[i] != 0;
    EXPECT_EQ(tipped, 2);
    EXPECT_EQ(b->_nixdo, 0);
    EXPECT_GT(b->_zugpointer, 0);
    int arrows = 0;
    for (int q = 1; q <= 260; ++q) arrows += b->_cellri[q] != 0;
    EXPECT_EQ(arrows, 1);
}

TEST_F(Match3Test, ABoardWithoutMovesGetsOneHelpBombAtFrame151)
{
    // Rows of five kinds shifted by two: no swap can make a line.
    build(24, {"", "", "", "...oooooooooo", "...oooooooooo", "...oooooooooo"});
    for (int i = 1; i <= 150; ++i) {
        if (b->_itemA[i] < 1 || b->_itemA[i] > 5) continue;
        int u = int((b->_itemX[i] + 16) / 48), v = int((b->_itemY[i] + 20) / 48);
        b->_itemA[i] = (u + 2 * v) % 5 + 1;
    }
    b->_nixdo = 0;
    framesTo(150);
    EXPECT_EQ(itemCount(_ITEM_BOMB), 0);
    frame();
    EXPECT_EQ(itemCount(_ITEM_BOMB), 1);
    EXPECT_EQ(b->_geholfen, 1);
    framesTo(310);
    EXPECT_EQ(itemCount(_ITEM_BOMB), 1);
}

TEST_F(Match3Test, OpenDialogsHoldBackHintsAndHelpWhileTheShuffleWaveHoldsBackOnlyHints)
{
    build(24, {"", "", "", "...oooooooooo", "...oooooooooo", "...oooooooooo"});
    for (int i = 1; i <= 150; ++i) {
        if (b->_itemA[i] < 1 || b->_itemA[i] > 5) continue;
        int u = int((b->_itemX[i] + 16) / 48), v = int((b->_itemY[i] + 20) / 48);
        b->_itemA[i] = (u + 2 * v) % 5 + 1;
    }
    b->_nixdo = 0;
    framesTo(150);
    popupHandler->runtime = 16;
    frame();
    EXPECT_EQ(itemCount(_ITEM_BOMB), 0);
    popupHandler->runtime = 0;
    g_pause = 1;
    b->_runtime = 300;
    frame();
    EXPECT_EQ(itemCount(_ITEM_BOMB), 0);
    g_pause = -1;
    framesTo(450);
    b->_swapping = 500;   // a wave already beyond this small board
    frame();
    EXPECT_EQ(b->_swapping, 515);
    EXPECT_EQ(itemCount(_ITEM_BOMB), 1);
}
