// Sound effects by id with stereo placement, and the music title whose volume ramps and follows the fader.
#include "frontend/sound_handler.h"

#include "framework/globals.h"
#include "campaign/config.h"
#include "framework/math.h"
#include "framework/scene.h"
#include "framework/trace.h"
#include "platform/sys.h"

namespace {

bool (*s_levelWon)() = nullptr;

// Volumes of the settings run 0..280; the platform takes 0..1.
constexpr float VOLUME_FACTOR = 0.00357143f;

struct SoundFile {
    int id;
    const char* file;
};

// Ids missing here have no file and never sound.
constexpr SoundFile kSoundFiles[] = {
    {SOUND_MARK1, "mark1.ogg"},
    {SOUND_MARK2, "mark2.ogg"},
    {SOUND_TURNUP, "turnup.ogg"},
    {SOUND_TURNDOWN, "turndown.ogg"},
    {SOUND_DO2, "bell1.ogg"},
    {SOUND_SHUFFLE, "shuffle.ogg"},
    {SOUND_HINT, "hint.ogg"},
    {SOUND_FAILURE, "failure.ogg"},
    {SOUND_GAMEBUTT1, "gamebutt1.ogg"},
    {SOUND_MO, "mo.ogg"},
    {SOUND_BUTTON1, "button1.ogg"},
    {SOUND_BOMB, "bomb.ogg"},
    {SOUND_EXPLOSION2, "explosion2.wav"},
    {SOUND_PUCOLLECT, "pucollect.ogg"},
    {SOUND_COLORER, "colorer.ogg"},
    {SOUND_MATCH, "match.ogg"},
    {SOUND_PUREADY, "swap.wav"},
    {SOUND_ENTERPING, "enterping.ogg"},
    {SOUND_PUCOLLECT2, "pucollect2.ogg"},
    {SOUND_CONTACT, "contact2.ogg"},
    {SOUND_EXPLOSION, "explosion.ogg"},
    {SOUND_PU_SELECT, "pu_select.wav"},
    {SOUND_PU_DESELECT, "pu_deselect.wav"},
    {SOUND_PUZZLEMATCH, "bell1.ogg"},
    {SOUND_PUHIT, "puhit.ogg"},
    {SOUND_TAKEPU, "takepu.ogg"},
    {SOUND_GLITTER, "glitter.ogg"},
    {SOUND_LAYPART, "laypart.ogg"},
    {SOUND_PUSTART, "pustart.ogg"},
    {SOUND_STONE, "stone2.ogg"},
    {SOUND_BUTT, "butt.ogg"},
    {SOUND_MOSS, "moss2.ogg"},
    {SOUND_MMH1, "mmh1.ogg"},
    {SOUND_PUFULL, "pufull.ogg"},
    {SOUND_PUNO, "puno.ogg"},
    {SOUND_CASH, "cash.ogg"},
    {SOUND_BUILD, "build.ogg"},
    {SOUND_TUMBLER_DOWN, "tumbler_down.ogg"},
    {SOUND_LIONROAR, "lionroar.wav"},
    {SOUND_PU_UNLOCKED, "pu_unlocked.wav"},
    {SOUND_PU_REMOVELINE_START, "pustart.ogg"},
    {SOUND_PU_REMOVESAMEITEMS_START, "pustart.ogg"},
    {SOUND_PU_REPLACEALLITEMS_START, "pustart.ogg"},
    {SOUND_PU_THROWEXPLOSIVE_START, "explosion2.wav"},
    {SOUND_METEOR_APPEARS, "meteorappears.ogg"},
    {SOUND_METEOR_HIT, "meteorhit.ogg"},
    {SOUND_METEOR_MISS, "meteormiss.ogg"},
    {SOUND_POPUP, "popup.wav"},
};

}

void installLevelWonQuery(bool (*levelWon)()) { s_levelWon = levelWon; }

const char* soundFileOf(int id)
{
    for (const SoundFile& s : kSoundFiles)
        if (s.id == id) return s.file;
    return nullptr;
}

tavoTSoundHandler::~tavoTSoundHandler()
{
    for (SysSound*& snd : _sound) {
        Sys_FreeSound(snd);
        snd = nullptr;
    }
    Sys_FreeSound(music);
    music = nullptr;
}

SysSound* tavoTSoundHandler::ownloadsound(const std::string& file, int flags)
{
    SysSound* snd = Sys_LoadSound("data/sfx/" + file, flags);
    if (!snd) traceLog("Sound: data/sfx/" + file + " konnte nicht geladen werden");
    return snd;
}

