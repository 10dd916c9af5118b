// Fuzz target: WAV sounds.
#include "fuzz/fuzz_support.h"
#include "fuzz/fuzz_target.h"

MORVELLE_FUZZ_TARGET(sound_wav)
{
    fuzzSound(data, size, "RIFF");
    return 0;
}
