// Drawing text with a bitmap font: shadow, border and face passes, alignment, line feeds, wrapping and measuring.
#include <cmath>

#include "fonts/bitmapfont.h"
#include "fonts/utf8.h"
#include "framework/math.h"
#include "platform/sys.h"

namespace {

int nearest(float v)
{
    float s = v > 0 ? 1.0f : (v < 0 ? -1.0f : 0.0f);
    return clampToInt(v + 0.5f * s);
}

// Places the image on whole physical pixels by drawing in physical resolution for one image.
void roundingDraw(const SysImage* img, float x, float y, const TRenderStatus& rs)
{
    const SysDrawState& st = Sys_State();
    float vw = st.vres_width, vh = st.vres_height;
    float gw = (float)Sys_DisplayWidth(), gh = (float)Sys_DisplayHeight();
    int w = Sys_ImageWidth(img), h = Sys_ImageHeight(img);
    if (vw <= 0 || vh <= 0 || gw <= 0 || gh <= 0 || w <= 0 || h <= 0) {
        Sys_DrawImage(img, x, y, 0);
        return;
    }
    float px = x * gw / vw, py = y * gh / vh;
    Sys_SetLogicalSize(gw, gh);
    float sx = (float)nearest(rs.ScaleX * gw / vw * (float)w) / (float)w;
    float sy = (float)nearest(rs.ScaleY * gh / vh * (float)h) / (float)h;
    Sys_SetScale(sx, sy);
    Sys_DrawImage(img, (float)nearest(px), (float)nearest(py), 0);
    Sys_SetLogicalSize(vw, vh);
    Sys_SetScale(rs.ScaleX, rs.ScaleY);
}

}

void TPrivateBitmapFont::drawPass(const std::vector<int>& text, float x, float y, TBitmapFont* font, int status)
{
    const TBitMapCharTable& layer = status == eDrawCharStatus::Face ? Face : status == eDrawCharStatus::Border ? Border : Shadow;
    const float hk = font->Kerning.GetHKerning(), vk = font->Kerning.GetVKerning();
    const TRenderStatus& rs = RenderStatus;
    const bool rotated = !(rs.Rotation >= -0.01f && rs.Rotation <= 0.01f);
    const float rc = rotated ? Sys_Cos(rs.Rotation) : 1.0f, rsn = rotated ? Sys_Sin(rs.Rotation) : 0.0f;
    const size_t size = Face.size();
    float originY = y;
    float penX = x;
    for (size_t i = 0; i < text.size(); ++i) {
        int k = text[i];
        if (k < 0 || (size_t)k >= size) continue;
        if (k == 10) {
            // The rest of the text starts a new line at the pass's starting x, which is also its rotation origin.
            const TBitMapChar* space = Face[32].get();
            originY = originY + (float)(space ? space->DrawHeight : 0) * rs.ScaleY + vk * rs.ScaleY;
            penX = x;
            continue;
        }
        const TBitMapChar* e = layer[(size_t)k].get();
        if (!e || !e->Image) continue;
        float px = penX, py = originY;
        if (rotated) {
            float d = std::fabs(penX - x);
            px = x + d * rc;
            py = originY + d * rsn;
        }
        if (!font->RenderFX) {
            if (status != eDrawCharStatus::Shadow && font->PhisicalPixelRounding == 1)
                roundingDraw(e->Image, px, py, rs);
            else
                Sys_DrawImage(e->Image, px, py, 0);
        } else {
            TDrawCharAction a;
            a.Char = k;
            a.X = px;
            a.Y = py;
            a.font = font;
            a.Handled = 0;
            a.Status = status;
            if (status != eDrawCharStatus::Shadow) {
                a.CurrentScaleX = rs.ScaleX;
                a.CurrentScaleY = rs.ScaleY;
            }
            for (iTextRendererFXBase* fx = font->RenderFX; fx; fx = fx->ChainFX) {
                if (status == eDrawCharStatus::Face) fx->DrawFaceChar(a);
                else if (status == eDrawCharStatus::Border) fx->DrawBorderChar(a);
                else fx->DrawShadowChar(a);
            }
            k = a.Char;
            if (a.Handled == 0 && font->faceEntry(k)) {
                const TBitMapChar* other = layer[(size_t)k].get();
                if (other && other->Image) Sys_DrawImage(other->Image, a.X, a.Y, 0);
            }
        }
        // Every layer advances by the face, so the layers stay on top of each other.
        if (const TBitMapChar* fe = font->faceEntry(k)) penX += (float)fe->Charwidth * rs.ScaleX + hk * rs.ScaleX;
    }
}

void TPrivateBitmapFont::DrawFaceText(const std::vector<int>& text, float x, float y, TBitmapFont* font)
{
    drawPass(text, x, y, font, eDrawCharStatus::Face);
}

