// Fuzz target: a font file, then measuring and drawing text with it.
#include "fonts/bitmapfont.h"
#include "fuzz/fuzz_support.h"
#include "fuzz/fuzz_target.h"

MORVELLE_FUZZ_TARGET(font)
{
    fuzzInit();
    std::string path = fuzzWrite("font.tgf", data, size);
    TBitmapFont f;
    f.Load(path, 2);
    f.Kerning.SetHKerning(1.0f);
    const std::string text = "Morvelle \xC3\x84\xC3\xB6 1.0\nzwei";
    f.GetTxtWidth(text);
    f.GetFontHeight();
    f.DrawText(text, 100, 100, 1, 1);
    f.DrawText(text, 100, 100, 1, 2);
    f.DrawTextMaxWidth(text + " " + text, 10, 10, 120);
    for (int code : {0, 32, 65, 255}) {
        f.GetFaceInfo((uint8_t)code);
        f.GetCharShadowOffset((uint8_t)code);
    }
    return 0;
}
