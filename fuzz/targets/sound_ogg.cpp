// Fuzz target: OGG Vorbis sounds.
#include "fuzz/fuzz_support.h"
#include "fuzz/fuzz_target.h"

MORVELLE_FUZZ_TARGET(sound_ogg)
{
    fuzzSound(data, size, "OggS");
    return 0;
}
