// Board art: cell strips, border pieces, moss, highlights, hint arrows, bars, signs and power-up buttons.
#include <algorithm>
#include <cmath>

#include "content/pictures/manifest.h"
#include "content/pictures/painters.h"

namespace art {

namespace {

const Col kGrout = hex(0x0b1622, 0.82);
const Col kTile = hex(0x1d3550, 0.74);

void paintTile(cairo_t* cr, double x, double y, int row)
{
    cairo_rectangle(cr, x, y, kCell, kCell);
    setCol(cr, kGrout);
    cairo_fill(cr);
    Col t = row % 2 ? lighten(kTile, 0.04) : kTile;
    roundRect(cr, x + 1.5, y + 1.5, kCell - 3, kCell - 3, 6);
    fillWith(cr, linear(x, y, x + kCell, y + kCell, lighten(t, 0.12), darken(t, 0.1)), true);
    cairo_set_line_width(cr, 1.0);
    setColA(cr, pal::glassLight, 0.16);
    cairo_stroke(cr);
    // Light edge top-left, shade bottom-right.
    cairo_move_to(cr, x + 3, y + kCell - 8);
    cairo_line_to(cr, x + 3, y + 3);
    cairo_line_to(cr, x + kCell - 8, y + 3);
    cairo_set_line_width(cr, 1.5);
    setColA(cr, pal::white, 0.12);
    cairo_stroke(cr);
    glow(cr, x + kCell / 2.0, y + kCell / 2.0, kCell * 0.45, pal::glass, 0.06);
}

// The board rim as a field: every pixel's distance to the cells present around the piece decides its
// colour and shading, so neighbouring pieces meet without seams.
struct Hood {
    bool cell[3][3];   // [dy+1][dx+1]
};

Hood hoodFor(int id)
{
    // Flags N S W E NE SE SW NW with -1 for "either".
    static const int t[25][8] = {
        {},
        {0, -1, 1, 1, 0, -1, -1, 0},  {-1, 0, 1, 1, -1, 0, 0, -1}, {1, 1, 0, -1, -1, -1, 0, 0},  {1, 1, -1, 0, 0, 0, -1, -1},
        {0, -1, 0, 1, 0, -1, 0, -1},  {0, -1, 1, 0, -1, 0, -1, 0}, {-1, 0, 1, 0, 0, -1, 0, -1},  {-1, 0, 0, 1, -1, 0, -1, 0},
        {1, -1, -1, 0, -1, 1, -1, -1}, {1, -1, 0, -1, -1, -1, 1, -1}, {0, -1, -1, 1, -1, -1, -1, 1}, {0, -1, 1, -1, 1, -1, -1, -1},
        {-1, 1, -1, 0, 1, -1, -1, -1}, {-1, 1, 0, -1, -1, -1, -1, 1}, {-1, 0, -1, 1, -1, -1, 1, -1}, {-1, 0, 1, -1, -1, 1, -1, -1},
        {-1, 0, 0, 1, -1, 0, -1, 1},  {-1, 0, 1, 0, 1, -1, 0, -1}, {0, -1, 1, 0, -1, 1, -1, 0},  {0, -1, 0, 1, 0, -1, 1, -1},
        {0, 1, -1, 0, -1, 0, -1, 1},  {0, 1, 0, -1, 1, -1, 0, -1}, {1, 0, 0, -1, -1, 1, -1, 0},  {1, 0, -1, 0, 0, -1, 1, -1},
    };
    const int* f = t[id];
    auto orth = [&](int i) { return f[i] != 0; };   // "either" counts as a cell
    bool N = orth(0), S = orth(1), W = orth(2), E = orth(3);
    auto diag = [&](int i, bool a, bool b) { return f[i] == -1 ? (a && b) : f[i] == 1; };
    Hood h{};
    h.cell[1][1] = true;
    h.cell[0][1] = N;
    h.cell[2][1] = S;
    h.cell[1][0] = W;
    h.cell[1][2] = E;
    h.cell[0][2] = diag(4, N, E);
    h.cell[2][2] = diag(5, S, E);
    h.cell[2][0] = diag(6, S, W);
    h.cell[0][0] = diag(7, N, W);
    return h;
}

// Rim pixel of a point (cell coordinates: the centre cell spans 0..48); returns premultiplied ARGB.
uint32_t rimPixel(const Hood& h, double px, double py)
{
    const double R = 15.0;
    double best = 1e9, bx = 0, by = 0;
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) {
            if (!h.cell[dy + 1][dx + 1]) continue;
            double x0 = dx * kCell, y0 = dy * kCell;
            double qx = std::clamp(px, x0, x0 + kCell), qy = std::clamp(py, y0, y0 + kCell);
            double d = std::hypot(px - qx, py - qy);
            if (d < best) best = d, bx = px - qx, by = py - qy;
        }
    if (best <= 0.0) return 0;
    double d = best;
    double nx = bx / d, ny = by / d;
    double a = 1.0, r, g, b;
    if (d <= R) {
        double t = d / R;
        // A rounded gold moulding: rises, crests, falls; lit from the top-left.
        double slope = std::cos(t * M_PI);
        double lit = -(nx * -0.7071 + ny * -0.7071) * slope;   // >0 faces the light
        double shade = 0.55 + 0.45 * lit;
        Col lo = hex(0x7a4e16), hi = hex(0xffe3a0);
        Col c = mix(lo, hi, std::clamp(shade, 0.0, 1.0));
        if (t > 0.86) c = mix(c, pal::ink, (t - 0.86) / 0.14 * 0.7);
        if (t < 0.12) c = mix(pal::ink, c, 0.4 + t / 0.12 * 0.6);
        r = c.r, g = c.g, b = c.b;
        double edge = std::clamp(R + 0.5 - d, 0.0, 1.0);
        a = edge;
        if (d < 1.0) a = std::clamp(d + 0.3, 0.0, 1.0);
    } else {
        // Soft shadow beyond the rim, stronger to the lower right.
        double t = (d - R) / 3.0;
        if (t >= 1.0) return 0;
        double dir = 0.6 + 0.4 * (nx * 0.7071 + ny * 0.7071);
        a = (1 - t) * 0.45 * dir;
        r = pal::ink.r, g = pal::ink.g, b = pal::ink.b;
    }
    uint32_t A = uint32_t(std::lround(a * 255));
    uint32_t Rr = uint32_t(std::lround(r * a * 255)), G = uint32_t(std::lround(g * a * 255)),
             B = uint32_t(std::lround(b * a * 255));
    return (A << 24) | (Rr << 16) | (G << 8) | B;
}

void paintBorder(Img& img, int id)
{
    int ox = -kRim, oy = -kRim;
    for (const BorderOffset& b : borderOffsets())
        if (b.id == id) ox = b.ox, oy = b.oy;
    Hood h = hoodFor(id);
    img.flush();
    const int ss = 3;   // supersampling for clean curves
    for (int y = 0; y < img.h(); ++y) {
        uint32_t* row = img.row(y);
        for (int x = 0; x < img.w(); ++x) {
            uint32_t acc[4] = {0, 0, 0, 0};
            for (int sy = 0; sy < ss; ++sy)
                for (int sx = 0; sx < ss; ++sx) {
                    uint32_t p = rimPixel(h, ox + x + (sx + 0.5) / ss, oy + y + (sy + 0.5) / ss);
                    for (int c = 0; c < 4; ++c) acc[c] += (p >> (c * 8)) & 255;
                }
            uint32_t out = 0;
            for (int c = 0; c < 4; ++c) out |= ((acc[c] + ss * ss / 2) / (ss * ss)) << (c * 8);
            row[x] = out;
        }
    }
    img.dirty();
}

void paintMoss(Img& img)
{
    img.flush();
    for (int y = 0; y < 48; ++y) {
        uint32_t* row = img.row(y);
        for (int x = 0; x < 48; ++x) {
            double n = fbm(51, x / 9.0, y / 9.0, 4);
            double edge = std::min(std::min(x, 47 - x), std::min(y, 47 - y)) / 6.0;
            double v = n + std::min(edge, 1.0) * 0.45 - 0.35;
            if (v <= 0) {
                row[x] = 0;
                continue;
            }
            double a = std::min(1.0, v * 4.0) * 0.92;
            double l = fbm(77, x / 4.0, y / 4.0, 3);
            Col c = mix(hex(0x2f5a18), hex(0x9ad04a), l * 0.9 + (47 - y) / 47.0 * 0.15);
            row[x] = (uint32_t(a * 255) << 24) | (uint32_t(c.r * a * 255) << 16) | (uint32_t(c.g * a * 255) << 8) |
                     uint32_t(c.b * a * 255);
        }
    }
    img.dirty();
    cairo_t* cr = img.cr();
    Rng rng(5);
    for (int i = 0; i < 9; ++i) {
        double x = rng.range(6, 42), y = rng.range(6, 42);
        cairo_arc(cr, x, y, rng.range(1.2, 2.2), 0, 2 * M_PI);
        setColA(cr, hex(0xd8f59a), 0.8);
        cairo_fill(cr);
    }
}

void paintArrow(Img& img, int dir)
{
    cairo_t* cr = img.cr();
    cairo_translate(cr, 16, 16);
    double rot = dir == 1 ? 0 : dir == 2 ? M_PI : dir == 3 ? M_PI / 2 : -M_PI / 2;
    cairo_rotate(cr, rot);
    polygon(cr, {-12, -5, 2, -5, 2, -11, 13, 0, 2, 11, 2, 5, -12, 5});
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_width(cr, 3);
    setColA(cr, pal::ink, 0.9);
    cairo_stroke_preserve(cr);
    fillWith(cr, linear(0, -11, 0, 11, pal::cream, pal::gold));
}

// Horizontal band of the top bar: teal body, gold trim along its lower edge, a short soft shadow.
void band(Img& img, double y0, double y1)
{
    Img shape(img.w(), img.h());
    cairo_t* cr = shape.cr();
    cairo_rectangle(cr, -10, y0, img.w() + 20, y1 - y0);
    fillWith(cr, linear(0, y0, 0, y1, hex(0x245a6e), hex(0x102a3a)));
    cairo_rectangle(cr, -10, y1 - 4, img.w() + 20, 4);
    fillWith(cr, linear(0, 0, img.w(), 0, pal::goldDark, pal::goldLight));
    cairo_rectangle(cr, -10, y1 - 6, img.w() + 20, 1.5);
    setColA(cr, pal::ink, 0.6);
    cairo_fill(cr);
    shadowOf(img, shape, 0, 2, 2, 0.55);
    paintImg(img, shape, 0, 0);
}

void plate(cairo_t* cr, double x, double y, double w, double h)
{
    roundRect(cr, x, y, w, h, h / 2);
    fillWith(cr, linear(0, y, 0, y + h, hex(0x0b1a26), hex(0x18384a)), true);
    cairo_set_line_width(cr, 2);
    setCol(cr, pal::goldDark);
    cairo_stroke(cr);
    roundRect(cr, x + 2.5, y + 2.5, w - 5, h - 5, (h - 5) / 2);
    cairo_set_line_width(cr, 1);
    setColA(cr, pal::goldLight, 0.35);
    cairo_stroke(cr);
}

void hourglass(cairo_t* cr, double cx, double cy, double s)
{
    polygon(cr, {cx - s * 0.4, cy - s * 0.5, cx + s * 0.4, cy - s * 0.5, cx + s * 0.05, cy, cx + s * 0.4, cy + s * 0.5,
                 cx - s * 0.4, cy + s * 0.5, cx - s * 0.05, cy});
    setCol(cr, pal::glassLight);
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, s * 0.1);
    setCol(cr, pal::goldDark);
    cairo_stroke(cr);
    polygon(cr, {cx - s * 0.22, cy + s * 0.42, cx + s * 0.22, cy + s * 0.42, cx, cy + s * 0.18});
    setCol(cr, pal::topaz);
    cairo_fill(cr);
}

