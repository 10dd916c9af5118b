// Font stand-in drawing with the platform's built-in font until the font files arrive.
#include "fonts/bitmapfont.h"

#include "platform/sys.h"

int TBitmapFont::Load(const std::string&, int) { return 0; }
void TBitmapFont::DrawText(const std::string& text, float x, float y, int, int) { Sys_DrawText(text, x, y); }
float TBitmapFont::GetTxtWidth(const std::string& text) { return 8.0f * (float)text.size(); }
float TBitmapFont::GetFontHeight() { return 10.0f; }
