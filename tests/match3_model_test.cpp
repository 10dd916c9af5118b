// Board model tests: level files into cells, brakes, borders, stones and doors, random kinds, resume and previews.
#include "tests/match3_support.h"

TEST(Match3Files, LevelFileNamesHaveThreeDigitsAtLeast)
{
    EXPECT_EQ(levelFileName(5), "data/levels/lvla005.lvl");
    EXPECT_EQ(levelFileName(42), "data/levels/lvla042.lvl");
    EXPECT_EQ(levelFileName(100), "data/levels/lvla100.lvl");
}

TEST_F(Match3Test, CellsComeOnlyFromTheFileAreaBelowRowOneAndRightOfColumnOne)
{
    std::vector<int32_t> v(260, -1);
    for (int k = 0; k < 20; ++k) v[k] = 0;   // row 1
    v[20] = 0;                               // row 2, column 1
    v[21] = 0;                               // row 2, column 2
    v[22] = 97;                              // highest plain code
    v[23] = 98;                              // beyond the board's codes
    writeLevelValues(3, v);
    p->Level = 3;
    b->_preparelevelmatch3();
    int cells = 0;
    for (int j = 1; j <= 260; ++j) cells += b->_CellA[j] > 0;
    EXPECT_EQ(cells, 2);
    EXPECT_EQ(b->_CellX[1], 80.0f);
    EXPECT_EQ(b->_CellY[1], 76.0f);
    EXPECT_EQ(b->_CellX[2], 128.0f);
    EXPECT_EQ(b->_m3rowcount[1], 0);
    EXPECT_EQ(b->_m3rowcount[2], 1);
    EXPECT_EQ(b->_m3rowy[2], 76.0f);
}

// The extremes of a stored value: the largest must stay "no cell" on the board and a bare cell in the preview,
// never wrap into the smallest.
TEST_F(Match3Test, ExtremeStoredValuesKeepTheirMeaning)
{
    std::vector<int32_t> v(260, -1);
    v[21] = INT32_MAX;
    v[22] = INT32_MIN;
    v[23] = 0;
    writeLevelValues(4, v);
    p->Level = 4;
    b->_preparelevelmatch3();
    int cells = 0;
    for (int j = 1; j <= 260; ++j) cells += b->_CellA[j] > 0;
    EXPECT_EQ(cells, 1);
    EXPECT_EQ(b->_CellX[1], cellX(4));
    EXPECT_EQ(b->_hla[22], INT32_MAX);

    b->loadLevelPreviewData();
    int previewCells = 0;
    for (int j = 1; j <= 260; ++j) previewCells += b->_preview_cella[4][j] > 0;
    EXPECT_EQ(previewCells, 2);
    EXPECT_EQ(b->_preview_m3rowcount[4][2], 0);
    EXPECT_EQ(b->_preview_m3rowcount[4][4], 1);
}

TEST_F(Match3Test, MissingShortOrEmptyFilesBuildAnEmptyBoard)
{
    std::filesystem::remove(m3DataRoot() + "levels/lvla077.lvl");
    writeLevelValues(78, std::vector<int32_t>(259, 0));   // 1036 bytes
    writeLevelValues(79, std::vector<int32_t>(260, -1));
    for (int level : {77, 78, 79}) {
        p->Level = level;
        b->_preparelevelmatch3();
        int used = 0;
        for (int j = 1; j <= 260; ++j) used += (b->_CellA[j] != 0) + (b->_itemA[j] != 0);
        EXPECT_EQ(used, 0) << level;
        EXPECT_EQ(b->_mosscount, 0);
    }
    b->_runtime = 200;
    for (int f = 0; f < 200; ++f) b->_boardSteps();   // an empty board runs without trouble
}

TEST_F(Match3Test, BrakesSitUnderEveryRunOfAColumn)
{
    std::vector<std::string> rows(13, "");
    for (int r = 1; r < 13; ++r) rows[r] = "...o";          // column 4, rows 2..13
    for (int r = 1; r < 13; ++r)
        if (r <= 4 || r >= 7) rows[r] += "....o";           // column 9, rows 2..5 and 8..13
    build(4, rows);
    std::vector<float> col4, col9;
    for (int i = 1; i <= 260; ++i) {
        if (b->_itemA[i] != _ITEM_BRAKE) continue;
        if (b->_itemX[i] == cellX(4)) col4.push_back(b->_itemY[i]);
        else if (b->_itemX[i] == cellX(9)) col9.push_back(b->_itemY[i]);
        else ADD_FAILURE() << "brake in a column without cells";
    }
    ASSERT_EQ(col4.size(), 1u);
    EXPECT_EQ(col4[0], 652.0f);
    ASSERT_EQ(col9.size(), 2u);
    EXPECT_EQ(col9[0], 268.0f);
    EXPECT_EQ(col9[1], 652.0f);
    EXPECT_EQ(b->_m3rowcount[4], 12);
    EXPECT_EQ(b->_m3rowcount[9], 10);
    EXPECT_EQ(b->_m3rowy[9], 76.0f);
    EXPECT_EQ(itemCount(_ITEM_BRAKE) + itemCount(1) + itemCount(2) + itemCount(3) + itemCount(4) + itemCount(5), 25);
}

