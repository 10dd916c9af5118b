// Gems, obstacles, relic tokens, glow sprites, flashes, dirt, the meteor and its debris.
#include <algorithm>
#include <cmath>

#include "content/pictures/painters.h"

namespace art {

namespace {

const double kLightX = -0.7071, kLightY = -0.7071;

Col gemColour(int kind)
{
    switch (kind) {
    case 1: return pal::ruby;
    case 2: return pal::sapphire;
    case 3: return pal::emerald;
    case 4: return pal::topaz;
    default: return pal::amethyst;
    }
}

// Outline of each gem kind: a different silhouette per colour, so shape alone tells them apart.
std::vector<double> gemOutline(int kind, double cx, double cy, double r)
{
    std::vector<double> p;
    auto add = [&](double x, double y) {
        p.push_back(cx + x * r);
        p.push_back(cy + y * r);
    };
    switch (kind) {
    case 1:   // cushion square
        add(-0.58, -0.92); add(0.58, -0.92); add(0.92, -0.58); add(0.92, 0.58);
        add(0.58, 0.92); add(-0.58, 0.92); add(-0.92, 0.58); add(-0.92, -0.58);
        break;
    case 2:   // round brilliant
        for (int i = 0; i < 16; ++i) {
            double a = M_PI * 2 * i / 16 - M_PI / 2 + M_PI / 16;
            add(0.98 * std::cos(a), 0.98 * std::sin(a));
        }
        break;
    case 3:   // triangle, point up
        add(0.0, -1.02); add(0.22, -0.86); add(1.02, 0.62); add(0.9, 0.86); add(-0.9, 0.86); add(-1.02, 0.62);
        add(-0.22, -0.86);
        break;
    case 4:   // tall rhombus
        add(0.0, -1.04); add(0.8, 0.0); add(0.0, 1.04); add(-0.8, 0.0);
        break;
    default:  // hexagon, point up
        for (int i = 0; i < 6; ++i) {
            double a = M_PI * 2 * i / 6 - M_PI / 2;
            add(0.98 * std::cos(a), 0.98 * std::sin(a));
        }
        break;
    }
    return p;
}

void pathOf(cairo_t* cr, const std::vector<double>& p) { polygon(cr, p); }

}  // namespace

void drawGem(cairo_t* cr, int kind, double cx, double cy, double size)
{
    double r = size * 0.5;
    Col base = gemColour(kind);
    Col dark = darken(base, 0.55), light = lighten(base, 0.55);
    std::vector<double> P = gemOutline(kind, cx, cy, r);
    size_t n = P.size() / 2;
    double tcx = cx - r * 0.06, tcy = cy - r * 0.08;
    double ts = kind == 4 ? 0.42 : 0.5;
    std::vector<double> T(P.size());
    for (size_t i = 0; i < n; ++i) {
        T[2 * i] = tcx + (P[2 * i] - cx) * ts;
        T[2 * i + 1] = tcy + (P[2 * i + 1] - cy) * ts;
    }
    cairo_save(cr);
    // Body.
    pathOf(cr, P);
    fillWith(cr, linear(cx - r, cy - r, cx + r, cy + r, lighten(base, 0.2), darken(base, 0.35)));
    // Crown facets, each lit by how it faces the top-left light.
    for (size_t i = 0; i < n; ++i) {
        size_t j = (i + 1) % n;
        double mx = (P[2 * i] + P[2 * j]) / 2 - cx, my = (P[2 * i + 1] + P[2 * j + 1]) / 2 - cy;
        double len = std::sqrt(mx * mx + my * my);
        double d = len > 0 ? (mx * kLightX + my * kLightY) / len : 0;
        double b1 = 0.5 + 0.45 * d;
        double b2 = 0.5 + 0.32 * d;
        polygon(cr, {P[2 * i], P[2 * i + 1], P[2 * j], P[2 * j + 1], T[2 * j], T[2 * j + 1]});
        setCol(cr, mix(dark, light, b1));
        cairo_fill(cr);
        polygon(cr, {P[2 * i], P[2 * i + 1], T[2 * j], T[2 * j + 1], T[2 * i], T[2 * i + 1]});
        setCol(cr, mix(dark, light, b2 * 0.9 + 0.05));
        cairo_fill(cr);
    }
    // Table.
    pathOf(cr, T);
    fillWith(cr, radial(tcx - r * 0.2, tcy - r * 0.25, 0, r * 0.7, lighten(base, 0.5), base), true);
    setColA(cr, lighten(base, 0.75), 0.7);
    cairo_set_line_width(cr, size * 0.02);
    cairo_stroke(cr);
    // Facet lines.
    cairo_set_line_width(cr, size * 0.015);
    for (size_t i = 0; i < n; ++i) {
        cairo_move_to(cr, P[2 * i], P[2 * i + 1]);
        cairo_line_to(cr, T[2 * i], T[2 * i + 1]);
    }
    setColA(cr, lighten(base, 0.6), 0.35);
    cairo_stroke(cr);
    // Gloss on the upper left.
    cairo_save(cr);
    pathOf(cr, P);
    cairo_clip(cr);
    cairo_save(cr);
    cairo_translate(cr, cx - r * 0.3, cy - r * 0.42);
    cairo_rotate(cr, -0.6);
    cairo_scale(cr, 1.0, 0.5);
    cairo_arc(cr, 0, 0, r * 0.5, 0, 2 * M_PI);
    cairo_restore(cr);
    fillWith(cr, radial(cx - r * 0.3, cy - r * 0.42, 0, r * 0.5, Col{1, 1, 1, 0.75}, Col{1, 1, 1, 0.0}));
    // Bottom-right reflected light.
    glow(cr, cx + r * 0.45, cy + r * 0.5, r * 0.35, lighten(base, 0.4), 0.35);
    cairo_restore(cr);
    // Outline.
    pathOf(cr, P);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_width(cr, size * 0.045);
    setCol(cr, darken(base, 0.72));
    cairo_stroke(cr);
    // Sparkle.
    star(cr, cx - r * 0.38, cy - r * 0.45, r * 0.22, r * 0.05, 4, 0);
    setColA(cr, pal::white, 0.95);
    cairo_fill(cr);
    cairo_restore(cr);
}

namespace {

void drawBomb(cairo_t* cr, double cx, double cy, double s)
{
    double r = s * 0.38;
    cy += s * 0.06;
    // Fuse.
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_move_to(cr, cx + r * 0.45, cy - r * 0.8);
    cairo_curve_to(cr, cx + r * 0.7, cy - r * 1.3, cx + r * 1.0, cy - r * 1.1, cx + r * 1.05, cy - r * 1.35);
    cairo_set_line_width(cr, s * 0.07);
    setCol(cr, pal::wood);
    cairo_stroke(cr);
    // Cap.
    cairo_save(cr);
    cairo_translate(cr, cx + r * 0.48, cy - r * 0.82);
    cairo_rotate(cr, 0.6);
    roundRect(cr, -s * 0.11, -s * 0.07, s * 0.22, s * 0.14, s * 0.03);
    cairo_restore(cr);
    fillWith(cr, linear(cx, cy - r, cx + r, cy - r * 0.6, pal::goldLight, pal::goldDark));
    // Body.
    cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
    fillWith(cr, radial(cx - r * 0.35, cy - r * 0.4, r * 0.05, r * 1.1, hex(0x5a5f8a), hex(0x141428)), true);
    cairo_set_line_width(cr, s * 0.045);
    setCol(cr, pal::ink);
    cairo_stroke(cr);
    // Gold band.
    cairo_save(cr);
    cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
    cairo_clip(cr);
    cairo_rectangle(cr, cx - r, cy + r * 0.15, 2 * r, r * 0.28);
    fillWith(cr, linear(cx - r, 0, cx + r, 0, pal::goldLight, pal::goldDark));
    cairo_restore(cr);
    // Highlight.
    cairo_save(cr);
    cairo_translate(cr, cx - r * 0.38, cy - r * 0.45);
    cairo_rotate(cr, -0.7);
    cairo_scale(cr, 1.0, 0.55);
    cairo_arc(cr, 0, 0, r * 0.38, 0, 2 * M_PI);
    cairo_restore(cr);
    setColA(cr, pal::white, 0.55);
    cairo_fill(cr);
    // Spark.
    double sx = cx + r * 1.05, sy = cy - r * 1.35;
    glow(cr, sx, sy, s * 0.2, pal::gold, 0.9);
    star(cr, sx, sy, s * 0.14, s * 0.04, 4, 0.4);
    setCol(cr, pal::cream);
    cairo_fill(cr);
}

void drawStone(cairo_t* cr, double cx, double cy, double s, uint64_t seed)
{
    Rng rng(seed);
    double r = s * 0.44;
    std::vector<double> p;
    for (int i = 0; i < 11; ++i) {
        double a = M_PI * 2 * i / 11;
        double rr = r * rng.range(0.86, 1.0);
        p.push_back(cx + rr * std::cos(a));
        p.push_back(cy + rr * std::sin(a) * 0.92 + s * 0.02);
    }
    polygon(cr, p);
    fillWith(cr, radial(cx - r * 0.35, cy - r * 0.4, r * 0.1, r * 1.3, hex(0xbab3a6), pal::stoneDark), true);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_width(cr, s * 0.045);
    setCol(cr, hex(0x2d2a28));
    cairo_stroke(cr);
    // Planes of the rock.
    cairo_save(cr);
    polygon(cr, p);
    cairo_clip(cr);
    polygon(cr, {cx - r, cy - r * 0.1, cx - r * 0.1, cy - r * 0.35, cx + r * 0.2, cy - r, cx - r, cy - r});
    setColA(cr, pal::white, 0.18);
    cairo_fill(cr);
    polygon(cr, {cx + r * 0.1, cy + r * 0.25, cx + r, cy - r * 0.05, cx + r, cy + r, cx - r * 0.2, cy + r});
    setColA(cr, pal::ink, 0.22);
    cairo_fill(cr);
    // Cracks.
    cairo_set_line_width(cr, s * 0.03);
    cairo_move_to(cr, cx - r * 0.1, cy - r * 0.35);
    cairo_line_to(cr, cx + r * 0.08, cy + r * 0.05);
    cairo_line_to(cr, cx - r * 0.05, cy + r * 0.4);
    cairo_move_to(cr, cx + r * 0.08, cy + r * 0.05);
    cairo_line_to(cr, cx + r * 0.45, cy + r * 0.2);
    setColA(cr, hex(0x2d2a28), 0.7);
    cairo_stroke(cr);
    // Moss tufts.
    for (int i = 0; i < 5; ++i) {
        double a = rng.range(3.3, 4.6);
        double mx = cx + r * 0.82 * std::cos(a), my = cy + r * 0.8 * std::sin(a);
        cairo_arc(cr, mx, my, s * rng.range(0.04, 0.07), 0, 2 * M_PI);
        setColA(cr, lighten(pal::moss, 0.15), 0.85);
        cairo_fill(cr);
    }
    cairo_restore(cr);
}

void drawMushroom(cairo_t* cr, double cx, double cy, double s)
{
    double r = s * 0.42;
    // Stem.
    roundRect(cr, cx - r * 0.38, cy - r * 0.05, r * 0.76, r * 0.95, r * 0.25);
    fillWith(cr, linear(cx - r * 0.4, 0, cx + r * 0.4, 0, pal::cream, pal::paperDark), true);
    cairo_set_line_width(cr, s * 0.04);
    setCol(cr, pal::woodDark);
    cairo_stroke(cr);
    // Cap.
    cairo_new_path(cr);
    cairo_move_to(cr, cx - r, cy + r * 0.1);
    cairo_curve_to(cr, cx - r * 1.05, cy - r * 1.05, cx + r * 1.05, cy - r * 1.05, cx + r, cy + r * 0.1);
    cairo_curve_to(cr, cx + r * 0.5, cy + r * 0.28, cx - r * 0.5, cy + r * 0.28, cx - r, cy + r * 0.1);
    cairo_close_path(cr);
    fillWith(cr, radial(cx - r * 0.3, cy - r * 0.55, r * 0.05, r * 1.2, hex(0xff7a5c), hex(0x9e1630)), true);
    cairo_set_line_width(cr, s * 0.045);
    setCol(cr, hex(0x4a0c18));
    cairo_stroke(cr);
    // Spots.
    const double spots[][3] = {{-0.5, -0.25, 0.16}, {0.05, -0.55, 0.14}, {0.55, -0.2, 0.13}, {-0.12, -0.05, 0.1}};
    for (auto& sp : spots) {
        cairo_arc(cr, cx + sp[0] * r, cy + sp[1] * r, sp[2] * r, 0, 2 * M_PI);
        setCol(cr, pal::cream);
        cairo_fill(cr);
    }
    // Face of danger: a tiny fuse on top.
    cairo_move_to(cr, cx, cy - r * 0.78);
    cairo_curve_to(cr, cx + r * 0.1, cy - r * 1.0, cx + r * 0.3, cy - r * 0.95, cx + r * 0.35, cy - r * 1.1);
    cairo_set_line_width(cr, s * 0.05);
    setCol(cr, pal::woodDark);
    cairo_stroke(cr);
    glow(cr, cx + r * 0.35, cy - r * 1.1, s * 0.13, pal::gold, 0.9);
    cairo_arc(cr, cx + r * 0.35, cy - r * 1.1, s * 0.03, 0, 2 * M_PI);
    setCol(cr, pal::cream);
    cairo_fill(cr);
}

void drawDoor(cairo_t* cr, double cx, double cy, double s)
{
    double w = s * 0.78, h = s * 0.86;
    double x = cx - w / 2, y = cy - h / 2;
    // Stone arch.
    cairo_new_path(cr);
    cairo_move_to(cr, x - s * 0.04, y + h);
    cairo_line_to(cr, x - s * 0.04, y + w * 0.5);
    cairo_arc(cr, cx, y + w * 0.5, w / 2 + s * 0.04, M_PI, 2 * M_PI);
    cairo_line_to(cr, x + w + s * 0.04, y + h);
    cairo_close_path(cr);
    fillWith(cr, linear(x, y, x + w, y + h, hex(0xb9b0a0), pal::stoneDark), true);
    cairo_set_line_width(cr, s * 0.04);
    setCol(cr, pal::ink);
    cairo_stroke(cr);
    // Wooden leaf.
    double iw = w * 0.78, ix = cx - iw / 2, iy = y + s * 0.1;
    cairo_new_path(cr);
    cairo_move_to(cr, ix, y + h);
    cairo_line_to(cr, ix, iy + iw * 0.5);
    cairo_arc(cr, cx, iy + iw * 0.5, iw / 2, M_PI, 2 * M_PI);
    cairo_line_to(cr, ix + iw, y + h);
    cairo_close_path(cr);
    cairo_save(cr);
    fillWith(cr, linear(ix, 0, ix + iw, 0, hex(0xb5793e), pal::woodDark), true);
    cairo_clip(cr);
    cairo_set_line_width(cr, s * 0.015);
    for (int i = 1; i < 4; ++i) {
        cairo_move_to(cr, ix + iw * i / 4, iy);
        cairo_line_to(cr, ix + iw * i / 4, y + h);
    }
    setColA(cr, pal::woodDark, 0.7);
    cairo_stroke(cr);
    // Iron bands.
    for (double by : {iy + iw * 0.45, y + h - s * 0.16}) {
        cairo_rectangle(cr, ix, by, iw, s * 0.07);
        fillWith(cr, linear(0, by, 0, by + s * 0.07, hex(0x8d93a0), hex(0x3b3f4a)));
        for (double bx : {ix + s * 0.06, ix + iw - s * 0.06}) {
            cairo_arc(cr, bx, by + s * 0.035, s * 0.018, 0, 2 * M_PI);
            setCol(cr, pal::goldLight);
            cairo_fill(cr);
        }
    }
    cairo_restore(cr);
    // Ring handle.
    cairo_arc(cr, cx + iw * 0.22, cy + s * 0.08, s * 0.05, 0, 2 * M_PI);
    cairo_set_line_width(cr, s * 0.025);
    setCol(cr, pal::gold);
    cairo_stroke(cr);
}

// Reserved kinds: relic tokens with their own sign.
void drawRelic(cairo_t* cr, int kind, double cx, double cy, double s)
{
    double r = s * 0.4;
    Col c = kind == 6 ? pal::gold : kind == 8 ? hex(0xc9d3dd) : kind == 9 ? hex(0x5fd0c8) : kind == 11 ? hex(0xf08a3c)
                                                                                              : pal::glass;
    cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
    fillWith(cr, radial(cx - r * 0.3, cy - r * 0.35, r * 0.1, r * 1.1, lighten(c, 0.5), darken(c, 0.45)), true);
    cairo_set_line_width(cr, s * 0.045);
    setCol(cr, darken(c, 0.7));
    cairo_stroke(cr);
    cairo_arc(cr, cx, cy, r * 0.78, 0, 2 * M_PI);
    cairo_set_line_width(cr, s * 0.02);
    setColA(cr, lighten(c, 0.6), 0.8);
    cairo_stroke(cr);
    if (kind >= 13 && kind <= 16) {
        drawPowerSymbol(cr, kind - 12, cx, cy, s * 0.5, pal::cream);
    } else if (kind == 6) {
        star(cr, cx, cy, r * 0.6, r * 0.26, 5, 0);
        setCol(cr, pal::cream);
        cairo_fill(cr);
    } else if (kind == 9) {
        drawCompass(cr, cx, cy, r * 0.62);
    } else if (kind == 8) {
        cairo_arc(cr, cx - r * 0.25, cy, r * 0.22, 0, 2 * M_PI);
        cairo_set_line_width(cr, s * 0.05);
        setCol(cr, pal::ink);
        cairo_stroke(cr);
        cairo_move_to(cr, cx - r * 0.03, cy);
        cairo_line_to(cr, cx + r * 0.55, cy);
        cairo_line_to(cr, cx + r * 0.55, cy + r * 0.22);
        cairo_stroke(cr);
    } else {
        star(cr, cx, cy, r * 0.55, r * 0.4, 8, 0);
        setCol(cr, pal::cream);
        cairo_fill(cr);
    }
    cairo_save(cr);
    cairo_translate(cr, cx - r * 0.35, cy - r * 0.45);
    cairo_rotate(cr, -0.7);
    cairo_scale(cr, 1.0, 0.5);
    cairo_arc(cr, 0, 0, r * 0.35, 0, 2 * M_PI);
    cairo_restore(cr);
    setColA(cr, pal::white, 0.5);
    cairo_fill(cr);
}

void drawKindInto(cairo_t* cr, int kind, double cx, double cy, double s)
{
    if (kind >= 1 && kind <= 5) drawGem(cr, kind, cx, cy, s * 0.93);
    else if (kind == 7) drawStone(cr, cx, cy, s, 77);
    else if (kind == 10) drawBomb(cr, cx, cy, s);
    else if (kind == 12) drawMushroom(cr, cx, cy + s * 0.04, s);
    else if (kind == 18) drawDoor(cr, cx, cy, s);
    else drawRelic(cr, kind, cx, cy, s);
}

}  // namespace

void drawItem(Img& img, int kind, double cx, double cy, double size, bool shadow)
{
    Img shape(img.w(), img.h());
    drawKindInto(shape.cr(), kind, cx, cy, size);
    if (shadow) shadowOf(img, shape, size * 0.03, size * 0.06, std::max(1, int(size * 0.04)), 0.55);
    paintImg(img, shape, 0, 0);
}

void drawPowerSymbol(cairo_t* cr, int which, double cx, double cy, double s, const Col& c)
{
    cairo_save(cr);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    setCol(cr, c);
    double u = s / 2;
    if (which == 1) {   // remove line: a beam with arrow heads both ways
        cairo_set_line_width(cr, u * 0.22);
        cairo_move_to(cr, cx - u * 0.8, cy);
        cairo_line_to(cr, cx + u * 0.8, cy);
        cairo_stroke(cr);
        polygon(cr, {cx - u, cy, cx - u * 0.55, cy - u * 0.35, cx - u * 0.55, cy + u * 0.35});
        cairo_fill(cr);
        polygon(cr, {cx + u, cy, cx + u * 0.55, cy - u * 0.35, cx + u * 0.55, cy + u * 0.35});
        cairo_fill(cr);
        star(cr, cx, cy, u * 0.45, u * 0.15, 4, 0);
        cairo_fill(cr);
    } else if (which == 2) {   // remove same items: three gems bound by a ring
        cairo_set_line_width(cr, u * 0.12);
        cairo_arc(cr, cx, cy, u * 0.85, 0, 2 * M_PI);
        cairo_stroke(cr);
        for (int i = 0; i < 3; ++i) {
            double a = -M_PI / 2 + i * 2 * M_PI / 3;
            polygon(cr, {cx + u * 0.5 * std::cos(a), cy + u * 0.5 * std::sin(a) - u * 0.28,
                         cx + u * 0.5 * std::cos(a) + u * 0.22, cy + u * 0.5 * std::sin(a),
                         cx + u * 0.5 * std::cos(a), cy + u * 0.5 * std::sin(a) + u * 0.28,
                         cx + u * 0.5 * std::cos(a) - u * 0.22, cy + u * 0.5 * std::sin(a)});
            cairo_fill(cr);
        }
    } else if (which == 3) {   // throw explosive: an arc ending in a bomb
        cairo_set_line_width(cr, u * 0.12);
        cairo_set_dash(cr, std::vector<double>{u * 0.18, u * 0.16}.data(), 2, 0);
        cairo_move_to(cr, cx - u * 0.9, cy + u * 0.7);
        cairo_curve_to(cr, cx - u * 0.6, cy - u * 0.9, cx + u * 0.1, cy - u * 0.9, cx + u * 0.25, cy - u * 0.1);
        cairo_stroke(cr);
        cairo_set_dash(cr, nullptr, 0, 0);
        cairo_arc(cr, cx + u * 0.4, cy + u * 0.35, u * 0.45, 0, 2 * M_PI);
        cairo_fill(cr);
        star(cr, cx + u * 0.75, cy - u * 0.2, u * 0.3, u * 0.1, 4, 0.3);
        cairo_fill(cr);
    } else {   // replace all items: two turning arrows
        cairo_set_line_width(cr, u * 0.2);
        cairo_arc(cr, cx, cy, u * 0.62, M_PI * 1.1, M_PI * 1.85);
        cairo_stroke(cr);
        cairo_arc(cr, cx, cy, u * 0.62, M_PI * 0.1, M_PI * 0.85);
        cairo_stroke(cr);
        double a1 = M_PI * 1.85, a2 = M_PI * 0.85;
        for (double a : {a1, a2}) {
            double px = cx + u * 0.62 * std::cos(a), py = cy + u * 0.62 * std::sin(a);
            double tx = -std::sin(a), ty = std::cos(a);
            double nx = std::cos(a), ny = std::sin(a);
            polygon(cr, {px + tx * u * 0.4, py + ty * u * 0.4, px + nx * u * 0.3, py + ny * u * 0.3, px - nx * u * 0.3,
                         py - ny * u * 0.3});
            cairo_fill(cr);
        }
    }
    cairo_restore(cr);
}

void drawCompass(cairo_t* cr, double cx, double cy, double r)
{
    cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
    fillWith(cr, radial(cx - r * 0.3, cy - r * 0.3, 0, r, pal::cream, pal::paperDark), true);
    cairo_set_line_width(cr, r * 0.12);
    setCol(cr, pal::goldDark);
    cairo_stroke(cr);
    star(cr, cx, cy, r * 0.85, r * 0.18, 4, 0);
    setCol(cr, pal::teal);
    cairo_fill(cr);
    polygon(cr, {cx, cy - r * 0.85, cx + r * 0.18, cy, cx - r * 0.18, cy});
    setCol(cr, pal::ruby);
    cairo_fill(cr);
    cairo_arc(cr, cx, cy, r * 0.1, 0, 2 * M_PI);
    setCol(cr, pal::gold);
    cairo_fill(cr);
}

namespace {

// Glow colours of the spark sprites; index 4 is also the comet and fuse spark.
Col glowColour(int i)
{
    static const uint32_t c[10] = {0xffffff, 0xffd34a, 0xff4d5e, 0xff9a3c, 0xd9a0ff, 0x52e07a, 0x5aa2ff, 0xff7ad0, 0xe8e4dc, 0x6ff0f0};
    return hex(c[i]);
}

void paintSpark(Img& img, int i)
{
    cairo_t* cr = img.cr();
    double c = img.w() / 2.0;
    Col col = glowColour(i);
    glow(cr, c, c, c, col, 0.85);
    glow(cr, c, c, c * 0.45, lighten(col, 0.6), 0.9);
    star(cr, c, c, c * 0.9, c * 0.12, 4, 0);
    setColA(cr, lighten(col, 0.8), 0.8);
    cairo_fill(cr);
}

void paintFlash(Img& img, int i)
{
    cairo_t* cr = img.cr();
    double c = img.w() / 2.0;
    Col col = glowColour(i);
    // A ring with a bright rim and a soft core.
    cairo_arc(cr, c, c, c * 0.78, 0, 2 * M_PI);
    cairo_set_line_width(cr, c * 0.16);
    setColA(cr, lighten(col, 0.3), 0.9);
    cairo_stroke(cr);
    Img soft(img.w(), img.h());
    cairo_arc(soft.cr(), c, c, c * 0.78, 0, 2 * M_PI);
    cairo_set_line_width(soft.cr(), c * 0.3);
    setColA(soft.cr(), col, 0.8);
    cairo_stroke(soft.cr());
    blur(soft, 3);
    paintImg(img, soft, 0, 0);
    glow(cr, c, c, c * 0.7, col, 0.35);
}

void paintDirt(Img& img, int i)
{
    cairo_t* cr = img.cr();
    Rng rng(900 + uint64_t(i));
    double c = img.w() / 2.0;
    Col base = i <= 3 ? hex(0x6a8f2e) : i <= 6 ? hex(0x7a5a3a) : hex(0x8a8378);
    std::vector<double> p;
    int n = rng.irange(5, 8);
    for (int k = 0; k < n; ++k) {
        double a = M_PI * 2 * k / n;
        double r = c * rng.range(0.45, 0.9);
        p.push_back(c + r * std::cos(a));
        p.push_back(c + r * std::sin(a));
    }
    polygon(cr, p);
    fillWith(cr, radial(c - 3, c - 3, 1, c, lighten(base, 0.35), darken(base, 0.35)), true);
    cairo_set_line_width(cr, 1.2);
    setCol(cr, darken(base, 0.6));
    cairo_stroke(cr);
    if (i <= 3) {
        for (int k = 0; k < 3; ++k) {
            cairo_arc(cr, c + rng.range(-4, 4), c + rng.range(-4, 4), rng.range(1.5, 2.5), 0, 2 * M_PI);
            setCol(cr, lighten(pal::moss, 0.4));
            cairo_fill(cr);
        }
    }
}

void paintRays(Img& img, int count, double inner, const Col& col, double alpha)
{
    cairo_t* cr = img.cr();
    double c = img.w() / 2.0;
    cairo_save(cr);
    for (int i = 0; i < count; ++i) {
        double a = M_PI * 2 * i / count;
        double da = M_PI / count * 0.45;
        polygon(cr, {c + inner * std::cos(a), c + inner * std::sin(a), c + c * std::cos(a - da), c + c * std::sin(a - da),
                     c + c * std::cos(a + da), c + c * std::sin(a + da)});
    }
    cairo_pattern_t* p = cairo_pattern_create_radial(c, c, 0, c, c, c);
    cairo_pattern_add_color_stop_rgba(p, 0, col.r, col.g, col.b, alpha);
    cairo_pattern_add_color_stop_rgba(p, 0.5, col.r, col.g, col.b, alpha * 0.5);
    cairo_pattern_add_color_stop_rgba(p, 1, col.r, col.g, col.b, 0);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    cairo_restore(cr);
}

// One tumbling rock, drawn at angle `a` (radians) into a cell.
void drawRock(cairo_t* cr, double cx, double cy, double r, double a, uint64_t seed)
{
    Rng rng(seed);
    std::vector<double> p;
    for (int i = 0; i < 9; ++i) {
        double t = a + M_PI * 2 * i / 9;
        double rr = r * rng.range(0.78, 1.0);
        p.push_back(cx + rr * std::cos(t));
        p.push_back(cy + rr * std::sin(t));
    }
    polygon(cr, p);
    fillWith(cr, radial(cx - r * 0.35, cy - r * 0.4, r * 0.1, r * 1.2, hex(0xd08a5a), hex(0x3a2418)), true);
    cairo_set_line_width(cr, 1.5);
    setCol(cr, hex(0x24140c));
    cairo_stroke(cr);
    for (int i = 0; i < 3; ++i) {
        double t = a * 1.0 + i * 2.1;
        cairo_arc(cr, cx + r * 0.45 * std::cos(t), cy + r * 0.45 * std::sin(t), r * 0.16, 0, 2 * M_PI);
        setColA(cr, hex(0x2a170c), 0.6);
        cairo_fill(cr);
    }
}

void paintMeteor(Img& img)
{
    for (int f = 0; f < 16; ++f) {
        double ox = f * 50.0;
        cairo_t* cr = img.cr();
        cairo_save(cr);
        cairo_rectangle(cr, ox, 0, 50, 56);
        cairo_clip(cr);
        double cx = ox + 25, cy = 30;
        // Fiery halo that flickers with the frame.
        glow(cr, cx, cy, 24 + 2 * std::sin(f * 0.8), hex(0xff8a2a), 0.55);
        glow(cr, cx, cy, 16, hex(0xffd36a), 0.5);
        drawRock(cr, cx, cy, 15, f * M_PI * 2 / 16, 4242);
        star(cr, cx - 6, cy - 7, 5, 1.2, 4, f * 0.2);
        setColA(cr, pal::cream, 0.8);
        cairo_fill(cr);
        cairo_restore(cr);
    }
}

void paintDebris(Img& img, int i)
{
    cairo_t* cr = img.cr();
    double cy = img.h() / 2.0, rx = img.w() - 24;
    // Tail streaming to the left (the rock flies to the right).
    cairo_move_to(cr, 2, cy);
    cairo_curve_to(cr, 30, cy - 16, rx - 20, cy - 15, rx, cy - 12);
    cairo_line_to(cr, rx, cy + 12);
    cairo_curve_to(cr, rx - 20, cy + 15, 30, cy + 16, 2, cy);
    cairo_close_path(cr);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, 0, rx, 0);
    cairo_pattern_add_color_stop_rgba(p, 0, 1, 0.5, 0.1, 0);
    cairo_pattern_add_color_stop_rgba(p, 0.6, 1, 0.6, 0.15, 0.55 + 0.05 * i);
    cairo_pattern_add_color_stop_rgba(p, 1, 1, 0.9, 0.5, 0.9);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    glow(cr, rx, cy, 20, hex(0xffc34a), 0.6);
    drawRock(cr, rx, cy, 13, i * 1.25, 5151);
}

void paintImpact(Img& img)
{
    for (int f = 0; f < 16; ++f) {
        double ox = (f % 4) * 128.0, oy = (f / 4) * 128.0;
        double t = f / 15.0;
        cairo_t* cr = img.cr();
        cairo_save(cr);
        cairo_rectangle(cr, ox, oy, 128, 128);
        cairo_clip(cr);
        double cx = ox + 64, cy = oy + 64;
        double fade = 1.0 - t;
        // Flash, expanding shock ring, flying shards.
        glow(cr, cx, cy, 20 + 44 * t, hex(0xffd36a), 0.95 * fade);
        glow(cr, cx, cy, 10 + 20 * (1 - t), pal::white, fade * fade);
        cairo_arc(cr, cx, cy, 12 + 48 * std::sqrt(t), 0, 2 * M_PI);
        cairo_set_line_width(cr, 8 * fade + 1);
        setColA(cr, hex(0xffa040), 0.8 * fade);
        cairo_stroke(cr);
        Rng rng(31);
        for (int k = 0; k < 10; ++k) {
            double a = rng.range(0, 2 * M_PI), sp = rng.range(0.6, 1.0);
            double d = 10 + 50 * std::sqrt(t) * sp;
            star(cr, cx + d * std::cos(a), cy + d * std::sin(a), 5 * fade + 1, 1.2, 4, a);
            setColA(cr, pal::cream, fade);
            cairo_fill(cr);
        }
        cairo_restore(cr);
    }
}

void paintWobble(Img& img)
{
    for (int f = 0; f < 32; ++f) {
        double ox = (f % 8) * 128.0, oy = (f / 8) * 128.0;
        double t = f / 32.0;
        cairo_t* cr = img.cr();
        cairo_save(cr);
        cairo_rectangle(cr, ox, oy, 128, 128);
        cairo_clip(cr);
        double cx = ox + 64, cy = oy + 64;
        // A beam of light that swells and ripples, centred on the glow under the button.
        double s = 0.75 + 0.25 * std::sin(t * 2 * M_PI);
        cairo_save(cr);
        cairo_translate(cr, cx, cy);
        cairo_scale(cr, 1.0, 0.32);
        glow(cr, 0, 0, 60 * s, pal::glass, 0.75);
        glow(cr, 0, 0, 30 * s, pal::glassLight, 0.7);
        cairo_restore(cr);
        for (int k = 0; k < 3; ++k) {
            double rt = std::fmod(t + k / 3.0, 1.0);
            cairo_save(cr);
            cairo_translate(cr, cx, cy);
            cairo_scale(cr, 1.0, 0.3);
            cairo_arc(cr, 0, 0, 14 + 46 * rt, 0, 2 * M_PI);
            cairo_restore(cr);
            cairo_set_line_width(cr, 2.5);
            setColA(cr, pal::glassLight, 0.7 * (1 - rt));
            cairo_stroke(cr);
        }
        cairo_restore(cr);
    }
}

}  // namespace

