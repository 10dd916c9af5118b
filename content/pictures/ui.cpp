// Interface art: dialog boxes, paper panels, buttons, check box, slider, probes, pointer and key, load bar.
#include <algorithm>
#include <cmath>

#include "content/pictures/painters.h"
#include "frontend/bar_layout.h"

namespace art {

void drawPanel(cairo_t* cr, double x, double y, double w, double h, double radius, const Col& body, double trim)
{
    roundRect(cr, x, y, w, h, radius);
    fillWith(cr, linear(x, y, x + w * 0.3, y + h, pal::goldLight, pal::goldDark), true);
    cairo_set_line_width(cr, 2);
    setCol(cr, pal::ink);
    cairo_stroke(cr);
    roundRect(cr, x + trim, y + trim, w - 2 * trim, h - 2 * trim, std::max(2.0, radius - trim));
    fillWith(cr, linear(0, y, 0, y + h, lighten(body, 0.12), darken(body, 0.3)), true);
    cairo_set_line_width(cr, 1.5);
    setColA(cr, pal::ink, 0.8);
    cairo_stroke(cr);
    roundRect(cr, x + trim + 4, y + trim + 4, w - 2 * trim - 8, h - 2 * trim - 8, std::max(2.0, radius - trim - 4));
    cairo_set_line_width(cr, 1);
    setColA(cr, pal::goldLight, 0.3);
    cairo_stroke(cr);
}

void drawParchment(Img& img, double x, double y, double w, double h, double radius, uint64_t seed)
{
    Img shape(img.w(), img.h());
    cairo_t* cr = shape.cr();
    roundRect(cr, x, y, w, h, radius);
    fillWith(cr, radial(x + w / 2, y + h / 2, 10, std::max(w, h) * 0.7, pal::paper, pal::paperDark), true);
    cairo_set_line_width(cr, 2);
    setCol(cr, hex(0x8a6a3a));
    cairo_stroke(cr);
    // Fibres of the paper.
    shape.flush();
    for (int py = 0; py < shape.h(); ++py) {
        uint32_t* row = shape.row(py);
        for (int px = 0; px < shape.w(); ++px) {
            uint32_t a = row[px] >> 24;
            if (!a) continue;
            double n = fbm(seed, px / 40.0, py / 40.0, 4) - 0.5;
            double f = 1.0 + n * 0.22;
            uint32_t out = a << 24;
            for (int c = 0; c < 3; ++c) {
                double v = ((row[px] >> (c * 8)) & 255) * f;
                out |= uint32_t(std::clamp(v, 0.0, double(a))) << (c * 8);
            }
            row[px] = out;
        }
    }
    shape.dirty();
    shadowOf(img, shape, 2, 4, 4, 0.5);
    paintImg(img, shape, 0, 0);
}

namespace {

void paintBox(Img& img, uint64_t seed)
{
    double m = 10;
    Img shape(img.w(), img.h());
    cairo_t* cr = shape.cr();
    double w = img.w() - 2 * m, h = img.h() - 2 * m;
    drawPanel(cr, m, m, w, h, 22, hex(0x1b4b5e), 7);
    // Title band.
    roundRect(cr, m + 24, m + 12, w - 48, 48, 14);
    fillWith(cr, linear(0, m + 12, 0, m + 60, hex(0x0c2431, 0.9), hex(0x16394a, 0.6)));
    cairo_move_to(cr, m + 40, m + 64);
    cairo_line_to(cr, m + w - 40, m + 64);
    cairo_set_line_width(cr, 1.5);
    setColA(cr, pal::gold, 0.6);
    cairo_stroke(cr);
    // Corner compasses.
    for (double cx : {m + 22.0, m + w - 22}) {
        for (double cy : {m + 22.0, m + h - 22}) {
            cairo_arc(cr, cx, cy, 9, 0, 2 * M_PI);
            fillWith(cr, radial(cx - 2, cy - 2, 1, 9, pal::goldLight, pal::goldDark));
        }
    }
    shape.flush();
    // Faint map lines in the body.
    cairo_save(cr);
    roundRect(cr, m + 12, m + 70, w - 24, h - 82, 14);
    cairo_clip(cr);
    Rng rng(seed);
    cairo_set_line_width(cr, 1);
    for (int i = 0; i < 6; ++i) {
        double yy = m + 80 + rng.range(0, h - 90);
        cairo_move_to(cr, m, yy);
        for (double xx = m; xx < m + w; xx += 40) cairo_line_to(cr, xx, yy + 6 * std::sin(xx / 60 + i));
        setColA(cr, pal::glassLight, 0.05);
        cairo_stroke(cr);
    }
    cairo_restore(cr);
    shadowOf(img, shape, 3, 6, 6, 0.6);
    paintImg(img, shape, 0, 0);
    grain(img, seed, 0.025);
}

void paintGlassButton(Img& img)
{
    Img shape(img.w(), img.h());
    cairo_t* cr = shape.cr();
    double x = 6, y = 3, w = img.w() - 12, h = 38;
    roundRect(cr, x, y, w, h, h / 2);
    fillWith(cr, linear(0, y, 0, y + h, pal::goldLight, pal::goldDark), true);
    cairo_set_line_width(cr, 2);
    setCol(cr, pal::ink);
    cairo_stroke(cr);
    roundRect(cr, x + 3, y + 3, w - 6, h - 6, (h - 6) / 2);
    fillWith(cr, linear(0, y, 0, y + h, hex(0x6fd0ee), hex(0x1a5f86)));
    roundRect(cr, x + 8, y + 5, w - 16, h * 0.4, h * 0.2);
    fillWith(cr, linear(0, y + 5, 0, y + 5 + h * 0.4, Col{1, 1, 1, 0.6}, Col{1, 1, 1, 0.08}));
    shadowOf(img, shape, 1, 4, 3, 0.55);
    paintImg(img, shape, 0, 0);
}

void paintHoloButton(Img& img)
{
    Img shape(img.w(), img.h());
    cairo_t* cr = shape.cr();
    double x = 6, y = 2, w = img.w() - 12, h = 34;
    // Projector base under the plate.
    polygon(cr, {x + 40, y + h, x + w - 40, y + h, x + w - 56, y + h + 14, x + 56, y + h + 14});
    fillWith(cr, linear(0, y + h, 0, y + h + 14, pal::goldDark, hex(0x3a2410)));
    roundRect(cr, x, y, w, h, 10);
    fillWith(cr, linear(0, y, 0, y + h, Col{0.45, 0.85, 1, 0.85}, Col{0.08, 0.35, 0.55, 0.85}), true);
    cairo_set_line_width(cr, 2);
    setCol(cr, pal::glassLight);
    cairo_stroke(cr);
    roundRect(cr, x + 4, y + 3, w - 8, h * 0.42, 7);
    fillWith(cr, linear(0, y + 3, 0, y + 3 + h * 0.42, Col{1, 1, 1, 0.45}, Col{1, 1, 1, 0.04}));
    // Scan lines of the hologram.
    cairo_save(cr);
    roundRect(cr, x, y, w, h, 10);
    cairo_clip(cr);
    for (double yy = y + 2; yy < y + h; yy += 4) {
        cairo_rectangle(cr, x, yy, w, 1);
    }
    setColA(cr, pal::white, 0.07);
    cairo_fill(cr);
    cairo_restore(cr);
    shadowOf(img, shape, 0, 3, 3, 0.5);
    glow(img.cr(), img.w() / 2.0, 20, 90, pal::glass, 0.15);
    paintImg(img, shape, 0, 0);
}

void paintHoloFrame(Img& img, int layer)
{
    cairo_t* cr = img.cr();
    cairo_save(cr);
    cairo_translate(cr, 100, 20);
    double sx = layer == 0 ? 60 : layer == 1 ? 80 : 98;
    double sy = layer == 0 ? 5 : layer == 1 ? 10 : 18;
    cairo_scale(cr, sx, sy);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(cr);
    Col c = layer == 0 ? pal::white : layer == 1 ? pal::glassLight : pal::glass;
    double a = layer == 0 ? 0.9 : layer == 1 ? 0.55 : 0.35;
    cairo_pattern_t* p = cairo_pattern_create_radial(100, 20, 0, 100, 20, sx);
    cairo_pattern_add_color_stop_rgba(p, 0, c.r, c.g, c.b, a);
    cairo_pattern_add_color_stop_rgba(p, 1, c.r, c.g, c.b, 0);
    cairo_matrix_t m;
    cairo_matrix_init_translate(&m, 100, 20);
    cairo_matrix_scale(&m, 1.0, sy / sx);
    cairo_matrix_translate(&m, -100, -20);
    cairo_matrix_invert(&m);
    cairo_pattern_set_matrix(p, &m);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
}

void paintPageButton(Img& img, bool next)
{
    Img shape(img.w(), img.h());
    cairo_t* cr = shape.cr();
    double c = img.w() / 2.0, r = c - 6;
    cairo_arc(cr, c, c - 2, r, 0, 2 * M_PI);
    fillWith(cr, linear(0, 4, 0, 2 * r, pal::goldLight, pal::goldDark), true);
    cairo_set_line_width(cr, 2);
    setCol(cr, pal::ink);
    cairo_stroke(cr);
    cairo_arc(cr, c, c - 2, r - 5, 0, 2 * M_PI);
    fillWith(cr, radial(c - 8, c - 12, 2, r, hex(0x3fa6c4), hex(0x0f3b4c)));
    double s = next ? 1 : -1;
    polygon(cr, {c - s * 12, c - 20, c + s * 16, c - 2, c - s * 12, c + 16});
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_width(cr, 3);
    setCol(cr, pal::ink);
    cairo_stroke_preserve(cr);
    fillWith(cr, linear(0, c - 20, 0, c + 16, pal::cream, pal::gold));
    cairo_save(cr);
    cairo_translate(cr, c - 8, c - 16);
    cairo_scale(cr, 1.0, 0.5);
    cairo_arc(cr, 0, 0, r * 0.55, 0, 2 * M_PI);
    cairo_restore(cr);
    setColA(cr, pal::white, 0.35);
    cairo_fill(cr);
    shadowOf(img, shape, 2, 4, 3, 0.55);
    paintImg(img, shape, 0, 0);
}

void paintCursor(Img& img)
{
    Img shape(32, 32);
    cairo_t* cr = shape.cr();
    polygon(cr, {1.5, 1.5, 1.5, 23, 7, 18, 11.5, 27, 15.5, 25, 11.5, 16.5, 19, 16.5});
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    fillWith(cr, linear(0, 0, 16, 24, pal::cream, pal::gold), true);
    cairo_set_line_width(cr, 2);
    setCol(cr, pal::ink);
    cairo_stroke(cr);
    shadowOf(img, shape, 2, 2, 2, 0.5);
    paintImg(img, shape, 0, 0);
}

void paintKey(Img& img)
{
    Img shape(32, 32);
    cairo_t* cr = shape.cr();
    cairo_translate(cr, 16, 16);
    cairo_rotate(cr, M_PI / 4);
    cairo_arc(cr, 0, -8, 6.5, 0, 2 * M_PI);
    cairo_arc_negative(cr, 0, -8, 3, 2 * M_PI, 0);
    cairo_rectangle(cr, -2, -2, 4, 16);
    cairo_rectangle(cr, 2, 8, 4, 2.5);
    cairo_rectangle(cr, 2, 12, 5, 2.5);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    fillWith(cr, linear(-6, -14, 6, 14, pal::goldLight, pal::goldDark), true);
    cairo_set_line_width(cr, 1.2);
    setCol(cr, pal::ink);
    cairo_stroke(cr);
    shadowOf(img, shape, 2, 2, 2, 0.5);
    paintImg(img, shape, 0, 0);
}

void paintCheckbox(Img& img)
{
    cairo_t* cr = img.cr();
    roundRect(cr, 4, 4, 26, 26, 6);
    fillWith(cr, linear(0, 4, 0, 30, pal::goldLight, pal::goldDark), true);
    cairo_set_line_width(cr, 1.5);
    setCol(cr, pal::ink);
    cairo_stroke(cr);
    roundRect(cr, 7.5, 7.5, 19, 19, 4);
    fillWith(cr, linear(0, 7, 0, 27, hex(0x07131c), hex(0x1f4a5c)));
}

void paintTick(Img& img)
{
    Img shape(34, 34);
    cairo_t* cr = shape.cr();
    cairo_move_to(cr, 5, 17);
    cairo_line_to(cr, 13, 26);
    cairo_line_to(cr, 30, 4);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_width(cr, 7);
    setCol(cr, pal::ink);
    cairo_stroke_preserve(cr);
    cairo_set_line_width(cr, 4);
    setCol(cr, hex(0x6ee07a));
    cairo_stroke(cr);
    shadowOf(img, shape, 1, 2, 1, 0.5);
    paintImg(img, shape, 0, 0);
}

void paintTrack(Img& img)
{
    cairo_t* cr = img.cr();
    roundRect(cr, 2, 4, img.w() - 4, img.h() - 8, (img.h() - 8) / 2.0);
    fillWith(cr, linear(0, 4, 0, img.h() - 4, pal::goldDark, pal::goldLight), true);
    cairo_set_line_width(cr, 1.5);
    setCol(cr, pal::ink);
    cairo_stroke(cr);
    roundRect(cr, 7, 8, img.w() - 14, img.h() - 16, (img.h() - 16) / 2.0);
    fillWith(cr, linear(0, 0, img.w(), 0, hex(0x0a1a26), hex(0x2a8aa8)));
    for (int i = 0; i <= 10; ++i) {
        double x = 10 + (img.w() - 20) * i / 10.0;
        cairo_move_to(cr, x, img.h() / 2.0 - 2);
        cairo_line_to(cr, x, img.h() / 2.0 + 2);
    }
    cairo_set_line_width(cr, 1);
    setColA(cr, pal::cream, 0.5);
    cairo_stroke(cr);
}

void paintKnob(Img& img)
{
    Img shape(img.w(), img.h());
    cairo_t* cr = shape.cr();
    polygon(cr, {15, 38, 3, 24, 3, 5, 27, 5, 27, 24});
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    fillWith(cr, linear(0, 0, 30, 38, pal::goldLight, pal::goldDark), true);
    cairo_set_line_width(cr, 2);
    setCol(cr, pal::ink);
    cairo_stroke(cr);
    drawGem(cr, 2, 15, 16, 15);
    shadowOf(img, shape, 1, 2, 2, 0.5);
    paintImg(img, shape, 0, 0);
}

void paintSolid(Img& img)
{
    cairo_rectangle(img.cr(), 0, 0, img.w(), img.h());
    setCol(img.cr(), pal::white);
    cairo_fill(img.cr());
}

void paintRoundProbe(Img& img)
{
    // A small disc; the corner pixels stay clear so the probe is round.
    img.flush();
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 5; ++x) {
            bool corner = (x == 0 || x == 4) && (y == 0 || y == 4);
            img.row(y)[x] = corner ? 0 : 0xffffffffu;
        }
    img.dirty();
}

void paintNiner(Img& img)
{
    cairo_t* cr = img.cr();
    Img shape(img.w(), img.h());
    drawPanel(shape.cr(), 1, 1, 154, 154, 12, hex(0x0f2a3a), 5);
    shadowOf(img, shape, 2, 3, 3, 0.5);
    paintImg(img, shape, 0, 0);
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c) {
            double x = 78 - 72 + c * 48, y = 78 - 72 + r * 48;
            roundRect(cr, x + 1.5, y + 1.5, 45, 45, 6);
            fillWith(cr, linear(x, y, x + 48, y + 48, hex(0x2a4a68), hex(0x142838)));
        }
}

