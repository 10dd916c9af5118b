// Sound handler stand-in: channels exist, effects and music arrive with the sound work.
#include "frontend/sound_handler.h"

#include "platform/sys.h"

int tavoTSoundHandler::init_sound()
{
    if (!soundChannel) soundChannel = Sys_AllocChannel();
    if (!musicChannel) musicChannel = Sys_AllocChannel();
    return 1;
}

int tavoTSoundHandler::PlayS(int, float) { return 0; }
int tavoTSoundHandler::sounds() { return 0; }
int tavoTSoundHandler::play_music(const std::string& title)
{
    akttitle = title;
    return 0;
}

int tavoTSoundHandler::stop_music()
{
    if (musicChannel) Sys_StopChannel(musicChannel);
    return 1;
}