void addItemArt(Painters& p)
{
    for (int k = 1; k <= 15; ++k)
        p["match3/item1-" + std::to_string(k) + ".png"] = [k](Img& img) { drawItem(img, k, 24, 24, 44, true); };
    p["match3/item1-18.png"] = [](Img& img) { drawItem(img, 18, 24, 24, 44, true); };
    for (int i = 1; i <= 9; ++i) {
        p["effects/glb" + std::to_string(i) + ".png"] = [i](Img& img) { paintSpark(img, i); };
        p["effects/glo" + std::to_string(i) + ".png"] = [i](Img& img) { paintFlash(img, i); };
        p["effects/dirt" + std::to_string(i) + ".png"] = [i](Img& img) { paintDirt(img, i); };
    }
    for (int i = 1; i <= 5; ++i) p["effects/asts" + std::to_string(i) + ".png"] = [i](Img& img) { paintDebris(img, i); };
    p["effects/logoglow.png"] = [](Img& img) {
        paintRays(img, 16, 20, pal::goldLight, 0.7);
        glow(img.cr(), 128, 128, 110, pal::gold, 0.6);
    };
    p["effects/rays2.png"] = [](Img& img) { paintRays(img, 24, 30, pal::cream, 0.6); };
    p["effects/bombflare.png"] = [](Img& img) {
        paintRays(img, 12, 8, hex(0xffb347), 0.9);
        glow(img.cr(), 64, 64, 50, hex(0xffe08a), 0.9);
        star(img.cr(), 64, 64, 62, 8, 4, 0);
        setColA(img.cr(), pal::cream, 0.8);
        cairo_fill(img.cr());
    };
    p["effects/glowstar.png"] = [](Img& img) {
        glow(img.cr(), 32, 32, 32, pal::gold, 0.7);
        star(img.cr(), 32, 32, 30, 6, 5, 0);
        setColA(img.cr(), pal::cream, 0.9);
        cairo_fill(img.cr());
    };
    p["effects/impact.png"] = paintImpact;
    p["effects/holowobbel.png"] = paintWobble;
    p["match3/ast.png"] = paintMeteor;
}

}  // namespace art