void paintExplain(Img& img, bool stone)
{
    cairo_t* cr = img.cr();
    drawParchment(img, 4, 4, img.w() - 8, img.h() - 10, 14, stone ? 71 : 72);
    // Before, an arrow, after.
    if (stone) {
        Img a(img.w(), img.h());
        drawItem(a, 7, 48, 46, 44, true);
        paintImg(img, a, 0, 0);
    } else {
        cairo_rectangle(cr, 26, 24, 44, 44);
        setColA(cr, hex(0x2f5a18), 0.25);
        cairo_fill(cr);
        Img m(img.w(), img.h());
        cairo_arc(m.cr(), 48, 46, 19, 0, 2 * M_PI);
        fillWith(m.cr(), radial(44, 42, 2, 20, hex(0xb6e36a), hex(0x3b6d1c)));
        paintImg(img, m, 0, 0);
    }
    polygon(cr, {90, 38, 120, 38, 120, 28, 138, 46, 120, 64, 120, 54, 90, 54});
    fillWith(cr, linear(0, 28, 0, 64, pal::gold, pal::goldDark), true);
    cairo_set_line_width(cr, 1.5);
    setCol(cr, pal::ink);
    cairo_stroke(cr);
    Img b(img.w(), img.h());
    drawItem(b, stone ? 3 : 1, 172, 46, 40, true);
    paintImg(img, b, 0, 0);
    Rng rng(stone ? 3 : 4);
    for (int i = 0; i < 6; ++i) {
        star(cr, 172 + rng.range(-26, 26), 46 + rng.range(-30, 30), rng.range(3, 6), 1, 4, 0);
        setCol(cr, pal::gold);
        cairo_fill(cr);
    }
}