// The board's second row starts at y = 52 and a board may fill it: nothing of the bar reaches that far.
constexpr int TOPBAR_FLOOR = 52;

void paintTopBar(Img& img)
{
    band(img, 0, 45);
    cairo_t* cr = img.cr();
    // The goal cradle hangs a little lower, just deep enough for the counts under the gems.
    Img cradle(img.w(), img.h());
    cairo_t* c2 = cradle.cr();
    roundRect(c2, 380, -12, 264, 63, 12);
    fillWith(c2, linear(0, 20, 0, 51, hex(0x1c4a5c), hex(0x0e2433)), true);
    cairo_set_line_width(c2, 1.5);
    setCol(c2, pal::gold);
    cairo_stroke(c2);
    shadowOf(img, cradle, 0, 1, 1, 0.5);
    paintImg(img, cradle, 0, 0);
    for (int i = 0; i < 5; ++i) {
        double x = 412 + 50 * i;
        cairo_arc(cr, x, 21, 19, 0, 2 * M_PI);
        fillWith(cr, radial(x, 24, 2, 19, hex(0x0a1520), hex(0x1a3446)), true);
        cairo_set_line_width(cr, 1.5);
        setColA(cr, pal::goldLight, 0.5);
        cairo_stroke(cr);
    }
    // Moss count, time and points slots.
    plate(cr, 60, 6, 100, 26);
    cairo_arc(cr, 78, 19, 9, 0, 2 * M_PI);
    fillWith(cr, radial(75, 16, 1, 10, hex(0xb6e36a), hex(0x3b6d1c)));
    plate(cr, 188, 6, 124, 26);
    hourglass(cr, 204, 19, 16);
    plate(cr, 710, 6, 180, 26);
    star(cr, 726, 19, 9, 4, 5, 0);
    setCol(cr, pal::gold);
    cairo_fill(cr);
    star(cr, 874, 19, 9, 4, 5, 0);
    cairo_fill(cr);
    // Socket for the menu button.
    cairo_arc(cr, 937, 29, 21.5, 0, 2 * M_PI);
    fillWith(cr, radial(937, 32, 5, 22, hex(0x0a1520), hex(0x1f4558)), true);
    cairo_set_line_width(cr, 2);
    setCol(cr, pal::goldDark);
    cairo_stroke(cr);
    grain(img, 8, 0.03);
    // Shadow tails end here too.
    cairo_rectangle(cr, 0, TOPBAR_FLOOR, img.w(), img.h() - TOPBAR_FLOOR);
    cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
    cairo_fill(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
}

// The bar is drawn over the power-up buttons, so each button sits in a cradle: a clear hole where its
// artwork is, a gold rim below it, and the teal strip only between and under the buttons.
void paintLongBar(Img& img)
{
    const double xs[4] = {80, 350, 672, 940};
    const double cy = 7, hole = 47.5, rim = 54, collar = rim + 1;
    Img shape(img.w(), img.h());
    cairo_t* cr = shape.cr();
    auto teal = [&](double y0, double y1) { return linear(0, y0, 0, y1, hex(0x2a6478), hex(0x0f2a3a)); };
    cairo_rectangle(cr, -10, 20, img.w() + 20, img.h());
    fillWith(cr, teal(20, 70));
    cairo_rectangle(cr, -10, 20, img.w() + 20, 4);
    fillWith(cr, linear(0, 0, img.w(), 0, pal::goldDark, pal::goldLight));
    cairo_rectangle(cr, -10, 24, img.w() + 20, 1.5);
    setColA(cr, pal::ink, 0.6);
    cairo_fill(cr);
    // Recessed panels carrying the ornament between the cradles.
    for (int i = 0; i < 3; ++i) {
        double x0 = xs[i] + collar + 10, x1 = xs[i + 1] - collar - 10, mid = (x0 + x1) / 2;
        roundRect(cr, x0, 31, x1 - x0, 22, 11);
        fillWith(cr, linear(0, 31, 0, 53, hex(0x0b1c28), hex(0x1a4052)), true);
        cairo_set_line_width(cr, 1.5);
        setCol(cr, pal::goldDark);
        cairo_stroke(cr);
        cairo_move_to(cr, x0 + 14, 42);
        cairo_line_to(cr, mid - 16, 42);
        cairo_move_to(cr, mid + 16, 42);
        cairo_line_to(cr, x1 - 14, 42);
        cairo_set_line_width(cr, 1.5);
        setColA(cr, pal::goldLight, 0.55);
        cairo_stroke(cr);
        for (double dx : {x0 + 10, x1 - 10}) {
            cairo_arc(cr, dx, 42, 2.2, 0, 2 * M_PI);
            setColA(cr, pal::goldLight, 0.7);
            cairo_fill(cr);
        }
        drawCompass(cr, mid, 42, 12);
    }
    for (double x : xs) {
        // The collar: the lower half of a disc, rising a little above the strip's trim.
        cairo_save(cr);
        cairo_rectangle(cr, x - collar - 2, cy - 2, 2 * collar + 4, img.h());
        cairo_clip(cr);
        cairo_arc(cr, x, cy, collar, 0, 2 * M_PI);
        fillWith(cr, teal(cy, cy + collar));
        cairo_restore(cr);
        cairo_save(cr);
        cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
        cairo_arc(cr, x, cy, hole, 0, 2 * M_PI);
        cairo_fill(cr);
        cairo_restore(cr);
        // Gold rim, lit from the top-left, its ends rounded where it leaves the bar.
        double mid = (hole + rim) / 2, a0 = -0.05, a1 = M_PI + 0.05;
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_arc(cr, x, cy, mid, a0, a1);
        cairo_set_line_width(cr, rim - hole + 2.5);
        setCol(cr, pal::ink);
        cairo_stroke(cr);
        cairo_pattern_t* g = linear(x - rim, cy - rim * 0.3, x + rim, cy + rim, pal::goldLight, pal::goldDark);
        cairo_set_source(cr, g);
        cairo_pattern_destroy(g);
        cairo_arc(cr, x, cy, mid, a0, a1);
        cairo_set_line_width(cr, rim - hole);
        cairo_stroke(cr);
        cairo_arc(cr, x, cy, mid - 1.2, M_PI * 0.55, M_PI + 0.02);
        cairo_set_line_width(cr, 1.6);
        setColA(cr, pal::cream, 0.75);
        cairo_stroke(cr);
        for (double a : {0.55, M_PI / 2, M_PI - 0.55}) {
            cairo_arc(cr, x + mid * std::cos(a), cy + mid * std::sin(a), 1.8, 0, 2 * M_PI);
            setCol(cr, pal::woodDark);
            cairo_fill(cr);
        }
    }
    shadowOf(img, shape, 1, -3, 4, 0.55);
    paintImg(img, shape, 0, 0);
    grain(img, 9, 0.03);
    // Neither the shadow nor the grain may dim the buttons' artwork.
    cairo_t* out = img.cr();
    cairo_save(out);
    cairo_set_operator(out, CAIRO_OPERATOR_CLEAR);
    for (double x : xs) {
        cairo_arc(out, x, cy, hole - 0.5, 0, 2 * M_PI);
        cairo_fill(out);
    }
    cairo_restore(out);
}

// A ribbon banner with a title, used by the start sign and the chapter picture.
void banner(Img& img, double cx, double cy, double w, double h, const std::string& text, double size)
{
    Img shape(img.w(), img.h());
    cairo_t* cr = shape.cr();
    // Ribbon tails.
    for (int s : {-1, 1}) {
        double x0 = cx + s * (w / 2 - 10), x1 = cx + s * (w / 2 + 36);
        polygon(cr, {x0, cy - h * 0.3, x1, cy - h * 0.3, x1 - s * 16, cy + h * 0.05, x1, cy + h * 0.42, x0, cy + h * 0.42});
        fillWith(cr, linear(0, cy - h * 0.3, 0, cy + h * 0.4, hex(0xb8273a), hex(0x6a1020)));
    }
    roundRect(cr, cx - w / 2, cy - h / 2, w, h, 14);
    fillWith(cr, linear(0, cy - h / 2, 0, cy + h / 2, hex(0xe8394e), hex(0x8e1428)), true);
    cairo_set_line_width(cr, 4);
    setCol(cr, pal::gold);
    cairo_stroke(cr);
    roundRect(cr, cx - w / 2 + 6, cy - h / 2 + 6, w - 12, h - 12, 10);
    cairo_set_line_width(cr, 1.5);
    setColA(cr, pal::goldLight, 0.6);
    cairo_stroke(cr);
    useFace(cr, Face::Title, size);
    Col outline = hex(0x4a0c18);
    checkFit(cr, text, w - 36, "its banner");
    drawText(cr, text, cx, cy + size * 0.33, 1, pal::cream, &outline, 3, 0.5);
    shadowOf(img, shape, 3, 6, 6, 0.55);
    paintImg(img, shape, 0, 0);
}

void paintPlaySign(Img& img)
{
    cairo_t* cr = img.cr();
    glow(cr, 220, 75, 150, pal::gold, 0.35);
    banner(img, 220, 78, 330, 92, say("paint.gameon"), 52);
}

void paintVictory(Img& img)
{
    cairo_t* cr = img.cr();
    glow(cr, 320, 200, 300, pal::gold, 0.45);
    Img rays(512, 512);
    cairo_t* rc = rays.cr();
    for (int i = 0; i < 20; ++i) {
        double a = M_PI * 2 * i / 20;
        polygon(rc, {256, 256, 256 + 256 * std::cos(a - 0.07), 256 + 256 * std::sin(a - 0.07), 256 + 256 * std::cos(a + 0.07),
                     256 + 256 * std::sin(a + 0.07)});
    }
    fillWith(rc, radial(256, 256, 0, 256, Col{1, 0.95, 0.7, 0.55}, Col{1, 0.9, 0.6, 0}));
    paintImg(img, rays, 64, -60);
    // A treasure chest full of the five gems.
    Img chest(img.w(), img.h());
    cairo_t* c = chest.cr();
    double x = 220, y = 150, w = 200, h = 120;
    roundRect(c, x, y + 30, w, h - 30, 10);
    fillWith(c, linear(x, 0, x + w, 0, hex(0xa0632e), pal::woodDark), true);
    cairo_set_line_width(c, 4);
    setCol(c, pal::ink);
    cairo_stroke(c);
    for (int i = 0; i < 5; ++i) drawGem(c, i + 1, x + 30 + i * 35, y + 22 + (i % 2) * 8, 44);
    drawGem(c, 2, x + 60, y + 6, 38);
    drawGem(c, 4, x + 135, y + 4, 40);
    cairo_rectangle(c, x - 4, y + 40, w + 8, 16);
    fillWith(c, linear(0, y + 40, 0, y + 56, pal::goldLight, pal::goldDark));
    roundRect(c, x + w / 2 - 16, y + 50, 32, 36, 6);
    fillWith(c, linear(0, y + 50, 0, y + 86, pal::goldLight, pal::goldDark));
    cairo_arc(c, x + w / 2, y + 64, 5, 0, 2 * M_PI);
    setCol(c, pal::ink);
    cairo_fill(c);
    shadowOf(img, chest, 4, 8, 6, 0.5);
    paintImg(img, chest, 0, 0);
    banner(img, 320, 330, 460, 100, say("paint.victory"), 50);
    Rng rng(12);
    for (int i = 0; i < 14; ++i) {
        double sx = rng.range(40, 600), sy = rng.range(20, 260);
        star(cr, sx, sy, rng.range(6, 13), 2, 4, 0);
        setColA(cr, pal::cream, 0.9);
        cairo_fill(cr);
    }
}

Col puColour(int which)
{
    switch (which) {
    case 1: return hex(0xf07a2a);
    case 2: return hex(0x9a5ae0);
    case 3: return hex(0xe0364a);
    default: return hex(0x2fb0c8);
    }
}

void orb(cairo_t* cr, double cx, double cy, double r, const Col& c)
{
    cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
    fillWith(cr, radial(cx - r * 0.3, cy - r * 0.35, r * 0.05, r * 1.15, lighten(c, 0.55), darken(c, 0.5)), true);
    cairo_set_line_width(cr, 3);
    setCol(cr, darken(c, 0.7));
    cairo_stroke(cr);
}

void gloss(cairo_t* cr, double cx, double cy, double r)
{
    cairo_save(cr);
    cairo_translate(cr, cx - r * 0.3, cy - r * 0.45);
    cairo_scale(cr, 1.0, 0.55);
    cairo_arc(cr, 0, 0, r * 0.55, 0, 2 * M_PI);
    cairo_restore(cr);
    fillWith(cr, linear(0, cy - r, 0, cy - r * 0.1, Col{1, 1, 1, 0.65}, Col{1, 1, 1, 0.05}));
}

Col grey(const Col& c)
{
    double l = c.r * 0.3 + c.g * 0.55 + c.b * 0.15;
    return mix(Col{l, l, l, c.a}, hex(0x5a6a78), 0.4);
}

void paintPowerUp(Img& img, int which, const std::string& part)
{
    cairo_t* cr = img.cr();
    double cx = 50, cy = 52, r = 34;
    if (part == "background") {
        Img shape(100, 110);
        cairo_t* s = shape.cr();
        cairo_arc(s, cx, cy, 46, 0, 2 * M_PI);
        fillWith(s, linear(0, cy - 46, 0, cy + 46, pal::goldLight, pal::goldDark), true);
        cairo_set_line_width(s, 2);
        setCol(s, pal::ink);
        cairo_stroke(s);
        cairo_arc(s, cx, cy, 40, 0, 2 * M_PI);
        fillWith(s, radial(cx, cy + 6, 4, 42, hex(0x204a5c), hex(0x07131c)));
        for (int i = 0; i < 8; ++i) {
            double a = i * M_PI / 4;
            cairo_arc(s, cx + 43 * std::cos(a), cy + 43 * std::sin(a), 1.8, 0, 2 * M_PI);
            setCol(s, pal::woodDark);
            cairo_fill(s);
        }
        shadowOf(img, shape, 2, 4, 3, 0.6);
        paintImg(img, shape, 0, 0);
        return;
    }
    if (part == "lock") {
        // Centred on the button's disc, outlined in ink so it reads on the dark glass.
        Img shape(100, 110);
        cairo_t* s = shape.cr();
        double lx = cx, top = cy - 4, bw = 46, bh = 34, sr = 14;
        glow(s, lx, cy, 40, hex(0x07131c), 0.55);
        for (int pass = 0; pass < 2; ++pass) {
            cairo_arc(s, lx, top - 8, sr, M_PI, 2 * M_PI);
            cairo_line_to(s, lx + sr, top + 2);
            cairo_move_to(s, lx - sr, top + 2);
            cairo_line_to(s, lx - sr, top - 8);
            cairo_set_line_width(s, pass ? 6 : 9.5);
            if (pass) {
                cairo_pattern_t* g = linear(lx - sr, 0, lx + sr, 0, hex(0xe4e8ee), hex(0x7d8492));
                cairo_set_source(s, g);
                cairo_pattern_destroy(g);
            } else {
                setCol(s, pal::ink);
            }
            cairo_stroke(s);
        }
        roundRect(s, lx - bw / 2, top, bw, bh, 7);
        fillWith(s, linear(lx - bw / 2, top, lx + bw / 2, top + bh, pal::goldLight, pal::goldDark), true);
        cairo_set_line_width(s, 2.5);
        setCol(s, pal::ink);
        cairo_stroke(s);
        roundRect(s, lx - bw / 2 + 4, top + 4, bw - 8, bh - 8, 4);
        cairo_set_line_width(s, 1.2);
        setColA(s, pal::cream, 0.55);
        cairo_stroke(s);
        cairo_arc(s, lx, top + 13, 5, 0, 2 * M_PI);
        setCol(s, pal::ink);
        cairo_fill(s);
        polygon(s, {lx - 2, top + 14, lx + 2, top + 14, lx + 3, top + 25, lx - 3, top + 25});
        cairo_fill(s);
        shadowOf(img, shape, 2, 3, 2, 0.6);
        paintImg(img, shape, 0, 0);
        return;
    }
    bool ready = part == "ready";
    Col c = ready ? puColour(which) : grey(puColour(which));
    if (ready) glow(cr, cx, cy, 50, lighten(c, 0.3), 0.55);
    orb(cr, cx, cy, r, c);
    Img sym(100, 110);
    drawPowerSymbol(sym.cr(), which, cx, cy, 50, ready ? pal::cream : hex(0xc8ccd0));
    shadowOf(img, sym, 1, 2, 2, 0.7);
    paintImg(img, sym, 0, 0);
    gloss(cr, cx, cy, r);
}

void paintStrip(Img& img)
{
    int n = img.h() / kCell;
    for (int i = 0; i < n; ++i) paintTile(img.cr(), 0, i * kCell, i);
}

void paintCloseButton(Img& img, bool hover)
{
    Img shape(46, 46);
    cairo_t* cr = shape.cr();
    cairo_arc(cr, 23, 22, 19, 0, 2 * M_PI);
    fillWith(cr, linear(0, 3, 0, 41, pal::goldLight, pal::goldDark), true);
    cairo_set_line_width(cr, 2);
    setCol(cr, pal::ink);
    cairo_stroke(cr);
    cairo_arc(cr, 23, 22, 15, 0, 2 * M_PI);
    Col body = hover ? hex(0xe8394e) : hex(0x1f6f80);
    fillWith(cr, radial(19, 17, 1, 17, lighten(body, 0.4), darken(body, 0.35)));
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_width(cr, 4);
    for (int s : {-1, 1}) {
        cairo_move_to(cr, 23 - 6, 22 - 6 * s);
        cairo_line_to(cr, 23 + 6, 22 + 6 * s);
    }
    setCol(cr, pal::cream);
    cairo_stroke(cr);
    gloss(cr, 23, 22, 15);
    shadowOf(img, shape, 1, 2, 2, 0.6);
    if (hover) glow(img.cr(), 23, 22, 23, pal::goldLight, 0.5);
    paintImg(img, shape, 0, 0);
}

}  // namespace

