// All game audio: the effect table by sound id and one looping music title that follows the fader.
#pragma once

#include <string>
#include <vector>

struct SysSound;

constexpr int _NUM_SOUNDS = 58;

constexpr int SOUND_WIN = 1;
constexpr int SOUND_NEWBEST = 2;
constexpr int SOUND_MARK1 = 3;
constexpr int SOUND_MARK2 = 4;
constexpr int SOUND_TURNUP = 5;
constexpr int SOUND_TURNDOWN = 6;
constexpr int SOUND_DO2 = 7;
constexpr int SOUND_SHUFFLE = 8;
constexpr int SOUND_HINT = 9;
constexpr int SOUND_FAILURE = 10;
constexpr int SOUND_GAMEBUTT1 = 11;
constexpr int SOUND_MO = 12;
constexpr int SOUND_BUTTON1 = 13;
constexpr int SOUND_BOMB = 14;
constexpr int SOUND_EXPLOSION2 = 15;
constexpr int SOUND_PUCOLLECT = 16;
constexpr int SOUND_COLORER = 17;
constexpr int SOUND_FLASH = 18;
constexpr int SOUND_MATCH = 19;
constexpr int SOUND_PUREADY = 20;
constexpr int SOUND_ENTERPING = 21;
constexpr int SOUND_PUCOLLECT2 = 22;
constexpr int SOUND_CONTACT = 23;
constexpr int SOUND_TIMEALARM = 24;
constexpr int SOUND_EXPLOSION = 25;
constexpr int SOUND_PU_SELECT = 26;
constexpr int SOUND_PU_DESELECT = 27;
constexpr int SOUND_PUZZLEMATCH = 28;
constexpr int SOUND_PUHIT = 29;
constexpr int SOUND_TAKEPU = 30;
constexpr int SOUND_PARTFLY = 31;
constexpr int SOUND_GLITTER = 32;
constexpr int SOUND_LAYPART = 33;
constexpr int SOUND_PUSTART = 34;
constexpr int SOUND_STONE = 35;
constexpr int SOUND_BUTT = 36;
constexpr int SOUND_DOOR = 37;
constexpr int SOUND_BLUBBER = 38;
constexpr int SOUND_BLUBBER2 = 39;
constexpr int SOUND_MOSS = 40;
constexpr int SOUND_MMH1 = 41;
constexpr int SOUND_MUSHROOM = 42;
constexpr int SOUND_HEHE = 43;
constexpr int SOUND_PUFULL = 44;
constexpr int SOUND_PUNO = 45;
constexpr int SOUND_CASH = 46;
constexpr int SOUND_BUILD = 47;
constexpr int SOUND_TUMBLER_DOWN = 48;
constexpr int SOUND_LIONROAR = 49;
constexpr int SOUND_PU_UNLOCKED = 50;
constexpr int SOUND_PU_REMOVELINE_START = 51;
constexpr int SOUND_PU_REMOVESAMEITEMS_START = 52;
constexpr int SOUND_PU_REPLACEALLITEMS_START = 53;
constexpr int SOUND_PU_THROWEXPLOSIVE_START = 54;
constexpr int SOUND_METEOR_APPEARS = 55;
constexpr int SOUND_METEOR_HIT = 56;
constexpr int SOUND_METEOR_MISS = 57;
constexpr int SOUND_POPUP = 58;

// The file under "data/sfx/" of a sound id, or nullptr for ids without a file.
const char* soundFileOf(int id);

// The music stays full while a won level fades to the map; the composition root installs how the board tells it won.
void installLevelWonQuery(bool (*levelWon)());

class tavoTSoundHandler {
public:
    tavoTSoundHandler() = default;
    tavoTSoundHandler(const tavoTSoundHandler&) = delete;
    tavoTSoundHandler& operator=(const tavoTSoundHandler&) = delete;
    virtual ~tavoTSoundHandler();
    virtual SysSound* ownloadsound(const std::string& file, int flags);
    virtual int init_sound();
    virtual int PlayS(int id, float x);
    virtual int sounds();
    virtual int play_music(const std::string& title);
    virtual int stop_music();
    // Focus loss holds the music; the next sounds() after the pause screen resumes it.
    virtual int pauseMusic();

    std::string akttitle;
    std::string nexttitle;
    int soundpossible = 0;
    int soundplaying[_NUM_SOUNDS + 1] = {};
    SysSound* music = nullptr;
    SysSound* _sound[_NUM_SOUNDS + 1] = {};
    int musicChannel = 0;
    int soundChannel = 0;
    // The channel of the effect started last, 0 before any; lets tools and tests see where it went.
    int lastEffectChannel = 0;

protected:
    int freeEffectChannel();
    std::vector<int> _effectChannels;
};