void paintLoadBar(Img& img, bool fill)
{
    cairo_t* cr = img.cr();
    // Trough 371..739 on screen = 109..477 in the picture (centred at 512, width 500).
    const double tx0 = 109, tx1 = 477, ty0 = 20, ty1 = 44;
    if (fill) {
        roundRect(cr, tx0, ty0, tx1 - tx0, ty1 - ty0, 10);
        fillWith(cr, linear(0, ty0, 0, ty1, hex(0xfff0b0), hex(0xd8891a)));
        cairo_save(cr);
        roundRect(cr, tx0, ty0, tx1 - tx0, ty1 - ty0, 10);
        cairo_clip(cr);
        for (double x = tx0 - 30; x < tx1; x += 22) {
            polygon(cr, {x, ty1, x + 10, ty1, x + 26, ty0, x + 16, ty0});
        }
        setColA(cr, pal::white, 0.22);
        cairo_fill(cr);
        cairo_rectangle(cr, tx0, ty0 + 2, tx1 - tx0, 6);
        setColA(cr, pal::white, 0.35);
        cairo_fill(cr);
        cairo_restore(cr);
        return;
    }
    Img shape(img.w(), img.h());
    cairo_t* s = shape.cr();
    roundRect(s, 84, 10, 412, 44, 22);
    fillWith(s, linear(0, 10, 0, 54, pal::goldLight, pal::goldDark), true);
    cairo_set_line_width(s, 2);
    setCol(s, pal::ink);
    cairo_stroke(s);
    roundRect(s, tx0 - 4, ty0 - 4, tx1 - tx0 + 8, ty1 - ty0 + 8, 13);
    fillWith(s, linear(0, ty0, 0, ty1, hex(0x07131c), hex(0x1b3c4c)));
    // Compass medallion on the left.
    cairo_arc(s, 58, 32, 29, 0, 2 * M_PI);
    fillWith(s, linear(0, 3, 0, 61, pal::goldLight, pal::goldDark), true);
    cairo_set_line_width(s, 2);
    setCol(s, pal::ink);
    cairo_stroke(s);
    drawCompass(s, 58, 32, 22);
    shadowOf(img, shape, 2, 4, 4, 0.6);
    paintImg(img, shape, 0, 0);
}

