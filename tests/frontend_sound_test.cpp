// Sound handler: effect volume threshold, stereo placement, one start per id and frame, and the music fade.
#include <gtest/gtest.h>

#include "app/globals.h"
#include "campaign/config.h"
#include "framework/scene.h"
#include "frontend/sound_handler.h"
#include "match3/scene_match3.h"
#include "tests/frontend_support.h"

namespace {

constexpr float PER = 0.00357143f;

// A handler whose effect table holds the button sound, written as a short WAV under "data/sfx/".
struct SoundFixture : ::testing::Test {
    void SetUp() override
    {
        writeWav("sfx/button1.ogg", 2000);
        writeWav("sfx/popup.wav", 2000);
        writeWav("music/loop.ogg", 500);
        resetFrame();
        g_scene = SCENE_MAINMENU;
        g_lastScene = SCENE_LOADSCREEN;
        sceneHandler->FaderShow = SCENE_MAINMENU;
        g_config->soundlaut = 200;
        g_config->musiklaut = 0;
        g_config->musiklautsoll = 142;
        capturedTrace().clear();
        h.init_sound();
    }
    void frame() { h.sounds(); }
    tavoTSoundHandler h;
};

}

TEST_F(SoundFixture, InitLoadsTheTableAndTracesMissingFiles)
{
    EXPECT_EQ(h.soundpossible, 1);
    EXPECT_NE(h._sound[SOUND_BUTTON1], nullptr);
    EXPECT_NE(h._sound[SOUND_POPUP], nullptr);
    EXPECT_EQ(h._sound[SOUND_BOMB], nullptr);
    EXPECT_EQ(h._sound[SOUND_WIN], nullptr);
    EXPECT_TRUE(traceContains("bomb.ogg"));
    EXPECT_EQ(soundFileOf(SOUND_PU_THROWEXPLOSIVE_START), std::string("explosion2.wav"));
    EXPECT_EQ(soundFileOf(SOUND_DOOR), nullptr);
    EXPECT_NE(h.musicChannel, 0);
    EXPECT_NE(h.soundChannel, 0);
}

TEST_F(SoundFixture, EffectVolumeThresholdAndPan)
{
    g_config->soundlaut = 10;
    h.PlayS(SOUND_BUTTON1, 512);
    EXPECT_EQ(h.lastEffectChannel, 0);

    g_config->soundlaut = 11;
    h.PlayS(SOUND_BUTTON1, 512);
    int ch = h.lastEffectChannel;
    ASSERT_NE(ch, 0);
    EXPECT_EQ(Sys_ChannelSound(ch), h._sound[SOUND_BUTTON1]);
    EXPECT_TRUE(Sys_ChannelPlaying(ch));
    EXPECT_NEAR(Sys_ChannelVolume(ch), 11.0f / 280.0f, 1e-5);
    EXPECT_NEAR(Sys_ChannelPan(ch), 0.0f, 1e-6);

    frame();
    h.PlayS(SOUND_BUTTON1, 0);
    EXPECT_NEAR(Sys_ChannelPan(h.lastEffectChannel), -0.4352f, 1e-4);
    frame();
    h.PlayS(SOUND_BUTTON1, 1024);
    EXPECT_NEAR(Sys_ChannelPan(h.lastEffectChannel), 0.4352f, 1e-4);

    // Ids without a sound, and ids outside the table, play nothing.
    frame();
    h.lastEffectChannel = 0;
    h.PlayS(SOUND_WIN, 512);
    h.PlayS(0, 512);
    h.PlayS(59, 512);
    h.PlayS(-4, 512);
    EXPECT_EQ(h.lastEffectChannel, 0);
}

TEST_F(SoundFixture, OneStartPerIdPerFrame)
{
    h.PlayS(SOUND_BUTTON1, 100);
    int first = h.lastEffectChannel;
    ASSERT_NE(first, 0);
    h.lastEffectChannel = 0;
    h.PlayS(SOUND_BUTTON1, 900);
    EXPECT_EQ(h.lastEffectChannel, 0);
    EXPECT_NEAR(Sys_ChannelPan(first), (100 - 512) * 0.00085f, 1e-5);

    h.PlayS(SOUND_POPUP, 900);
    int other = h.lastEffectChannel;
    ASSERT_NE(other, 0);
    EXPECT_NE(other, first);
    EXPECT_TRUE(Sys_ChannelPlaying(first));
    EXPECT_TRUE(Sys_ChannelPlaying(other));

    frame();
    h.lastEffectChannel = 0;
    h.PlayS(SOUND_BUTTON1, 512);
    EXPECT_NE(h.lastEffectChannel, 0);
    EXPECT_NE(h.lastEffectChannel, first);   // the first is still playing

    // The intro's frames do not clear the flags.
    g_scene = SCENE_INTRO;
    frame();
    h.lastEffectChannel = 0;
    h.PlayS(SOUND_BUTTON1, 512);
    EXPECT_EQ(h.lastEffectChannel, 0);
}