TEST_F(Match3Test, BorderIdsFollowTheNeighbourTable)
{
    build(5, {"", "", "", "", "....ooo", "....ooo", "....ooo", "", "", "....o", "....oo"});
    auto bord = [&](int u, int v) {
        for (int j = 1; j <= 260; ++j)
            if (b->_CellA[j] > 0 && b->_CellX[j] == cellX(u) && b->_CellY[j] == cellY(v)) return b->_cellBord[j];
        return -1;
    };
    EXPECT_EQ(bord(5, 5), 5);    // top-left corner of a block
    EXPECT_EQ(bord(6, 5), 1);    // top edge
    EXPECT_EQ(bord(5, 6), 3);    // left edge
    EXPECT_EQ(bord(6, 6), 0);    // inside
    EXPECT_EQ(bord(7, 7), 7);    // bottom-right corner
    EXPECT_EQ(bord(6, 7), 2);    // bottom edge
    EXPECT_EQ(bord(7, 6), 4);    // right edge
    EXPECT_EQ(bord(5, 11), 8);   // inner corner of an L
}

TEST_F(Match3Test, StoneScanHoldsItemsOutOfItsColumnInSlotOrder)
{
    build(6, {"", "....s", "....o", "....o", "....o"});
    for (int j = 1; j <= 4; ++j) EXPECT_EQ(b->_CellY[j], cellY(j + 1));
    EXPECT_EQ(b->_itemA[4], _ITEM_BRAKE);
    EXPECT_EQ(b->_itemY[4], 268.0f);
    EXPECT_EQ(b->_itemA[1], _ITEM_XSTEIN);
    EXPECT_EQ(b->_Item_New[1], 3);
    EXPECT_EQ(b->_itemA[2], 0);
    EXPECT_EQ(b->_itemA[3], 0);
    EXPECT_GE(b->_itemA[5], 1);
    EXPECT_LE(b->_itemA[5], 5);
    EXPECT_EQ(b->_itemY[5], cellY(5));
    EXPECT_EQ(b->_cellStone[1], 1);
}

TEST_F(Match3Test, BeetleAndDoorCodesOnTheBoardAndInThePreview)
{
    writeLevelGrid(1, {"", ".bd.m.s"});
    p->Level = 1;
    b->_preparelevelmatch3();
    EXPECT_EQ(b->_cellDoor[2], 1);
    EXPECT_EQ(b->_cellMoss[3], 1);
    EXPECT_EQ(b->_mosscount, 1);
    EXPECT_GE(kindAt(2, 2), 1);
    EXPECT_LE(kindAt(2, 2), 5);
    EXPECT_EQ(kindAt(3, 2), _ITEM_XDOOR);
    EXPECT_EQ(kindAt(7, 2), _ITEM_XSTEIN);

    b->loadLevelPreviewData();
    auto previewSlot = [&](int u) {
        for (int j = 1; j <= 260; ++j)
            if (b->_preview_cella[1][j] > 0 && b->_preview_cellx[1][j] == 48.0f * u) return j;
        return 0;
    };
    ASSERT_GT(previewSlot(3), 0);
    EXPECT_EQ(b->_preview_celldoor[1][previewSlot(3)], 0);
    EXPECT_EQ(b->_preview_cellmoss[1][previewSlot(5)], 1);
    EXPECT_EQ(b->_preview_cellstone[1][previewSlot(7)], 1);
    EXPECT_EQ(b->_preview_m3rowcount[1][2], 1);
    EXPECT_EQ(b->_preview_m3rowy[1][2], 96);
    int stones = 0, gems = 0;
    for (int i = 1; i <= 150; ++i) {
        stones += b->_preview_itema[1][i] == _ITEM_XSTEIN;
        gems += b->_preview_itema[1][i] >= 1 && b->_preview_itema[1][i] <= 5;
    }
    EXPECT_EQ(stones, 1);
    EXPECT_EQ(gems, 3);
}

