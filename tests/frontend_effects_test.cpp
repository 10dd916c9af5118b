// The effect pool: slots, refusals, the pass order, lifetimes, the collect flight's credit and the state left behind.
#include <gtest/gtest.h>

#include <map>

#include "app/globals.h"
#include "campaign/spieler.h"
#include "framework/bild.h"
#include "frontend/effects.h"
#include "match3/scene_match3.h"
#include "powerups/powerups.h"
#include "tests/spine_support.h"

namespace {
class Effects : public ::testing::Test {
protected:
    void SetUp() override
    {
        ensureHeadless();
        // the front-end suite creates the globals once for the whole binary
        if (!sceneHandler) {
            createGlobals();
            ownGlobals = true;
        }
        Sys_SeedRnd(11);
        delete g_players[1];
        g_players[1] = new TSpieler();
        g_players[1]->Erase();
        g_currentPlayer = 1;
        g_globalAlpha = 1.0f;
        g_fps = 40;
        clearEffects();
    }
    void TearDown() override
    {
        clearEffects();
        delete g_players[1];
        g_players[1] = nullptr;
        g_currentPlayer = -1;
        if (ownGlobals) destroyGlobals();
    }
    bool ownGlobals = false;
    int live()
    {
        int n = 0;
        for (int s = 1; s < MAX_EFFECTS; ++s) n += g_effects[s]->id != 0;
        return n;
    }
};
}

TEST_F(Effects, SlotsRefusalsAndFullPool)
{
    EXPECT_EQ(installEffect(100, 0, 302, 0, 0), 0);
    EXPECT_EQ(installEffect(100, -5, 302, 0, 0), 0);
    EXPECT_EQ(installEffect(100, 0.5f, 302, 0, 0), 1);
    EXPECT_EQ(installEffect(100, 50, 302, 0, 0), 2);
    g_effects[1]->id = 0;
    EXPECT_EQ(installEffect(100, 50, 302, 0, 0), 1);   // the lowest free record is taken
    for (int s = 1; s <= 9999; ++s) g_effects[s]->id = 22004;
    EXPECT_EQ(installEffect(100, 50, 302, 0, 0), 0);
    EXPECT_EQ(g_effects[10000]->id, 0);
    clearEffects();
    EXPECT_EQ(live(), 0);
    EXPECT_EQ(installEffect(1, 1, 2000, 0, 0), 1);
}

TEST_F(Effects, LifetimesAndEffectsWithoutAFamily)
{
    int flare = installEffect(300, 300, 2000, 0, 0);
    int flash = installEffect(300, 300, 302, 0, 0);
    int ring = installEffect(300, 300, 1305, 0, 0);
    int breaking = installEffect(300, 300, 10004, 0, 0);
    int rising = installEffect(300, 300, 95804, 0, -1);
    int orphan = installEffect(300, 300, 22004, 0, 0);
    int zero = installEffect(300, 300, 10000, 0, 0);
    std::map<int, int> endsAt;
    for (int pass = 1; pass <= 70; ++pass) {
        updateEffects();
        for (int s : {flare, flash, ring, breaking, rising})
            if (g_effects[s]->id == 0 && !endsAt.count(s)) endsAt[s] = pass;
    }
    EXPECT_EQ(endsAt[flare], 20);
    EXPECT_EQ(endsAt[flash], 25);
    EXPECT_EQ(endsAt[ring], 20);
    EXPECT_EQ(endsAt[breaking], 10);
    EXPECT_EQ(endsAt[rising], 60);
    EXPECT_FLOAT_EQ(g_effects[rising]->y, 240);   // it rose one pixel a step; a freed record keeps its values
    EXPECT_EQ(g_effects[orphan]->id, 22004);
    EXPECT_EQ(g_effects[zero]->id, 10000);
    EXPECT_EQ(g_effects[zero]->runtime, 0);
}

TEST_F(Effects, CollectFlightCreditsOnceAtStepForty)
{
    g_gemBarX[2] = 450;
    int s = installEffect(600, 500, 95702, 0, 0);
    for (int i = 1; i < 40; ++i) {
        updateEffects();
        ASSERT_EQ(g_players[1]->itemsDestroyed[2], 0) << "step " << i;
    }
    updateEffects();
    EXPECT_EQ(g_players[1]->itemsDestroyed[2], 1);
    EXPECT_EQ(g_effects[s]->id, 0);
    updateEffects();
    EXPECT_EQ(g_players[1]->itemsDestroyed[2], 1);

    installEffect(600, 500, 95702, 0, 0);
    for (int i = 0; i < 20; ++i) updateEffects();
    clearEffects();
    for (int i = 0; i < 40; ++i) updateEffects();
    EXPECT_EQ(g_players[1]->itemsDestroyed[2], 1);

    // kinds beyond the goal's five fly but count for nothing
    installEffect(600, 500, 95710, 0, 0);
    for (int i = 0; i < 40; ++i) updateEffects();
    for (int k = 0; k <= 5; ++k) EXPECT_EQ(g_players[1]->itemsDestroyed[k], k == 2 ? 1 : 0);

    // every goal kind is credited to its own counter, the first and the last as well
    for (int kind = 1; kind <= 5; ++kind) {
        g_gemBarX[kind] = 300.0f + 40.0f * kind;
        installEffect(600, 500, 95700 + kind, 0, 0);
    }
    for (int i = 0; i < 40; ++i) updateEffects();
    for (int k = 1; k <= 5; ++k) EXPECT_EQ(g_players[1]->itemsDestroyed[k], k == 2 ? 2 : 1) << "kind " << k;
    EXPECT_EQ(g_players[1]->itemsDestroyed[0], 0);
    EXPECT_EQ(collectGlowPicture(1), 2);
    EXPECT_EQ(collectGlowPicture(15), 7);
    EXPECT_EQ(collectGlowPicture(16), 0);
}