int tavoTSoundHandler::init_sound()
{
    if (!musicChannel) musicChannel = Sys_AllocChannel();
    if (!soundChannel) soundChannel = Sys_AllocChannel();
    soundpossible = 1;
    SysSound* probe = ownloadsound("button1.ogg", SND_LOOP);
    if (!probe) soundpossible = 0;
    Sys_FreeSound(probe);
    if (soundpossible == 1) {
        soundplaying[0] = 0;
        for (const SoundFile& s : kSoundFiles) {
            Sys_FreeSound(_sound[s.id]);
            _sound[s.id] = ownloadsound(s.file, 0);
        }
    }
    return 0;
}

int tavoTSoundHandler::freeEffectChannel()
{
    // An effect that has played out leaves its channel free; a new channel is made only when all are busy.
    for (int ch : _effectChannels)
        if (!Sys_ChannelPlaying(ch) && !Sys_ChannelPaused(ch)) return ch;
    int ch = Sys_AllocChannel();
    _effectChannels.push_back(ch);
    return ch;
}

int tavoTSoundHandler::PlayS(int id, float x)
{
    if (id < 1 || id > _NUM_SOUNDS) return 0;
    if (g_config->soundlaut > 10 && soundplaying[id] == 0) {
        if (_sound[id]) {
            int ch = freeEffectChannel();
            Sys_PlayChannel(ch, _sound[id]);
            Sys_SetChannelVolume(ch, clamp01((float)g_config->soundlaut * VOLUME_FACTOR));
            Sys_SetChannelPan(ch, (x - 512.0f) * 0.0017f * 0.5f);
            lastEffectChannel = ch;
        }
        soundplaying[id] = 1;
    }
    return 0;
}

int tavoTSoundHandler::sounds()
{
    if (g_scene == SCENE_INTRO) return 0;
    TConfig& c = *g_config;
    if (c.musiklaut < c.musiklautsoll) c.musiklaut += 5;
    if (c.musiklaut > c.musiklautsoll) c.musiklaut -= 5;
    if (c.musiklautsoll < 10) c.musiklaut = 0;

    const float full = (float)c.musiklaut * VOLUME_FACTOR;
    const float dimmed = full * (float)sceneHandler->FaderColor / 256.0f;
    const int show = sceneHandler->FaderShow;
    float v = dimmed;
    if (g_scene == SCENE_LOADSCREEN) v = full;
    if (g_scene == SCENE_MAINMENU && show == SCENE_ROADMAP) v = full;
    if (show == SCENE_MAINMENU && g_scene == SCENE_ROADMAP) v = full;
    if (g_scene == SCENE_MAINMENU && g_lastScene == SCENE_ROADMAP) v = full;
    if (g_lastScene == SCENE_MAINMENU && g_scene == SCENE_ROADMAP) v = full;
    if (g_scene == SCENE_MATCH3 && show == SCENE_ROADMAP && s_levelWon && s_levelWon()) v = full;
    if (g_scene == SCENE_ROADMAP && show == SCENE_MATCH3) v = dimmed;

    for (int i = 1; i <= _NUM_SOUNDS; ++i) soundplaying[i] = 0;
    // At black on the way to the quit scene the fader tint is -32; the channel takes 0..1 only.
    if (musicChannel) {
        Sys_SetChannelVolume(musicChannel, clamp01(v));
        if (g_pause == -1 && !Sys_ChannelPlaying(musicChannel)) Sys_SetChannelPaused(musicChannel, false);
    }
    return 0;
}

int tavoTSoundHandler::play_music(const std::string& title)
{
    akttitle = title;
    stop_music();
    SysSound* next = Sys_LoadSound("data/music/" + title, SND_LOOP | SND_STREAM);
    if (!next) traceLog("Musik: data/music/" + title + " konnte nicht geladen werden");
    Sys_FreeSound(music);
    music = next;
    if (music) {
        if (!musicChannel) musicChannel = Sys_AllocChannel();
        Sys_CueChannel(musicChannel, music);
    }
    if (musicChannel) Sys_SetChannelVolume(musicChannel, clamp01((float)g_config->musiklaut * VOLUME_FACTOR));
    return 0;
}

int tavoTSoundHandler::stop_music()
{
    if (musicChannel) Sys_StopChannel(musicChannel);
    return 0;
}

int tavoTSoundHandler::pauseMusic()
{
    if (musicChannel) Sys_SetChannelPaused(musicChannel, true);
    return 0;
}