void paintBorderBar(Img& img, bool top, const int* rails = nullptr, int railCount = 0)
{
    Img shape(img.w(), img.h());
    cairo_t* cr = shape.cr();
    double y0 = top ? -4 : 40, y1 = top ? 52 : img.h() + 4;
    cairo_rectangle(cr, -4, y0, img.w() + 8, y1 - y0);
    fillWith(cr, linear(0, y0, 0, y1, hex(0x1f5568), hex(0x0c2230)));
    double edge = top ? y1 : y0;
    cairo_rectangle(cr, -4, edge - 3, img.w() + 8, 6);
    fillWith(cr, linear(0, 0, img.w(), 0, pal::goldDark, pal::goldLight));
    // A central crest with a compass.
    double cy = top ? 40 : 52;
    polygon(cr, {372, edge, 412, cy + (top ? 22 : -22) - (top ? 0 : 0), 612, cy + (top ? 22 : -22), 652, edge});
    fillWith(cr, linear(0, y0, 0, y1, hex(0x245f74), hex(0x0c2230)), true);
    cairo_set_line_width(cr, 3);
    setCol(cr, pal::gold);
    cairo_stroke(cr);
    if (!top) {
        // Rail the holo buttons stand on.
        for (int i = 0; i < railCount; ++i) {
            const double x = rails[i];
            roundRect(cr, x - 96, 58, 192, 44, 16);
            fillWith(cr, linear(0, 58, 0, 102, hex(0x0a1a26, 0.55), hex(0x1c4454, 0.7)), true);
            cairo_set_line_width(cr, 2);
            setColA(cr, pal::gold, 0.6);
            cairo_stroke(cr);
        }
    }
    shadowOf(img, shape, 0, top ? 4 : -4, 5, 0.6);
    paintImg(img, shape, 0, 0);
    grain(img, top ? 21 : 22, 0.03);
}

}  // namespace