void TPrivateBitmapFont::DrawBorderText(const std::vector<int>& text, float x, float y, TBitmapFont* font)
{
    drawPass(text, x, y, font, eDrawCharStatus::Border);
}

void TPrivateBitmapFont::DrawShadowText(const std::vector<int>& text, float x, float y, TBitmapFont* font)
{
    drawPass(text, x, y, font, eDrawCharStatus::Shadow);
}

void TPrivateBitmapFont::DrawTextLine(const std::vector<int>& text, float x, float y, int useBlends, TBitmapFont* font)
{
    if (font->RenderFX) {
        TDrawTextAction a{utf8Encode(text), x, y, font};
        font->RenderFX->DrawTextBegin(a);
    }
    const SysDrawState& st = Sys_State();
    RenderStatus.OldBlend = st.blend_mode;
    RenderStatus.ScaleX = st.tform_scale_x;
    RenderStatus.ScaleY = st.tform_scale_y;
    RenderStatus.Rotation = st.tform_rot;
    if (DrawShadow == 1) {
        if (useBlends == 1) Sys_SetBlend(ShadowBlend);
        DrawShadowText(text, x, y, font);
    }
    if (DrawBorder == 1) {
        if (useBlends == 1) Sys_SetBlend(BorderBlend);
        DrawBorderText(text, x, y, font);
    }
    if (useBlends == 1) Sys_SetBlend(FaceBlend);
    DrawFaceText(text, x, y, font);
    Sys_SetBlend(RenderStatus.OldBlend);
    if (font->RenderFX) {
        TDrawTextAction a{utf8Encode(text), x, y, font};
        font->RenderFX->DrawTextEnd(a);
    }
}

void TBitmapFont::DrawCodes(const std::vector<int>& codes, float x, float y, int useBlends, int align)
{
    uint8_t a = (uint8_t)align;
    if (a == 1 || a == 2) {
        float sx = Sys_State().tform_scale_x;
        int w = GetTxtWidthCodes(codes);
        if (a == 1) x -= (float)clampToInt((float)clampToInt((float)w * sx) * 0.5f);
        else x -= (float)clampToInt((float)w * sx);
    }
    textsDrawn().push_back(utf8Encode(codes));
    PrivateData->DrawTextLine(codes, x, y, useBlends, this);
}

std::vector<std::string>& textsDrawn()
{
    static std::vector<std::string> drawn;
    return drawn;
}

void TBitmapFont::DrawText(const std::string& text, float x, float y, int useBlends, int align)
{
    DrawCodes(utf8Decode(text), x, y, useBlends, align);
}

int TBitmapFont::GetTxtWidthCodes(const std::vector<int>& codes)
{
    const float hk = Kerning.GetHKerning();
    int w = 0, last = 0;
    for (int k : codes) {
        const TBitMapChar* e = faceEntry(k);
        if (!e) continue;
        last = k;
        w = clampToInt((float)w + (float)e->Charwidth + hk);
    }
    if (const TBitMapChar* e = faceEntry(last)) w = clampToInt((double)w - e->Charwidth + e->DrawWidth);
    return w;
}

int TBitmapFont::GetTxtWidth(const std::string& text) { return GetTxtWidthCodes(utf8Decode(text)); }

int TBitmapFont::GetFontHeight()
{
    const TBitMapChar* e = faceEntry(32);
    return e ? e->DrawHeight : 0;
}

void TBitmapFont::DrawTextMaxWidth(const std::string& text, float x, float y, double maxWidth, int useBlends)
{
    const std::vector<int> codes = utf8Decode(text);
    const SysDrawState& st = Sys_State();
    const double sx = st.tform_scale_x, sy = st.tform_scale_y;
    const double hk = Kerning.GetHKerning(), vk = Kerning.GetVKerning();
    const double bottom = st.vres_height;
    const size_t size = PrivateData->Face.size();
    std::vector<int> line;
    double lineW = 0;
    double curY = y;
    for (int k : codes) {
        if (k != 10 && k >= 0 && (size_t)k < size) {
            const TBitMapChar* e = faceEntry(k);
            if (!e) continue;
            double w = (double)e->DrawWidth * sx + hk * sx + lineW;
            if (w < maxWidth - std::fabs(sx)) {
                line.push_back(k);
                lineW += (double)e->Charwidth * sx + hk * sx;
            } else {
                DrawCodes(line, x, (float)curY, useBlends, 0);
                if (!line.empty()) curY += (double)GetFontHeight() * sy + vk * sy;
                line.assign(1, k);
                lineW = (double)e->Charwidth * sx + hk * sx;
            }
        } else {
            DrawCodes(line, x, (float)curY, useBlends, 0);
            curY += (double)GetFontHeight() * sy + vk * sy;
            line.clear();
            lineW = 0;
        }
        if (curY > bottom) return;
    }
    if (!line.empty()) DrawCodes(line, x, (float)curY, useBlends, 0);
}
