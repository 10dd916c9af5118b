// Fuzz target: PNG pictures.
#include "fuzz/fuzz_support.h"
#include "fuzz/fuzz_target.h"

MORVELLE_FUZZ_TARGET(picture_png)
{
    static const uint8_t magic[] = {0x89, 'P', 'N', 'G'};
    fuzzPicture(data, size, magic, sizeof magic);
    return 0;
}
