// Full-screen art: the eight lands, menu and loading backgrounds, the level map, splash and story pages.
#include <algorithm>
#include <cmath>

#include "content/pictures/manifest.h"
#include "content/pictures/painters.h"

namespace art {

const Land& land(int chapter)
{
    static const Land lands[8] = {
        {hex(0x3a8fc0), hex(0xbfe8e0), hex(0x6fa6a0), hex(0x3f8a5a), hex(0x1f5a34), hex(0x2fbf8a)},
        {hex(0xe08a4a), hex(0xffe0a0), hex(0xe0a870), hex(0xc98a4a), hex(0x8a5428), hex(0xf4b020)},
        {hex(0x3a6a7a), hex(0xb0d0c8), hex(0x7a9a98), hex(0x3a6a58), hex(0x1a3a2e), hex(0x7ad0a0)},
        {hex(0x2a1a4a), hex(0x8a6ac0), hex(0x6a4a9a), hex(0x4a2a7a), hex(0x24143e), hex(0xc080ff)},
        {hex(0x4a1a2a), hex(0xf07a4a), hex(0x9a4a4a), hex(0x6a2a2a), hex(0x2e1418), hex(0xff8a3a)},
        {hex(0x6a9ad8), hex(0xe8f4ff), hex(0xb8d0e8), hex(0x8ab0d8), hex(0x4a6a98), hex(0xa0e0ff)},
        {hex(0x8ab8f0), hex(0xfff0e0), hex(0xc0c8e8), hex(0x9aa8d0), hex(0x6a6a98), hex(0xffd0a0)},
        {hex(0x1a1440), hex(0xf0a868), hex(0x8a5a80), hex(0x5a3a6a), hex(0x2a1a3a), hex(0xffd34a)},
    };
    return lands[std::clamp(chapter, 1, 8) - 1];
}

namespace {

double ridge(uint64_t seed, double x, double scale, double amp) { return (fbm(seed, x / scale, 0.5, 5) - 0.5) * 2 * amp; }

void fillRidge(cairo_t* cr, int w, int h, double base, uint64_t seed, double scale, double amp, const Col& top,
               const Col& bottom)
{
    cairo_move_to(cr, 0, h);
    for (int x = 0; x <= w; x += 4) cairo_line_to(cr, x, base + ridge(seed, x, scale, amp));
    cairo_line_to(cr, w, h);
    cairo_close_path(cr);
    fillWith(cr, linear(0, base - amp, 0, h, top, bottom));
}

void pine(cairo_t* cr, double x, double y, double s, const Col& c)
{
    for (int i = 0; i < 3; ++i) {
        double ty = y - s * (0.4 + i * 0.3), bw = s * (0.42 - i * 0.1);
        polygon(cr, {x, ty - s * 0.45, x + bw, ty + s * 0.15, x - bw, ty + s * 0.15});
    }
    cairo_rectangle(cr, x - s * 0.05, y - s * 0.3, s * 0.1, s * 0.3);
    setCol(cr, c);
    cairo_fill(cr);
}

void palm(cairo_t* cr, double x, double y, double s, const Col& c)
{
    cairo_move_to(cr, x, y);
    cairo_curve_to(cr, x + s * 0.1, y - s * 0.4, x + s * 0.2, y - s * 0.7, x + s * 0.12, y - s);
    cairo_set_line_width(cr, s * 0.07);
    setCol(cr, c);
    cairo_stroke(cr);
    double tx = x + s * 0.12, ty = y - s;
    for (int i = 0; i < 6; ++i) {
        double a = -M_PI + i * M_PI / 5 + 0.1;
        cairo_move_to(cr, tx, ty);
        cairo_curve_to(cr, tx + s * 0.3 * std::cos(a), ty + s * 0.3 * std::sin(a) - s * 0.1, tx + s * 0.5 * std::cos(a),
                       ty + s * 0.45 * std::sin(a), tx + s * 0.55 * std::cos(a), ty + s * 0.35 * std::sin(a) + s * 0.15);
        cairo_set_line_width(cr, s * 0.06);
        cairo_stroke(cr);
    }
}

void crystal(cairo_t* cr, double x, double y, double s, const Col& c)
{
    polygon(cr, {x - s * 0.2, y, x - s * 0.22, y - s * 0.7, x, y - s, x + s * 0.22, y - s * 0.7, x + s * 0.2, y});
    fillWith(cr, linear(x - s * 0.2, 0, x + s * 0.2, 0, lighten(c, 0.5), darken(c, 0.3)), true);
    cairo_set_line_width(cr, 1.5);
    setColA(cr, lighten(c, 0.7), 0.7);
    cairo_stroke(cr);
    glow(cr, x, y - s * 0.6, s * 0.6, c, 0.25);
}

void column(cairo_t* cr, double x, double y, double s, const Col& c, bool broken)
{
    double top = broken ? y - s * 0.65 : y - s;
    cairo_rectangle(cr, x - s * 0.09, top, s * 0.18, y - top);
    cairo_rectangle(cr, x - s * 0.14, y - s * 0.06, s * 0.28, s * 0.06);
    if (!broken) cairo_rectangle(cr, x - s * 0.14, top - s * 0.05, s * 0.28, s * 0.06);
    fillWith(cr, linear(x - s * 0.14, 0, x + s * 0.14, 0, lighten(c, 0.35), darken(c, 0.2)));
}

void ship(cairo_t* cr, double x, double y, double s)
{
    // Hull.
    cairo_move_to(cr, x - s * 0.55, y - s * 0.12);
    cairo_line_to(cr, x + s * 0.6, y - s * 0.12);
    cairo_curve_to(cr, x + s * 0.5, y + s * 0.1, x + s * 0.3, y + s * 0.14, x, y + s * 0.14);
    cairo_curve_to(cr, x - s * 0.3, y + s * 0.14, x - s * 0.45, y + s * 0.08, x - s * 0.55, y - s * 0.12);
    fillWith(cr, linear(0, y - s * 0.12, 0, y + s * 0.14, hex(0x8a5230), pal::woodDark));
    cairo_rectangle(cr, x - s * 0.5, y - s * 0.1, s * 1.05, s * 0.03);
    setCol(cr, pal::gold);
    cairo_fill(cr);
    // Masts and sails, lit from the left.
    for (int m = 0; m < 2; ++m) {
        double mx = x - s * 0.15 + m * s * 0.35, mh = s * (0.85 - m * 0.12);
        cairo_rectangle(cr, mx - s * 0.012, y - s * 0.12 - mh, s * 0.024, mh);
        setCol(cr, pal::woodDark);
        cairo_fill(cr);
        for (int k = 0; k < 2; ++k) {
            double sy = y - s * 0.12 - mh + s * 0.08 + k * mh * 0.42, sh = mh * 0.36;
            cairo_move_to(cr, mx - s * 0.2, sy);
            cairo_line_to(cr, mx + s * 0.2, sy);
            cairo_curve_to(cr, mx + s * 0.25, sy + sh * 0.5, mx + s * 0.24, sy + sh, mx + s * 0.2, sy + sh);
            cairo_line_to(cr, mx - s * 0.2, sy + sh);
            cairo_curve_to(cr, mx - s * 0.16, sy + sh * 0.5, mx - s * 0.2, sy, mx - s * 0.2, sy);
            fillWith(cr, linear(mx - s * 0.2, 0, mx + s * 0.25, 0, pal::cream, pal::paperDark));
        }
    }
    // Flag.
    polygon(cr, {x - s * 0.15, y - s * 0.97, x + s * 0.05, y - s * 0.93, x - s * 0.15, y - s * 0.89});
    setCol(cr, pal::ruby);
    cairo_fill(cr);
}

// Small travellers seen from behind: the expedition.
void explorers(cairo_t* cr, double x, double y, double s, int count)
{
    for (int i = 0; i < count; ++i) {
        double px = x + i * s * 0.5, py = y + (i % 2) * s * 0.04;
        double hsz = s * (i == 0 ? 1.0 : 0.9);
        Col coat = i == 0 ? hex(0x9e2a3a) : i == 1 ? hex(0x2a5a8a) : hex(0x4a6a2a);
        roundRect(cr, px - hsz * 0.16, py - hsz * 0.62, hsz * 0.32, hsz * 0.56, hsz * 0.1);
        fillWith(cr, linear(px - hsz * 0.16, 0, px + hsz * 0.16, 0, lighten(coat, 0.25), darken(coat, 0.3)));
        cairo_arc(cr, px, py - hsz * 0.74, hsz * 0.12, 0, 2 * M_PI);
        setCol(cr, hex(0x5a3a22));
        cairo_fill(cr);
        // Hat brim.
        cairo_save(cr);
        cairo_translate(cr, px, py - hsz * 0.82);
        cairo_scale(cr, 1.0, 0.3);
        cairo_arc(cr, 0, 0, hsz * 0.2, 0, 2 * M_PI);
        cairo_restore(cr);
        setCol(cr, hex(0x6a4a2a));
        cairo_fill(cr);
        cairo_rectangle(cr, px - hsz * 0.12, py - hsz * 0.06, hsz * 0.08, hsz * 0.1);
        cairo_rectangle(cr, px + hsz * 0.04, py - hsz * 0.06, hsz * 0.08, hsz * 0.1);
        setCol(cr, pal::woodDark);
        cairo_fill(cr);
        if (i == 0) {   // the captain carries the lantern
            cairo_move_to(cr, px + hsz * 0.16, py - hsz * 0.45);
            cairo_line_to(cr, px + hsz * 0.3, py - hsz * 0.3);
            cairo_set_line_width(cr, s * 0.03);
            setCol(cr, pal::woodDark);
            cairo_stroke(cr);
            glow(cr, px + hsz * 0.3, py - hsz * 0.25, s * 0.3, pal::gold, 0.7);
            roundRect(cr, px + hsz * 0.25, py - hsz * 0.3, hsz * 0.1, hsz * 0.12, 2);
            setCol(cr, pal::goldLight);
            cairo_fill(cr);
        }
    }
}

// One land as a landscape picture.
void landscape(Img& img, int chapter, uint64_t seed)
{
    const Land& L = land(chapter);
    cairo_t* cr = img.cr();
    int w = img.w(), h = img.h();
    cairo_rectangle(cr, 0, 0, w, h);
    fillWith(cr, linear(0, 0, 0, h * 0.7, L.skyTop, L.skyLow));
    // The light comes from the upper left in every land.
    double sunX = w * 0.2, sunY = h * 0.2;
    glow(cr, sunX, sunY, w * 0.45, lighten(L.skyLow, 0.4), 0.55);
    cairo_arc(cr, sunX, sunY, w * 0.045, 0, 2 * M_PI);
    setColA(cr, lighten(L.skyLow, 0.75), chapter == 4 ? 0.5 : 0.95);
    cairo_fill(cr);
    Rng rng(seed);
    if (chapter == 4 || chapter == 8 || chapter == 5) {
        for (int i = 0; i < 90; ++i) {
            double x = rng.range(0, w), y = rng.range(0, h * 0.5), r = rng.range(0.6, 1.8);
            cairo_arc(cr, x, y, r, 0, 2 * M_PI);
            setColA(cr, pal::cream, rng.range(0.3, 0.9));
            cairo_fill(cr);
        }
    } else {
        for (int i = 0; i < 7; ++i) {
            double x = rng.range(0, w), y = rng.range(h * 0.06, h * 0.35), s = rng.range(40, 90) * w / 1024.0;
            for (int k = 0; k < 5; ++k) {
                cairo_arc(cr, x + (k - 2) * s * 0.5, y - (k % 2) * s * 0.25, s * (0.45 + 0.1 * (k % 3)), 0, 2 * M_PI);
            }
            setColA(cr, lighten(L.skyLow, 0.6), 0.35);
            cairo_fill(cr);
        }
    }
    double sx = w / 1024.0;
    Col haze = L.skyLow;
    // Land-specific far silhouettes.
    if (chapter == 5) {
        polygon(cr, {w * 0.55, h * 0.62, w * 0.7, h * 0.22, w * 0.73, h * 0.22, w * 0.72, h * 0.62});
        fillWith(cr, linear(0, h * 0.22, 0, h * 0.62, lighten(mix(L.far, haze, 0.2), 0.1), L.mid));
        polygon(cr, {w * 0.72, h * 0.62, w * 0.73, h * 0.22, w * 0.76, h * 0.22, w * 0.95, h * 0.62});
        fillWith(cr, linear(0, h * 0.22, 0, h * 0.62, darken(L.far, 0.25), darken(L.mid, 0.3)));
        glow(cr, w * 0.73, h * 0.22, w * 0.12, L.accent, 0.7);
        for (int i = 0; i < 3; ++i) {
            cairo_move_to(cr, w * (0.715 + i * 0.012), h * 0.23);
            cairo_curve_to(cr, w * (0.71 + i * 0.02), h * 0.35, w * (0.69 + i * 0.03), h * 0.45, w * (0.68 + i * 0.04), h * 0.55);
            cairo_set_line_width(cr, 4 * sx);
            setColA(cr, L.accent, 0.8);
            cairo_stroke(cr);
        }
    }
    if (chapter == 6) {
        for (int i = 0; i < 5; ++i) {
            double px = w * (0.1 + i * 0.2), ph = h * rng.range(0.25, 0.4), base = h * 0.62, half = w * 0.14;
            double tx = px, ty = base - ph;
            // Lit western face, shaded eastern face, a snow cap with a ragged edge.
            polygon(cr, {px - half, base, tx, ty, tx + half * 0.1, base});
            setCol(cr, mix(L.mid, pal::white, 0.35));
            cairo_fill(cr);
            polygon(cr, {tx + half * 0.1, base, tx, ty, px + half, base});
            setCol(cr, darken(L.mid, 0.2));
            cairo_fill(cr);
            double cap = 0.38;
            std::vector<double> snow = {tx - half * cap, ty + ph * cap, tx, ty, tx + half * cap, ty + ph * cap};
            for (int k = 5; k >= 0; --k) {
                double f = k / 5.0;
                snow.push_back(tx - half * cap + 2 * half * cap * f);
                snow.push_back(ty + ph * cap + ((k % 2) ? -ph * 0.06 : ph * 0.04));
            }
            polygon(cr, snow);
            fillWith(cr, linear(tx - half * cap, 0, tx + half * cap, 0, pal::white, hex(0xc8dcf0)));
        }
    }
    if (chapter == 7) {
        for (int i = 0; i < 4; ++i) {
            double ix = w * (0.15 + i * 0.24) + rng.range(-30, 30) * sx, iy = h * rng.range(0.22, 0.42), iw = w * rng.range(0.07, 0.12);
            cairo_save(cr);
            polygon(cr, {ix - iw, iy, ix + iw, iy, ix + iw * 0.3, iy + iw * 0.9, ix - iw * 0.2, iy + iw * 0.7});
            fillWith(cr, linear(0, iy, 0, iy + iw, L.mid, darken(L.mid, 0.4)));
            cairo_rectangle(cr, ix - iw, iy - 6 * sx, iw * 2, 8 * sx);
            setCol(cr, hex(0x7ab060));
            cairo_fill(cr);
            for (int k = 0; k < 3; ++k) column(cr, ix - iw * 0.6 + k * iw * 0.6, iy - 4 * sx, 40 * sx, hex(0xe8e0d0), k == 1);
            cairo_restore(cr);
        }
    }
    fillRidge(cr, w, h, h * 0.58, seed + 1, 260 * sx, h * 0.08, mix(L.far, haze, 0.35), mix(L.far, haze, 0.1));
    if (chapter == 8) {
        // The temple of light on the horizon.
        double tx = w * 0.62, ty = h * 0.56;
        glow(cr, tx, ty - h * 0.12, w * 0.25, L.accent, 0.45);
        polygon(cr, {tx - w * 0.12, ty, tx - w * 0.1, ty - h * 0.05, tx + w * 0.1, ty - h * 0.05, tx + w * 0.12, ty});
        polygon(cr, {tx - w * 0.08, ty - h * 0.05, tx - w * 0.06, ty - h * 0.12, tx + w * 0.06, ty - h * 0.12, tx + w * 0.08, ty - h * 0.05});
        polygon(cr, {tx - w * 0.04, ty - h * 0.12, tx, ty - h * 0.22, tx + w * 0.04, ty - h * 0.12});
        fillWith(cr, linear(0, ty - h * 0.22, 0, ty, hex(0xe8c070), hex(0x8a5a30)));
        glow(cr, tx, ty - h * 0.17, w * 0.03, pal::cream, 0.95);
    }
    if (chapter == 2) {
        for (int i = 0; i < 2; ++i) {
            double px = w * (0.6 + i * 0.17), pb = h * 0.6, ph = h * (0.16 - i * 0.05);
            polygon(cr, {px - ph, pb, px, pb - ph, px + ph, pb});
            fillWith(cr, linear(px - ph, 0, px + ph, 0, lighten(L.mid, 0.3), darken(L.mid, 0.25)));
        }
    }
    fillRidge(cr, w, h, h * 0.68, seed + 2, 180 * sx, h * 0.06, mix(L.mid, haze, 0.15), darken(L.mid, 0.1));
    if (chapter == 1) {
        cairo_rectangle(cr, 0, h * 0.7, w, h * 0.08);
        fillWith(cr, linear(0, h * 0.7, 0, h * 0.78, hex(0x5ac0d0), hex(0x2a7aa0)));
        for (int i = 0; i < 30; ++i) {
            double x = rng.range(0, w), y = rng.range(h * 0.71, h * 0.77);
            cairo_rectangle(cr, x, y, rng.range(8, 30) * sx, 1.5 * sx);
            setColA(cr, pal::white, 0.5);
            cairo_fill(cr);
        }
    }
    // Near ground with its own plants.
    fillRidge(cr, w, h, h * 0.8, seed + 3, 140 * sx, h * 0.04, L.near, darken(L.near, 0.45));
    for (int i = 0; i < 12; ++i) {
        double x = rng.range(0, w);
        if (x > w * 0.2 && x < w * 0.8 && rng.uni() < 0.6) continue;   // keep the middle calm
        double y = h * 0.8 + ridge(seed + 3, x, 140 * sx, h * 0.04) + 4 * sx;
        double s = rng.range(60, 120) * sx;
        Col c = darken(L.near, 0.35);
        switch (chapter) {
        case 1: palm(cr, x, y, s * 1.3, c); break;
        case 3: pine(cr, x, y, s * 1.5, c); break;
        case 4: crystal(cr, x, y, s * 0.9, L.accent); break;
        case 6: pine(cr, x, y, s * 1.2, hex(0x3a5a7a)); break;
        case 7: column(cr, x, y, s, hex(0xd8d0c0), rng.uni() < 0.5); break;
        case 8: crystal(cr, x, y, s * 0.7, L.accent); break;
        default: break;
        }
    }
    // Glints of the land's treasure on the ground.
    for (int i = 0; i < 25; ++i) {
        double x = rng.range(0, w), y = rng.range(h * 0.8, h);
        glow(cr, x, y, rng.range(3, 8) * sx, L.accent, 0.5);
    }
    if (chapter == 6) {
        for (int i = 0; i < 120; ++i) {
            cairo_arc(cr, rng.range(0, w), rng.range(0, h), rng.range(0.8, 2.4) * sx, 0, 2 * M_PI);
            setColA(cr, pal::white, 0.7);
            cairo_fill(cr);
        }
    }
    if (chapter == 3) {
        for (int i = 0; i < 4; ++i) {
            cairo_rectangle(cr, 0, h * (0.55 + i * 0.08), w, h * 0.05);
            setColA(cr, pal::white, 0.08);
            cairo_fill(cr);
        }
    }
}

void vignette(Img& img, double strength)
{
    cairo_t* cr = img.cr();
    cairo_rectangle(cr, 0, 0, img.w(), img.h());
    cairo_pattern_t* p = cairo_pattern_create_radial(img.w() / 2.0, img.h() / 2.0, img.h() * 0.3, img.w() / 2.0,
                                                     img.h() / 2.0, img.w() * 0.75);
    cairo_pattern_add_color_stop_rgba(p, 0, 0, 0, 0, 0);
    cairo_pattern_add_color_stop_rgba(p, 1, 0.04, 0.03, 0.08, strength);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
}

void paintBoardBg(Img& img, int chapter)
{
    landscape(img, chapter, 100 + uint64_t(chapter) * 17);
    // Calm the middle so the gems read on every land.
    Img calm(img.w(), img.h());
    roundRect(calm.cr(), 50, 96, 924, 604, 40);
    setColA(calm.cr(), hex(0x0a1420), 0.3);
    cairo_fill(calm.cr());
    blur(calm, 14);
    paintImg(img, calm, 0, 0);
    vignette(img, 0.55);
    grain(img, 7 + uint64_t(chapter), 0.02);
    liftBlack(img, 14);
}

void logo(Img& img, double cx, double cy, double size)
{
    Img shape(img.w(), img.h());
    cairo_t* cr = shape.cr();
    useFace(cr, Face::Title, size);
    Col outline = hex(0x3a1e08);
    cairo_save(cr);
    double w = textWidth(cr, "Morvelle");
    cairo_move_to(cr, cx - w / 2, cy);
    cairo_text_path(cr, "Morvelle");
    cairo_set_line_width(cr, size * 0.12);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    setCol(cr, outline);
    cairo_stroke_preserve(cr);
    fillWith(cr, linear(0, cy - size * 0.75, 0, cy, pal::goldLight, hex(0xd88a1a)));
    cairo_restore(cr);
    useFace(cr, Face::Script, size * 0.32);
    const std::string subtitle = say("paint.subtitle");
    checkFit(cr, subtitle, size * 4.2, "the logo's subtitle line");
    drawText(cr, subtitle, cx, cy + size * 0.42, 1, pal::cream, &outline, 2.5, 0.4);
    drawGem(cr, 2, cx + w / 2 + size * 0.12, cy - size * 0.62, size * 0.32);
    Img halo(img.w(), img.h());
    glow(halo.cr(), cx, cy - size * 0.3, size * 2.2, pal::gold, 0.35);
    paintImg(img, halo, 0, 0);
    shadowOf(img, shape, 4, 8, 8, 0.6);
    paintImg(img, shape, 0, 0);
}

void paintMenuBg(Img& img)
{
    landscape(img, 1, 999);
    Img ship2(img.w(), img.h());
    ship(ship2.cr(), 800, 545, 150);
    shadowOf(img, ship2, 0, 0, 6, 0.3);
    paintImg(img, ship2, 0, 0);
    vignette(img, 0.5);
    logo(img, 512, 300, 150);
    grain(img, 3, 0.02);
    liftBlack(img, 14);
}

void paintLoadBg(Img& img)
{
    landscape(img, 8, 555);
    vignette(img, 0.6);
    logo(img, 512, 330, 140);
    grain(img, 4, 0.02);
    liftBlack(img, 14);
}

void paintStudio(Img& img)
{
    cairo_t* cr = img.cr();
    cairo_rectangle(cr, 0, 0, 1024, 768);
    fillWith(cr, radial(512, 360, 40, 700, hex(0x1f4a5c), hex(0x0a141e)));
    // A lantern: the studio's mark.
    Img mark(1024, 768);
    cairo_t* m = mark.cr();
    glow(m, 512, 330, 220, pal::gold, 0.45);
    roundRect(m, 462, 250, 100, 150, 18);
    fillWith(m, linear(0, 250, 0, 400, pal::goldLight, hex(0xd88a1a)), true);
    cairo_set_line_width(m, 8);
    setCol(m, hex(0x3a1e08));
    cairo_stroke(m);
    for (double x : {495.0, 529.0}) {
        cairo_move_to(m, x, 256);
        cairo_line_to(m, x, 394);
    }
    cairo_set_line_width(m, 5);
    cairo_stroke(m);
    cairo_arc(m, 512, 232, 26, M_PI, 2 * M_PI);
    cairo_set_line_width(m, 8);
    cairo_stroke(m);
    roundRect(m, 448, 396, 128, 20, 8);
    setCol(m, hex(0x3a1e08));
    cairo_fill(m);
    glow(m, 512, 325, 38, pal::white, 0.9);
    paintImg(img, mark, 0, 0);
    useFace(cr, Face::Round, 58);
    Col outline = pal::ink;
    drawText(cr, "Lantern Works", 512, 505, 1, pal::cream, &outline, 3, 0.5);
    useFace(cr, Face::Body, 24);
    const std::string presents = say("paint.presents");
    checkFit(cr, presents, 600, "the studio page");
    drawText(cr, presents, 512, 548, 1, pal::goldLight);
    liftBlack(img, 14);
}

void paintTitle(Img& img)
{
    landscape(img, 7, 321);
    vignette(img, 0.55);
    logo(img, 512, 380, 170);
    liftBlack(img, 14);
}

// Level map: a parchment continent with eight lands and the expedition's path.
int nearestChapter(double x, double y, double& dist)
{
    int best = 0;
    double bd = 1e18;
    for (int i = 0; i < 80; ++i) {
        double dx = x - kLevelPoints[i][0], dy = y - kLevelPoints[i][1];
        double d = dx * dx + dy * dy;
        if (d < bd) bd = d, best = i;
    }
    dist = std::sqrt(bd);
    return best / 10 + 1;
}

void paintRoadmap(Img& img)
{
    int w = img.w(), h = img.h();
    img.flush();
    for (int y = 0; y < h; ++y) {
        uint32_t* row = img.row(y);
        for (int x = 0; x < w; ++x) {
            double d;
            int ch = nearestChapter(x, y, d);
            double coast = d + (fbm(61, x / 70.0, y / 70.0, 5) - 0.5) * 90;
            Col c;
            if (coast < 75) {
                Col tint = mix(pal::paper, land(ch).accent, 0.32);
                double n = fbm(62, x / 25.0, y / 25.0, 4);
                c = mix(tint, pal::paperDark, n * 0.5);
                // Border between lands: a darker seam.
                double d2;
                int ch2 = nearestChapter(x + 3, y + 3, d2);
                if (ch2 != ch) c = mix(c, hex(0x8a6a3a), 0.5);
                if (coast > 62) c = mix(c, hex(0x6a4a22), (coast - 62) / 13.0 * 0.8);
            } else {
                double depth = std::min(1.0, (coast - 75) / 140.0);
                c = mix(hex(0x7ac0c8), hex(0x2a6a86), depth);
                double wave = std::sin((coast - 75) * 0.35);
                if (coast < 140 && wave > 0.93) c = lighten(c, 0.35);
            }
            row[x] = 0xff000000u | (uint32_t(c.r * 255) << 16) | (uint32_t(c.g * 255) << 8) | uint32_t(c.b * 255);
        }
    }
    img.dirty();
    cairo_t* cr = img.cr();
    // Land icons in open places near each chapter's points.
    for (int ch = 1; ch <= 8; ++ch) {
        double sx = 0, sy = 0;
        for (int i = 0; i < 10; ++i) sx += kLevelPoints[(ch - 1) * 10 + i][0], sy += kLevelPoints[(ch - 1) * 10 + i][1];
        sx /= 10;
        sy /= 10;
        double bx = sx, by = sy, bestMin = -1;
        for (int a = 0; a < 36; ++a)
            for (double r : {0.0, 20.0, 40.0, 60.0}) {
                double cx = sx + r * std::cos(a * M_PI / 18), cy = sy + r * std::sin(a * M_PI / 18);
                if (cx < 40 || cx > 984 || cy < 60 || cy > 600) continue;
                bool onLabel = false;
                for (const MapLabelBox& b : kMapLabels)
                    onLabel |= std::abs(cx - b.x) < b.w / 2.0 + 26 && std::abs(cy - b.y) < b.h / 2.0 + 26;
                if (onLabel) continue;
                double mind = 1e9;
                for (int i = 0; i < 80; ++i) mind = std::min(mind, std::hypot(cx - kLevelPoints[i][0], cy - kLevelPoints[i][1]));
                if (mind > bestMin) bestMin = mind, bx = cx, by = cy;
            }
        Col c = darken(land(ch).near, 0.1);
        switch (ch) {
        case 1: palm(cr, bx, by + 16, 36, c); break;
        case 2:
            polygon(cr, {bx - 20, by + 14, bx, by - 12, bx + 20, by + 14});
            fillWith(cr, linear(bx - 20, 0, bx + 20, 0, hex(0xf0c080), hex(0xa06a30)));
            break;
        case 3: pine(cr, bx, by + 18, 40, c); break;
        case 4: crystal(cr, bx, by + 16, 34, land(4).accent); break;
        case 5:
            polygon(cr, {bx - 24, by + 16, bx - 6, by - 14, bx + 6, by - 14, bx + 24, by + 16});
            fillWith(cr, linear(0, by - 14, 0, by + 16, hex(0x8a3a3a), hex(0x3a1a1a)));
            glow(cr, bx, by - 14, 14, land(5).accent, 0.8);
            break;
        case 6:
            polygon(cr, {bx - 22, by + 16, bx, by - 16, bx + 22, by + 16});
            fillWith(cr, linear(bx - 22, 0, bx + 22, 0, pal::white, hex(0x6a8ab8)));
            break;
        case 7: column(cr, bx, by + 16, 34, hex(0xd8d0c0), false); break;
        default:
            glow(cr, bx, by, 26, land(8).accent, 0.6);
            star(cr, bx, by, 14, 5, 5, 0);
            setCol(cr, pal::gold);
            cairo_fill(cr);
            break;
        }
    }
    // The path: a dashed trail through the 80 points (Catmull-Rom).
    auto P = [&](int i) {
        i = std::clamp(i, 0, 79);
        return std::pair<double, double>(kLevelPoints[i][0], kLevelPoints[i][1]);
    };
    cairo_new_path(cr);
    cairo_move_to(cr, P(0).first, P(0).second);
    for (int i = 0; i < 79; ++i) {
        auto p0 = P(i - 1), p1 = P(i), p2 = P(i + 1), p3 = P(i + 2);
        cairo_curve_to(cr, p1.first + (p2.first - p0.first) / 6, p1.second + (p2.second - p0.second) / 6,
                       p2.first - (p3.first - p1.first) / 6, p2.second - (p3.second - p1.second) / 6, p2.first, p2.second);
    }
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_width(cr, 9);
    setColA(cr, hex(0xfff2d0), 0.7);
    cairo_stroke_preserve(cr);
    double dash[2] = {9, 8};
    cairo_set_dash(cr, dash, 2, 0);
    cairo_set_line_width(cr, 3.5);
    setCol(cr, hex(0x8a3a1a));
    cairo_stroke(cr);
    cairo_set_dash(cr, nullptr, 0, 0);
    // Every point's resting place: a small ring on the path.
    for (int i = 0; i < 80; ++i) {
        cairo_arc(cr, kLevelPoints[i][0], kLevelPoints[i][1], (i % 10 == 9) ? 16 : 10, 0, 2 * M_PI);
        setColA(cr, hex(0x6a4a22), 0.35);
        cairo_fill(cr);
    }
    // Compass rose in the open sea to the lower right, clear of the bottom bar.
    drawCompass(cr, 735, 618, 28);
    Col outline = hex(0xfff2d0);
    for (int ch = 1; ch <= 8; ++ch) {
        // the scene keeps points clear of these boxes, so a name never leaves its box
        const MapLabelBox& b = kMapLabels[ch - 1];
        const std::string name = say("paint.land" + std::to_string(ch));
        double size = 22;
        cairo_text_extents_t e;
        for (;; size -= 1) {
            useFace(cr, Face::Script, size);
            cairo_text_extents(cr, name.c_str(), &e);
            if ((e.width + 8 <= b.w && e.height + 8 <= b.h) || size <= 10) break;
        }
        checkFit(cr, name, b.w - 8, "its map label box");
        drawText(cr, name, b.x, b.y - (e.y_bearing + e.height / 2), 1, hex(0x4a2a12), &outline, 2, 0);
    }
    grain(img, 66, 0.03);
    // Burnt paper edge.
    cairo_rectangle(cr, 0, 0, w, h);
    cairo_pattern_t* p = cairo_pattern_create_radial(w / 2.0, h / 2.0, h * 0.45, w / 2.0, h / 2.0, w * 0.72);
    cairo_pattern_add_color_stop_rgba(p, 0, 0, 0, 0, 0);
    cairo_pattern_add_color_stop_rgba(p, 1, 0.2, 0.1, 0.04, 0.55);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
}

void paintWaypoint(Img& img, bool active, bool stage)
{
    double c = img.w() / 2.0;
    Img shape(img.w(), img.h());
    cairo_t* cr = shape.cr();
    if (stage) {
        double r = c - 4;
        star(cr, c, c, r, r * 0.72, 8, 0);
        fillWith(cr, linear(0, 0, 0, img.h(), pal::goldLight, pal::goldDark), true);
        cairo_set_line_width(cr, 1.5);
        setCol(cr, pal::ink);
        cairo_stroke(cr);
        cairo_arc(cr, c, c, r * 0.58, 0, 2 * M_PI);
        // The frontier's land end is red; a land already crossed is green like the finished points.
        setCol(cr, active ? hex(0x8e1428) : hex(0x2f7a4a));
        cairo_fill(cr);
        // A flag: the end of a land.
        cairo_move_to(cr, c - 5, c + 9);
        cairo_line_to(cr, c - 5, c - 10);
        cairo_set_line_width(cr, 2);
        setCol(cr, pal::cream);
        cairo_stroke(cr);
        polygon(cr, {c - 4, c - 10, c + 9, c - 6, c - 4, c - 1});
        setCol(cr, pal::goldLight);
        cairo_fill(cr);
    } else if (active) {
        drawGem(cr, 2, c, c, img.w() - 4);
    } else {
        double r = c - 3;
        cairo_arc(cr, c, c, r, 0, 2 * M_PI);
        fillWith(cr, linear(0, 0, 0, img.h(), pal::goldLight, pal::goldDark), true);
        cairo_set_line_width(cr, 1.5);
        setCol(cr, pal::ink);
        cairo_stroke(cr);
        cairo_arc(cr, c, c, r * 0.55, 0, 2 * M_PI);
        setCol(cr, hex(0x2f7a4a));
        cairo_fill(cr);
        cairo_move_to(cr, c - 3.5, c);
        cairo_line_to(cr, c - 1, c + 3);
        cairo_line_to(cr, c + 4, c - 3);
        cairo_set_line_width(cr, 1.6);
        setCol(cr, pal::cream);
        cairo_stroke(cr);
    }
    shadowOf(img, shape, 1, 2, 1, 0.6);
    paintImg(img, shape, 0, 0);
}

// Story pages: a land, a moment of the expedition and a few lines of text ("paint.storyN.title", ".text").
struct Page {
    int chapter;
    int scene;   // 0 ship at sea, 1 travellers arrive, 2 treasure, 3 harbour
};
// The story's text panel and title ribbon; the text keeps a margin inside each.
constexpr double STORY_PANEL_W = 684, STORY_TITLE_W = 500, STORY_MARGIN = 16;
// Three lines in the large size, or four smaller ones for a language that needs the room.
constexpr int STORY_LINES = 4;

const Page kPages[11] = {
    {1, 0},
    {1, 1},
    {2, 1},
    {3, 1},
    {4, 1},
    {5, 1},
    {6, 1},
    {7, 1},
    {8, 1},
    {8, 2},
    {1, 3},
};

// Props of the travel pages, one moment of each land.
void props(Img& fg, int page)
{
    cairo_t* f = fg.cr();
    switch (page) {
    case 3: {   // a tower half sunk in the sand
        double x = 700, y = 520;
        cairo_rectangle(f, x - 50, y - 170, 100, 170);
        fillWith(f, linear(x - 50, 0, x + 50, 0, hex(0xf0c890), hex(0x9a6a38)));
        for (int i = 0; i < 4; ++i) cairo_rectangle(f, x - 50 + i * 30, y - 190, 18, 22);
        setCol(f, hex(0xd8a868));
        cairo_fill(f);
        roundRect(f, x - 14, y - 130, 28, 44, 12);
        setCol(f, hex(0x4a2a18));
        cairo_fill(f);
        cairo_move_to(f, x - 160, y + 10);
        cairo_curve_to(f, x - 60, y - 50, x + 60, y - 40, x + 170, y + 10);
        cairo_close_path(f);
        fillWith(f, linear(0, y - 50, 0, y + 10, hex(0xf6d49a), hex(0xc98a4a)));
        break;
    }
    case 4: {   // a campfire under the pines
        double x = 520, y = 520;
        glow(f, x, y - 30, 160, pal::gold, 0.5);
        for (int i = 0; i < 3; ++i) {
            cairo_save(f);
            cairo_translate(f, x, y);
            cairo_rotate(f, -0.5 + i * 0.5);
            roundRect(f, -40, -6, 80, 12, 6);
            cairo_restore(f);
            setCol(f, pal::woodDark);
            cairo_fill(f);
        }
        polygon(f, {x - 26, y - 4, x - 10, y - 60, x + 2, y - 30, x + 12, y - 78, x + 28, y - 4});
        fillWith(f, linear(0, y - 78, 0, y, hex(0xffe08a), hex(0xf06a2a)));
        break;
    }
    case 5: {   // the mouth of the cave frames the crew
        cairo_rectangle(f, 0, 0, 1024, 768);
        cairo_move_to(f, 140, 768);
        cairo_curve_to(f, 150, 120, 874, 120, 884, 768);
        cairo_close_path(f);
        cairo_set_fill_rule(f, CAIRO_FILL_RULE_EVEN_ODD);
        setColA(f, hex(0x1a0e2e), 0.85);
        cairo_fill(f);
        cairo_set_fill_rule(f, CAIRO_FILL_RULE_WINDING);
        for (int i = 0; i < 6; ++i) crystal(f, 170 + i * 30 + (i > 2 ? 560 : 0), 560 - (i % 3) * 60, 70, land(4).accent);
        break;
    }
    case 6: {   // a river of glowing lava
        cairo_move_to(f, 0, 600);
        cairo_curve_to(f, 300, 560, 600, 640, 1024, 580);
        cairo_line_to(f, 1024, 620);
        cairo_curve_to(f, 600, 680, 300, 600, 0, 640);
        cairo_close_path(f);
        fillWith(f, linear(0, 560, 0, 680, hex(0xffd36a), hex(0xe0361a)));
        glow(f, 512, 610, 400, hex(0xff8a3a), 0.3);
        break;
    }
    case 9: {   // the great doors of the temple
        drawItem(fg, 18, 760, 470, 240, false);
        break;
    }
    default: break;
    }
}

void paintStory(Img& img, int page)
{
    const Page& pg = kPages[page - 1];
    landscape(img, pg.chapter, 700 + uint64_t(page) * 13);
    cairo_t* cr = img.cr();
    Img fg(1024, 768);
    cairo_t* f = fg.cr();
    switch (pg.scene) {
    case 0: {
        // The map spread out on the captain's table.
        drawParchment(fg, 250, 170, 520, 330, 20, 90 + uint64_t(page));
        for (int i = 0; i < 79; ++i) {
            double x0 = 280 + kLevelPoints[i][0] * 0.45, y0 = 190 + kLevelPoints[i][1] * 0.38;
            double x1 = 280 + kLevelPoints[i + 1][0] * 0.45, y1 = 190 + kLevelPoints[i + 1][1] * 0.38;
            cairo_move_to(f, x0, y0);
            cairo_line_to(f, x1, y1);
        }
        double dash[2] = {5, 4};
        cairo_set_dash(f, dash, 2, 0);
        cairo_set_line_width(f, 2);
        setCol(f, hex(0x8a3a1a));
        cairo_stroke(f);
        cairo_set_dash(f, nullptr, 0, 0);
        drawCompass(f, 700, 440, 34);
        for (int i = 0; i < 5; ++i) drawGem(f, i + 1, 330 + i * 60, 520, 40);
        break;
    }
    case 1: {
        props(fg, page);
        if (page == 2) ship(f, 700, 500, 260);
        static const double crewX[12] = {0, 0, 240, 240, 220, 430, 300, 250, 420, 400, 0, 0};
        explorers(f, crewX[page], 520, 120, 3);
        break;
    }
    case 2: {
        glow(f, 512, 300, 300, pal::gold, 0.55);
        for (int i = 0; i < 8; ++i) {
            double a = -M_PI / 2 + i * M_PI / 4;
            drawGem(f, i % 5 + 1, 512 + 150 * std::cos(a), 300 + 120 * std::sin(a), 50);
        }
        star(f, 512, 300, 70, 18, 8, 0);
        setColA(f, pal::cream, 0.9);
        cairo_fill(f);
        explorers(f, 430, 540, 110, 3);
        break;
    }
    default: {
        // A harbour: piers, houses and the ship at rest.
        for (int i = 0; i < 6; ++i) {
            double hx = 60 + i * 70, hy = 470;
            cairo_rectangle(f, hx, hy - 60, 58, 60);
            fillWith(f, linear(hx, 0, hx + 58, 0, lighten(hex(0xd8c8a8), 0.1), hex(0x9a8a70)));
            polygon(f, {hx - 6, hy - 60, hx + 29, hy - 95, hx + 64, hy - 60});
            setCol(f, i % 2 ? hex(0xb8473a) : hex(0x2a6a8a));
            cairo_fill(f);
            cairo_rectangle(f, hx + 20, hy - 42, 16, 16);
            setCol(f, pal::goldLight);
            cairo_fill(f);
        }
        cairo_rectangle(f, 40, 470, 470, 14);
        setCol(f, pal::woodDark);
        cairo_fill(f);
        ship(f, 720, 500, 240);
        explorers(f, 250, 530, 100, 3);
        break;
    }
    }
    shadowOf(img, fg, 4, 8, 8, 0.45);
    paintImg(img, fg, 0, 0);
    vignette(img, 0.45);
    // Title ribbon at the top.
    Img ttl(1024, 768);
    cairo_t* t = ttl.cr();
    roundRect(t, 262, 26, 500, 64, 20);
    fillWith(t, linear(0, 26, 0, 90, hex(0x1f5568, 0.92), hex(0x0c2230, 0.92)), true);
    cairo_set_line_width(t, 3);
    setCol(t, pal::gold);
    cairo_stroke(t);
    useFace(t, Face::Title, 34);
    Col outline = hex(0x3a1e08);
    const std::string key = "paint.story" + std::to_string(page);
    const std::string title = say(key + ".title");
    checkFit(t, title, STORY_TITLE_W - 2 * STORY_MARGIN, "the story title ribbon");
    drawText(t, title, 512, 70, 1, pal::goldLight, &outline, 2.5, 0.4);
    shadowOf(img, ttl, 2, 5, 5, 0.5);
    paintImg(img, ttl, 0, 0);
    // The text panel leaves the page buttons at (100, 710) and (900, 710) clear.
    drawParchment(img, 512 - STORY_PANEL_W / 2, 580, STORY_PANEL_W, 156, 18, 300 + uint64_t(page));
    const std::vector<std::string> lines = sayLines(key + ".text");
    if ((int)lines.size() > STORY_LINES) paintError(key + ".text has more than " + std::to_string(STORY_LINES) + " lines");
    const bool four = lines.size() > 3;
    useFace(cr, Face::BodyBold, four ? 20 : 22);
    for (int i = 0; i < (int)lines.size() && i < STORY_LINES; ++i) {
        checkFit(cr, lines[i], STORY_PANEL_W - 2 * STORY_MARGIN, "the story text panel");
        drawText(cr, lines[i], 512, (four ? 614 : 624) + i * (four ? 27 : 34), 1, hex(0x3a2412));
    }
    useFace(cr, Face::Body, 15);
    drawText(cr, std::to_string(page) + " / 11", 512, 728, 1, hex(0x7a5a3a));
    grain(img, 800 + uint64_t(page), 0.015);
    liftBlack(img, 14);
}

}  // namespace

void addSceneArt(Painters& p)
{
    for (int i = 1; i <= 8; ++i) p["bg/bg" + std::to_string(i) + ".jpg"] = [i](Img& img) { paintBoardBg(img, i); };
    p["bg/menubg.jpg"] = paintMenuBg;
    p["bg/loadbg.jpg"] = paintLoadBg;
    p["branding/studio.jpg"] = paintStudio;
    p["branding/title.jpg"] = paintTitle;
    p["roadmap/roadmap.png"] = paintRoadmap;
    p["roadmap/waypoint-aktiv.png"] = [](Img& img) { paintWaypoint(img, true, false); };
    p["roadmap/waypoint-inaktiv.png"] = [](Img& img) { paintWaypoint(img, false, false); };
    p["roadmap/stage-waypoint-aktiv.png"] = [](Img& img) { paintWaypoint(img, true, true); };
    p["roadmap/stage-waypoint-inaktiv.png"] = [](Img& img) { paintWaypoint(img, false, true); };
    for (int i = 1; i <= 11; ++i) p["story/story" + std::to_string(i) + ".jpg"] = [i](Img& img) { paintStory(img, i); };
}

}  // namespace art