void addBoardArt(Painters& p)
{
    for (int n = 1; n <= kMaxColumnCells; ++n) p["match3/cellrow" + std::to_string(n) + ".png"] = paintStrip;
    for (int id = 1; id <= 24; ++id) p["match3/border" + std::to_string(id) + ".png"] = [id](Img& img) { paintBorder(img, id); };
    p["match3/moss.png"] = paintMoss;
    p["match3/cell.png"] = [](Img& img) {
        roundRect(img.cr(), 2, 2, 44, 44, 9);
        fillWith(img.cr(), radial(24, 24, 4, 32, Col{1, 0.95, 0.75, 0.95}, Col{1, 0.85, 0.4, 0.1}));
    };
    p["match3/cellmark.png"] = [](Img& img) {
        cairo_t* cr = img.cr();
        roundRect(cr, 3, 3, 42, 42, 8);
        setColA(cr, pal::goldLight, 0.25);
        cairo_fill_preserve(cr);
        cairo_set_line_width(cr, 3);
        setCol(cr, pal::gold);
        cairo_stroke(cr);
        roundRect(cr, 6.5, 6.5, 35, 35, 6);
        cairo_set_line_width(cr, 1.2);
        setColA(cr, pal::cream, 0.8);
        cairo_stroke(cr);
    };
    p["match3/cellmask.png"] = [](Img& img) {
        cairo_rectangle(img.cr(), 0, 0, kCell, kCell);
        setCol(img.cr(), pal::white);
        cairo_fill(img.cr());
    };
    for (int i = 1; i <= 4; ++i) p["match3/arrow" + std::to_string(i) + ".png"] = [i](Img& img) { paintArrow(img, i); };
    p["match3/m3uiup.png"] = paintTopBar;
    p["match3/m3uilongbar.png"] = paintLongBar;
    p["texts/gameon.png"] = paintPlaySign;
    p["match3/victory.png"] = paintVictory;
    p["match3/menu.png"] = [](Img& img) { paintCloseButton(img, false); };
    p["match3/menuhover.png"] = [](Img& img) { paintCloseButton(img, true); };
    p["ui/buttons/button_close.png"] = [](Img& img) { paintCloseButton(img, false); };
    p["ui/buttons/button_closehover.png"] = [](Img& img) { paintCloseButton(img, true); };
    const char* names[4] = {"removeline", "removesameitems", "throwexplosive", "replaceallitems"};
    for (int w = 1; w <= 4; ++w)
        for (const char* f : {"ready", "disabled", "background", "lock"})
            p[std::string("powerups/") + names[w - 1] + "/" + f + ".png"] = [w, f](Img& img) { paintPowerUp(img, w, f); };
}

}  // namespace art
