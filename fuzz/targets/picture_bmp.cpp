// Fuzz target: BMP pictures.
#include "fuzz/fuzz_support.h"
#include "fuzz/fuzz_target.h"

MORVELLE_FUZZ_TARGET(picture_bmp)
{
    static const uint8_t magic[] = {'B', 'M'};
    fuzzPicture(data, size, magic, sizeof magic);
    return 0;
}
