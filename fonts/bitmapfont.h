// Bitmap fonts with shadow, border and face layers.
#pragma once

#include <string>

class TBitmapFont {
public:
    virtual ~TBitmapFont() = default;
    virtual int Load(const std::string& path, int option);
    virtual void DrawText(const std::string& text, float x, float y, int alignX = 0, int alignY = 0);
    virtual float GetTxtWidth(const std::string& text);
    virtual float GetFontHeight();
    int drawShadow = 0;
    int drawBorder = 0;
    float kerningX = 1.0f;
    float kerningY = 0.0f;
};
