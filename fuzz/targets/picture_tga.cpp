// Fuzz target: TGA pictures, the format the decoder falls back to.
#include "fuzz/fuzz_support.h"
#include "fuzz/fuzz_target.h"

MORVELLE_FUZZ_TARGET(picture_tga)
{
    // Inputs that look like another format belong to the other targets.
    if (size >= 2 && ((data[0] == 0x89 && data[1] == 'P') || (data[0] == 0xFF && data[1] == 0xD8) || (data[0] == 'B' && data[1] == 'M')))
        return 0;
    fuzzPicture(data, size, nullptr, 0);
    return 0;
}