TEST_F(Match3Test, GemKindsLeaveOutKindFourOnLevelOneAndAlternateOneAndTwoElsewhere)
{
    p->Level = 1;
    int seen[31] = {};
    for (int f = 0; f < 1000; f += 7) {
        g_frameCount = f;
        for (int n = 0; n < 20; ++n) seen[b->_itemauswahl(0)] += 1;
    }
    EXPECT_EQ(seen[4], 0);
    for (int k : {1, 2, 3, 5}) EXPECT_GT(seen[k], 0);

    p->Level = 2;
    int even[31] = {}, odd[31] = {};
    for (int f = 0; f < 1000; f += 7) {
        g_frameCount = f;
        int* bucket = (f / 100) % 2 ? odd : even;
        for (int n = 0; n < 20; ++n) bucket[b->_itemauswahl(0)] += 1;
    }
    EXPECT_EQ(even[2], 0);
    EXPECT_EQ(odd[1], 0);
    for (int k : {1, 3, 4, 5}) EXPECT_GT(even[k], 0);
    for (int k : {2, 3, 4, 5}) EXPECT_GT(odd[k], 0);
    for (int k = 6; k <= 30; ++k) EXPECT_EQ(even[k] + odd[k], 0);
}

TEST_F(Match3Test, ResumeShowsTheSuspendedItems)
{
    writeLevelGrid(7, {"", ".ooo", ".omo"});
    p->Level = 7;
    p->isResume = 1;
    p->resumeLevel = 7;
    p->resumePoints = 321;
    p->resumeTime = 44;
    p->resumeItemsDestroyed[3] = 9;
    p->resumeItemA[1] = 5;
    p->resumeItemX[1] = 80;
    p->resumeItemY[1] = 76;
    p->resumeItemKaefCol[1] = -1;
    p->resumeCellMoss[5] = 0;
    b->_preparelevelmatch3();
    EXPECT_EQ(p->isResume, 0);
    EXPECT_EQ(b->_itemA[1], 5);
    EXPECT_EQ(b->_itemX[1], 80.0f);
    for (int i = 2; i <= 260; ++i) EXPECT_EQ(b->_itemA[i], 0) << i;
    EXPECT_EQ(b->_cellMoss[5], 0);
    EXPECT_EQ(p->LevelPoints, 321);
    EXPECT_EQ(p->time, 44);
    EXPECT_EQ(p->itemsDestroyed[3], 9);
}

TEST_F(Match3Test, StonesBelowAStoneKeepTheirItemAndStaleSlotsNeverBecomeStones)
{
    build(8, {"", "", "....s", "....o", "....o", "....s", "....o", "....o", "....o"});
    int upper = slotAt(5, 3), lower = slotAt(5, 6);
    ASSERT_EQ(b->_itemA[upper], _ITEM_XSTEIN);
    ASSERT_EQ(b->_itemA[lower], _ITEM_XSTEIN);
    EXPECT_EQ(b->_Item_New[upper], 3);   // rows 4 and 5, and itself
    EXPECT_EQ(itemCount(_ITEM_XSTEIN), 2);
    b->_runtime = 100;
    b->_item_slide();
    // Breaking the lower stone first, then the upper one, fills the column exactly.
    b->_stonecheck(lower);
    framesTo(300);
    b->_item_slide();
    b->_stonecheck(slotAt(5, 3));
    framesTo(500);
    int inColumn = 0, aboveBoard = 0;
    for (int i = 1; i <= 150; ++i) {
        if (b->_itemA[i] < 1 || b->_itemA[i] > 998 || b->_itemX[i] != cellX(5)) continue;
        ++inColumn;
        aboveBoard += b->_itemY[i] < cellY(3);
    }
    EXPECT_EQ(inColumn, 7);
    EXPECT_EQ(aboveBoard, 0);

    // A long column leaves item slots behind whose old positions match the next level's stone.
    std::vector<std::string> tall = {""};
    for (int r = 1; r < 13; ++r) tall.push_back("....o");
    build(9, tall);
    build(11, {"", "", "", "", "", "", "", "", "", "", "", "....s", "....o"});
    EXPECT_EQ(itemCount(_ITEM_XSTEIN), 1);
    EXPECT_EQ(kindAt(5, 12), _ITEM_XSTEIN);
}
