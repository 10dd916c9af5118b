// The two bitmap font files: every character as shadow, border and face pictures with placement numbers.
#include <ft2build.h>
#include FT_FREETYPE_H

#include <cmath>
#include <cstdio>

#include "content/pictures/painters.h"

namespace art {

namespace {

struct FontStyle {
    Face face;
    Face fallback;
    double size;
    int cell;        // line height: the face picture's height
    int baseline;    // from the top of the cell
    int pad;         // room around the glyph for a baked outline (header) or the border layer (text)
    bool header;
};

bool hasGlyph(Face f, uint32_t code)
{
    static FT_Library lib = nullptr;
    if (!lib) FT_Init_FreeType(&lib);
    FT_Face face = nullptr;
    if (FT_New_Face(lib, fontFile(f).c_str(), 0, &face) != 0) return false;
    bool ok = FT_Get_Char_Index(face, code) != 0;
    FT_Done_Face(face);
    return ok;
}

std::string utf8(uint32_t c)
{
    std::string s;
    if (c < 0x80) {
        s += char(c);
    } else if (c < 0x800) {
        s += char(0xC0 | (c >> 6));
        s += char(0x80 | (c & 0x3F));
    } else {
        s += char(0xE0 | (c >> 12));
        s += char(0x80 | ((c >> 6) & 0x3F));
        s += char(0x80 | (c & 0x3F));
    }
    return s;
}

void putInt(std::vector<uint8_t>& out, int32_t v)
{
    uint32_t u = uint32_t(v);
    for (int i = 0; i < 4; ++i) out.push_back(uint8_t(u >> (8 * i)));
}

void record(std::vector<uint8_t>& out, uint32_t code, const char* layer, Img& img, int ox, int oy, int dw, int dh, int adv)
{
    putInt(out, int32_t(code));
    for (const char* p = layer; *p; ++p) out.push_back(uint8_t(*p));
    out.push_back('\n');
    std::vector<uint8_t> png = encodePng(img);
    putInt(out, int32_t(png.size()));
    out.insert(out.end(), png.begin(), png.end());
    out.push_back('\r');
    out.push_back('\n');
    putInt(out, 5);
    putInt(out, ox);
    putInt(out, oy);
    putInt(out, dw);
    putInt(out, dh);
    putInt(out, adv);
    out.push_back('\r');
    out.push_back('\n');
}

void glyphPath(cairo_t* cr, const FontStyle& st, uint32_t code, double x, double y)
{
    Face f = hasGlyph(st.face, code) ? st.face : st.fallback;
    useFace(cr, f, f == st.face ? st.size : st.size * 0.85);
    cairo_move_to(cr, x, y);
    cairo_text_path(cr, utf8(code).c_str());
}

void glyphMetrics(const FontStyle& st, uint32_t code, double& advance, double& inkRight)
{
    Img probe(8, 8);
    Face f = hasGlyph(st.face, code) ? st.face : st.fallback;
    useFace(probe.cr(), f, f == st.face ? st.size : st.size * 0.85);
    cairo_text_extents_t e;
    cairo_text_extents(probe.cr(), utf8(code).c_str(), &e);
    advance = e.x_advance;
    inkRight = e.width > 0 ? e.x_bearing + e.width : 0;
}

void addChar(std::vector<uint8_t>& out, const FontStyle& st, uint32_t code)
{
    double advance, inkRight;
    glyphMetrics(st, code, advance, inkRight);
    bool blank = code == 32 || code == 160;
    int adv = std::max(1, int(std::lround(advance))) + (st.header ? 1 : 0);
    int faceW = std::max(adv, int(std::ceil(st.pad + std::max(advance, inkRight))) + st.pad);
    faceW = std::max(1, faceW);
    const double gx = st.pad, gy = st.baseline;
    if (st.header) {
        // One self-contained face: drop shadow, dark outline and a golden fill.
        Img face(faceW, st.cell);
        if (!blank) {
            Img sh(faceW, st.cell);
            glyphPath(sh.cr(), st, code, gx, gy);
            cairo_set_line_width(sh.cr(), 4);
            cairo_set_line_join(sh.cr(), CAIRO_LINE_JOIN_ROUND);
            setCol(sh.cr(), pal::ink);
            cairo_stroke_preserve(sh.cr());
            cairo_fill(sh.cr());
            shadowOf(face, sh, 1, 2, 1, 0.55);
            cairo_t* cr = face.cr();
            glyphPath(cr, st, code, gx, gy);
            cairo_set_line_width(cr, 3.4);
            cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
            setCol(cr, hex(0x3a1e08));
            cairo_stroke_preserve(cr);
            fillWith(cr, linear(0, gy - st.size * 0.75, 0, gy, pal::cream, pal::gold));
        }
        Img none(1, 1);
        record(out, code, "SHADOW", none, 0, 0, 0, 0, adv);
        record(out, code, "BORDER", none, 0, 0, 0, 0, adv);
        record(out, code, "FACE", face, 0, 0, faceW, st.cell, adv);
        return;
    }
    const int b = 2;
    Img face(faceW, st.cell), border(faceW + 2 * b, st.cell + 2 * b), shadow(faceW + 2 * b, st.cell + 2 * b);
    if (!blank) {
        glyphPath(face.cr(), st, code, gx, gy);
        fillWith(face.cr(), linear(0, gy - st.size * 0.7, 0, gy, pal::white, hex(0xfff0cc)));
        glyphPath(border.cr(), st, code, gx + b, gy + b);
        cairo_set_line_width(border.cr(), 3.0);
        cairo_set_line_join(border.cr(), CAIRO_LINE_JOIN_ROUND);
        setCol(border.cr(), hex(0x14202e));
        cairo_stroke_preserve(border.cr());
        cairo_fill(border.cr());
        Img s(faceW + 2 * b, st.cell + 2 * b);
        glyphPath(s.cr(), st, code, gx + b, gy + b);
        cairo_set_line_width(s.cr(), 3.0);
        setCol(s.cr(), pal::ink);
        cairo_stroke_preserve(s.cr());
        cairo_fill(s.cr());
        shadowOf(shadow, s, 0, 0, 1, 0.6);
    }
    record(out, code, "SHADOW", shadow, -b + 1, -b + 2, shadow.w(), shadow.h(), adv);
    record(out, code, "BORDER", border, -b, -b, border.w(), border.h(), adv);
    record(out, code, "FACE", face, 0, 0, faceW, st.cell, adv);
}

}  // namespace

const std::vector<uint32_t> kTypographyCodes = {0x2013, 0x2019, 0x201A, 0x201C, 0x201E};

std::vector<uint8_t> buildFont(bool header)
{
    FontStyle st = header ? FontStyle{Face::Title, Face::SansBold, 26, 36, 26, 3, true}
                          : FontStyle{Face::BodyBold, Face::SansBold, 16, 20, 15, 1, false};
    std::vector<uint8_t> out;
    for (uint32_t c = 32; c <= 126; ++c) addChar(out, st, c);
    for (uint32_t c = 160; c <= 255; ++c) addChar(out, st, c);
    for (uint32_t c : kTypographyCodes) addChar(out, st, c);
    return out;
}

bool writeFonts(const std::string& dataDir)
{
    bool ok = writeFile(dataDir + "fonts/text.tgf", buildFont(false));
    ok = writeFile(dataDir + "fonts/header.tgf", buildFont(true)) && ok;
    return ok;
}

}  // namespace art