void addUiArt(Painters& p)
{
    p["ui/popupsmall.png"] = [](Img& img) { paintBox(img, 1); };
    p["ui/popupmedium.png"] = [](Img& img) { paintBox(img, 2); };
    p["ui/popupbig.png"] = [](Img& img) { paintBox(img, 3); };
    p["ui/popupmini.png"] = [](Img& img) {
        Img shape(img.w(), img.h());
        drawPanel(shape.cr(), 3, 3, img.w() - 7, img.h() - 8, 12, hex(0x1b4b5e), 4);
        shadowOf(img, shape, 2, 3, 2, 0.6);
        paintImg(img, shape, 0, 0);
    };
    p["ui/popupshadow.png"] = [](Img& img) {
        cairo_rectangle(img.cr(), 0, 0, img.w(), img.h());
        fillWith(img.cr(), radial(512, 384, 100, 700, hex(0x0a1420, 0.45), hex(0x05080f, 0.75)));
    };
    p["ui/playermenu.png"] = [](Img& img) { drawParchment(img, 6, 6, img.w() - 14, img.h() - 14, 18, 31); };
    p["ui/scores.png"] = [](Img& img) {
        drawParchment(img, 6, 6, img.w() - 14, img.h() - 14, 16, 32);
        for (int i = 0; i < 8; ++i) {
            cairo_rectangle(img.cr(), 24, 40 + i * 20, img.w() - 48, 1);
            setColA(img.cr(), hex(0x8a6a3a), 0.35);
            cairo_fill(img.cr());
        }
    };
    p["ui/scoresbar.png"] = [](Img& img) {
        roundRect(img.cr(), 2, 2, img.w() - 4, img.h() - 4, 10);
        fillWith(img.cr(), linear(0, 0, img.w(), 0, Col{0.94, 0.72, 0.24, 0.15}, Col{0.94, 0.72, 0.24, 0.6}));
    };
    // The band sits low in the picture: the player menu centres the bar 5 pixels above its text's middle.
    p["ui/bar.png"] = [](Img& img) {
        roundRect(img.cr(), 2, 12, img.w() - 4, 20, 10);
        fillWith(img.cr(), linear(0, 12, 0, 32, hex(0x49b3d6, 0.75), hex(0x1f6f80, 0.75)), true);
        cairo_set_line_width(img.cr(), 1.5);
        setCol(img.cr(), pal::gold);
        cairo_stroke(img.cr());
    };
    p["ui/createplayer.png"] = [](Img& img) { drawParchment(img, 6, 6, img.w() - 14, img.h() - 14, 16, 33); };
    p["ui/buttons/button_glas.png"] = paintGlassButton;
    p["ui/buttons/button_holo.png"] = paintHoloButton;
    for (int i = 0; i < 3; ++i)
        p["ui/buttons/0" + std::to_string(i + 1) + "_holo.png"] = [i](Img& img) { paintHoloFrame(img, i); };
    p["ui/buttons/next.png"] = [](Img& img) { paintPageButton(img, true); };
    p["ui/buttons/previous.png"] = [](Img& img) { paintPageButton(img, false); };
    p["ui/cursor.png"] = paintCursor;
    p["ui/key.png"] = paintKey;
    p["ui/cb.png"] = paintCheckbox;
    p["ui/h.png"] = paintTick;
    p["ui/optionstrack.png"] = paintTrack;
    p["ui/bnmove2.png"] = paintKnob;
    p["ui/coll.png"] = paintSolid;
    p["ui/coll2.png"] = paintSolid;
    p["ui/coll3.png"] = paintRoundProbe;
    p["ui/niner.png"] = paintNiner;
    p["ui/helptileexpl.png"] = [](Img& img) { paintExplain(img, false); };
    p["ui/helpstoneexpl.png"] = [](Img& img) { paintExplain(img, true); };
    p["ui/helparrow.png"] = [](Img& img) {
        polygon(img.cr(), {4, 11, 40, 11, 40, 3, 60, 16, 40, 29, 40, 21, 4, 21});
        fillWith(img.cr(), linear(0, 3, 0, 29, pal::cream, pal::gold), true);
        cairo_set_line_width(img.cr(), 2);
        setCol(img.cr(), pal::ink);
        cairo_stroke(img.cr());
    };
    p["ui/line.png"] = [](Img& img) {
        cairo_rectangle(img.cr(), 0, 2, img.w(), 2);
        cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, img.w(), 0);
        cairo_pattern_add_color_stop_rgba(g, 0, 0.94, 0.72, 0.24, 0);
        cairo_pattern_add_color_stop_rgba(g, 0.5, 0.94, 0.72, 0.24, 1);
        cairo_pattern_add_color_stop_rgba(g, 1, 0.94, 0.72, 0.24, 0);
        cairo_set_source(img.cr(), g);
        cairo_fill(img.cr());
        cairo_pattern_destroy(g);
    };
    p["ui/uitopfull.png"] = [](Img& img) {
        Img shape(img.w(), img.h());
        drawPanel(shape.cr(), 2, 2, img.w() - 4, 54, 14, hex(0x1b4b5e), 4);
        for (int i = 0; i < 5; ++i) drawGem(shape.cr(), i + 1, 210 + 50 * i, 29, 34);
        shadowOf(img, shape, 1, 3, 2, 0.5);
        paintImg(img, shape, 0, 0);
    };
    p["ui/loadbar.png"] = [](Img& img) { paintLoadBar(img, false); };
    p["ui/loadfill.png"] = [](Img& img) { paintLoadBar(img, true); };
    p["ui/menuborderup.png"] = [](Img& img) { paintBorderBar(img, true); };
    p["ui/menuborderdown.png"] = [](Img& img) { paintBorderBar(img, false, kMenuBarButtonX, 4); };
    p["roadmap/bottombar.png"] = [](Img& img) { paintBorderBar(img, false, kMapBarButtonX, 1); };
    p["branding/icon32.png"] = [](Img& img) { paintAppIcon(img); };
}

void paintAppIcon(Img& img)
{
    // designed on a 64-pixel grid; larger sizes scale the same drawing
    double s = img.w() / 64.0;
    Img shape(img.w(), img.h());
    cairo_save(shape.cr());
    cairo_scale(shape.cr(), s, s);
    drawGem(shape.cr(), 2, 30, 30, 50);
    drawCompass(shape.cr(), 46, 46, 13);
    cairo_restore(shape.cr());
    shadowOf(img, shape, 1 * s, 2 * s, std::max(1, (int)std::lround(2 * s)), 0.6);
    paintImg(img, shape, 0, 0);
}

}  // namespace art