TEST_F(Effects, PassOrderAndNewEffectsInTheSamePass)
{
    // a burst in slot 1 installs its 20 debris pieces in slots 2..21, which step in the same pass
    installEffect(100, 100, 302, 0, 0);
    g_effects[1]->id = 0;
    installEffect(100, 100, 302, 0, 0);   // slot 1 again
    int burst = installEffect(500, 400, 109100, 0, 0);
    EXPECT_EQ(burst, 2);
    g_effects[1]->id = 0;   // free below the burst: pieces put there wait for the next pass
    updateEffects();
    EXPECT_EQ(g_effects[1]->id, 109200);
    EXPECT_EQ(g_effects[1]->runtime, 0);
    for (int s = 3; s <= 21; ++s) {
        EXPECT_EQ(g_effects[s]->id, 109200) << s;
        EXPECT_EQ(g_effects[s]->runtime, 1) << s;
    }
    EXPECT_EQ(g_effects[2]->id, 0);   // the burst itself drew nothing and ended

    // a debris piece leaving through the top ends without an impact
    clearEffects();
    int piece = installEffect(500, 2, 109200, 0, -5);
    updateEffects();
    EXPECT_EQ(g_effects[piece]->id, 0);
    EXPECT_EQ(live(), 0);
    piece = installEffect(1020, 300, 109200, 10, 0);
    updateEffects();
    EXPECT_EQ(live(), 1);
    EXPECT_EQ(g_effects[piece]->id, 0);
    EXPECT_EQ(g_effects[piece + 1]->id, 109000);
    EXPECT_FLOAT_EQ(g_effects[piece + 1]->x, 1030);
}

TEST_F(Effects, MeteorImpactButtonBurstAndSlowMachines)
{
    int rock = installEffect(600, 300, 108900, 0, 0);
    for (int i = 1; i < 80; ++i) updateEffects();
    EXPECT_EQ(g_effects[rock]->id, 108900);
    updateEffects();
    ASSERT_EQ(g_effects[rock]->id, 109000);   // the impact took the freed record at once
    EXPECT_EQ(g_effects[rock]->runtime, 0);
    int n = 0;
    while (g_effects[rock]->id == 109000 && n < 50) {
        updateEffects();
        ++n;
    }
    EXPECT_EQ(n, 13);

    puReplaceAllItems->_x = 200;
    puReplaceAllItems->_y = 700;
    int burst = installEffect(200, 690, 105010, 0, 0);
    updateEffects();
    EXPECT_EQ(g_effects[burst]->id, 0);
    int sparks = 0;
    for (int s = 1; s < MAX_EFFECTS; ++s) sparks += g_effects[s]->id == 104;
    EXPECT_EQ(sparks, 20);

    clearEffects();
    g_fps = 5;
    int spark = installEffect(100, 100, 50, 0, 0);
    updateEffects();
    EXPECT_EQ(g_effects[spark]->id, 0);
}

TEST_F(Effects, RisingItemLeavesAlphaThatHidesTheFlashAfterIt)
{
    ASSERT_TRUE(Sys_DisplayOpen());
    SysImage* white = Sys_CreateImage(8, 8, 1, IMG_DEFAULT);
    uint32_t* px = Sys_LockImage(white, 0);
    for (int i = 0; i < 64; ++i) px[i] = 0xFFFFFFFFu;
    Sys_UnlockImage(white, 0);
    tavoTBild* glo = sceneMatch3->_imgGlo[6];
    SysImage* kept = glo->data;
    glo->data = white;
    glo->isLoaded = 1;
    auto flashVisible = [&](bool risingFirst) {
        clearEffects();
        if (risingFirst) {
            installEffect(100, 100, 95803, 0, 0);
            g_effects[1]->runtime = 11;   // past its ninth step: alpha below zero from now on
        } else {
            installEffect(100, 100, 22004, 0, 0);   // an effect without a family keeps slot 1 busy
        }
        installEffect(300, 300, 306, 0, 0);
        Sys_SetClsColor(0, 0, 0);
        Sys_Cls();
        Sys_ResetState();
        Sys_SetBlend(BLEND_ALPHA);   // as the scenes leave it
        Sys_SetAlpha(1.0f);
        updateEffects();
        std::vector<uint32_t> screen;
        int w = 0, h = 0;
        Sys_ReadScreen(screen, w, h);
        return ((screen[(size_t)300 * w + 300] >> 16) & 255) > 100;
    };
    EXPECT_TRUE(flashVisible(false));
    EXPECT_FALSE(flashVisible(true));
    glo->data = kept;
    glo->isLoaded = kept ? 1 : 0;
    Sys_FreeImage(white);
}

TEST_F(Effects, StateLeftBehindByThePass)
{
    installEffect(100, 100, 95803, 0, 0);
    for (int i = 0; i < 12; ++i) updateEffects();
    g_globalAlpha = 0.8f;
    Sys_SetRotation(33);
    updateEffects();
    EXPECT_FLOAT_EQ(Sys_State().color_alpha, 0.8f);
    EXPECT_FLOAT_EQ(Sys_State().tform_scale_x, 1.0f);
    EXPECT_EQ(Sys_State().blend_mode, BLEND_ALPHA);
    EXPECT_FLOAT_EQ(Sys_State().tform_rot, 33.0f);   // the pass does not reset rotation

}