TEST_F(SoundFixture, FinishedEffectsFreeTheirChannels)
{
    writeWav("sfx/popup.wav", 50);
    h.init_sound();
    h.PlayS(SOUND_POPUP, 512);
    int first = h.lastEffectChannel;
    for (int i = 0; i < 5; ++i) {
        Sys_AdvanceClock(25);
        frame();
    }
    EXPECT_FALSE(Sys_ChannelPlaying(first));
    h.PlayS(SOUND_POPUP, 512);
    EXPECT_EQ(h.lastEffectChannel, first);
}

TEST_F(SoundFixture, MusicRampsFromSilenceAndRestsOnTheGrid)
{
    h.play_music("loop.ogg");
    EXPECT_EQ(h.akttitle, "loop.ogg");
    ASSERT_NE(h.music, nullptr);
    EXPECT_TRUE(Sys_ChannelPaused(h.musicChannel));   // cued until the next frame
    EXPECT_FLOAT_EQ(Sys_ChannelVolume(h.musicChannel), 0);
    for (int i = 1; i <= 28; ++i) {
        frame();
        EXPECT_EQ(g_config->musiklaut, 5 * i);
    }
    EXPECT_TRUE(Sys_ChannelPlaying(h.musicChannel));
    EXPECT_NEAR(Sys_ChannelVolume(h.musicChannel), 140 * PER, 1e-5);
    for (int i = 0; i < 5; ++i) frame();
    EXPECT_EQ(g_config->musiklaut, 140);

    g_config->musiklaut = 200;
    for (int i = 0; i < 20; ++i) frame();
    EXPECT_EQ(g_config->musiklaut, 140);

    g_config->musiklautsoll = 140;
    g_config->musiklaut = 100;
    for (int i = 0; i < 20; ++i) frame();
    EXPECT_EQ(g_config->musiklaut, 140);

    // Below 10 the music is silent whatever was in effect.
    g_config->musiklautsoll = 7;
    g_config->musiklaut = 200;
    frame();
    EXPECT_EQ(g_config->musiklaut, 0);
    EXPECT_FLOAT_EQ(Sys_ChannelVolume(h.musicChannel), 0);

    // A new title starts from its beginning, cued again.
    g_config->musiklautsoll = 280;
    h.play_music("loop.ogg");
    EXPECT_TRUE(Sys_ChannelPaused(h.musicChannel));
}

TEST_F(SoundFixture, MusicFollowsTheFaderExceptBetweenMenuAndMap)
{
    g_config->musiklaut = g_config->musiklautsoll = 280;
    h.play_music("loop.ogg");
    sceneHandler->FaderColor = 128;
    frame();
    EXPECT_NEAR(Sys_ChannelVolume(h.musicChannel), 0.5f, 1e-4);

    sceneHandler->FaderShow = SCENE_ROADMAP;
    frame();
    EXPECT_NEAR(Sys_ChannelVolume(h.musicChannel), 1.0f, 1e-4);

    g_scene = SCENE_ROADMAP;
    g_lastScene = SCENE_MAINMENU;
    sceneHandler->FaderShow = SCENE_MATCH3;
    frame();
    EXPECT_NEAR(Sys_ChannelVolume(h.musicChannel), 0.5f, 1e-4);

    g_scene = SCENE_MATCH3;
    sceneHandler->FaderShow = SCENE_ROADMAP;
    sceneMatch3->_winrun = 3;
    frame();
    EXPECT_NEAR(Sys_ChannelVolume(h.musicChannel), 1.0f, 1e-4);
    sceneMatch3->_winrun = 0;
    frame();
    EXPECT_NEAR(Sys_ChannelVolume(h.musicChannel), 0.5f, 1e-4);

    g_scene = SCENE_LOADSCREEN;
    frame();
    EXPECT_NEAR(Sys_ChannelVolume(h.musicChannel), 1.0f, 1e-4);

    // At black on the way out the tint is -32: the channel gets 0, not a negative volume.
    g_scene = SCENE_MATCH3;
    sceneHandler->FaderShow = SCENE_QUIT;
    sceneHandler->FaderColor = -32;
    frame();
    EXPECT_FLOAT_EQ(Sys_ChannelVolume(h.musicChannel), 0.0f);
}

TEST_F(SoundFixture, PausedMusicWaitsForThePauseScreenAndMissingTitlesAreSilent)
{
    h.play_music("loop.ogg");
    frame();
    ASSERT_TRUE(Sys_ChannelPlaying(h.musicChannel));
    h.pauseMusic();
    g_pause = 1;
    frame();
    EXPECT_FALSE(Sys_ChannelPlaying(h.musicChannel));
    g_pause = -1;
    frame();
    EXPECT_TRUE(Sys_ChannelPlaying(h.musicChannel));

    capturedTrace().clear();
    h.play_music("missing.ogg");
    EXPECT_EQ(h.music, nullptr);
    EXPECT_TRUE(traceContains("missing.ogg"));
    frame();
    EXPECT_FALSE(Sys_ChannelPlaying(h.musicChannel));

    h.stop_music();
    frame();
    EXPECT_FALSE(Sys_ChannelPlaying(h.musicChannel));
}
