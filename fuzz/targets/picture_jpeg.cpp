// Fuzz target: JPEG pictures.
#include "fuzz/fuzz_support.h"
#include "fuzz/fuzz_target.h"

MORVELLE_FUZZ_TARGET(picture_jpeg)
{
    static const uint8_t magic[] = {0xFF, 0xD8};
    fuzzPicture(data, size, magic, sizeof magic);
    return 0;
}
