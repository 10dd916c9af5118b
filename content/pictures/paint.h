// Drawing toolbox of the content tool: cairo canvases, the palette, seeded noise, text, PNG and JPEG output.
#pragma once

#include <cairo.h>

#include <cstdint>
#include <string>
#include <vector>

namespace art {

// Deterministic generator (splitmix64); the same seed gives the same pictures everywhere.
class Rng {
public:
    explicit Rng(uint64_t seed) : s_(seed * 0x9E3779B97F4A7C15ull + 0x632BE59BD9B4E019ull) {}
    uint64_t next();
    double uni();                              // [0, 1)
    double range(double a, double b) { return a + (b - a) * uni(); }
    int irange(int a, int b);                  // a..b inclusive
private:
    uint64_t s_;
};

struct Col {
    double r, g, b, a = 1.0;
};
Col hex(uint32_t rgb, double a = 1.0);
Col mix(const Col& a, const Col& b, double t);
Col lighten(const Col& c, double t);   // towards white
Col darken(const Col& c, double t);    // towards black

// The one palette every picture draws from.
namespace pal {
extern const Col ink, inkSoft, night, deepTeal, teal, glass, glassLight;
extern const Col gold, goldLight, goldDark, paper, paperDark, wood, woodDark, cream, white;
extern const Col ruby, sapphire, emerald, topaz, amethyst, moss, stone, stoneDark;
}  // namespace pal

// An ARGB32 canvas with its own cairo context.
class Img {
public:
    Img(int w, int h);
    ~Img();
    Img(const Img&) = delete;
    Img& operator=(const Img&) = delete;
    int w() const { return w_; }
    int h() const { return h_; }
    cairo_t* cr() const { return cr_; }
    cairo_surface_t* surface() const { return s_; }
    uint32_t* row(int y);                      // premultiplied 0xAARRGGBB
    void flush() { cairo_surface_flush(s_); }
    void dirty() { cairo_surface_mark_dirty(s_); }
    void clear();
private:
    int w_, h_;
    cairo_surface_t* s_;
    cairo_t* cr_;
};

void setCol(cairo_t* cr, const Col& c);
void setColA(cairo_t* cr, const Col& c, double a);

// Shapes.
void roundRect(cairo_t* cr, double x, double y, double w, double h, double r);
void polygon(cairo_t* cr, const std::vector<double>& xy);
void star(cairo_t* cr, double cx, double cy, double ro, double ri, int points, double rot);
cairo_pattern_t* linear(double x0, double y0, double x1, double y1, const Col& a, const Col& b);
cairo_pattern_t* radial(double cx, double cy, double r0, double r1, const Col& a, const Col& b);
void fillWith(cairo_t* cr, cairo_pattern_t* p, bool preserve = false);

// Effects on whole canvases.
void blur(Img& img, int radius, int passes = 3);
// Paints a soft shadow of `shape`'s alpha into `dst` (offset, blur radius, strength).
void shadowOf(Img& dst, Img& shape, double dx, double dy, int radius, double alpha, const Col& col = pal::ink);
void paintImg(Img& dst, Img& src, double x, double y, double alpha = 1.0);
// Adds soft per-pixel grain (seeded), keeping alpha.
void grain(Img& img, uint64_t seed, double amount);
// Lifts every channel to at least `floor` (JPEG pictures are loaded masked: pure black would vanish).
void liftBlack(Img& img, int floor);
// Radial light glow blob (additive look on transparent).
void glow(cairo_t* cr, double cx, double cy, double r, const Col& c, double a);

// Fonts and text (FreeType faces through cairo).
enum class Face { Title, Script, Body, BodyBold, Round, Sans, SansBold };
void useFace(cairo_t* cr, Face f, double size);
double textWidth(cairo_t* cr, const std::string& utf8);
// Text with an optional outline and drop shadow; align 0 left, 1 centre, 2 right; y is the baseline.
void drawText(cairo_t* cr, const std::string& utf8, double x, double y, int align, const Col& fill,
              const Col* outline = nullptr, double outlineW = 0, double shadowA = 0);
std::string fontFile(Face f);

// Output.
std::vector<uint8_t> encodePng(Img& img);
bool writeFile(const std::string& path, const std::vector<uint8_t>& bytes);
bool writePng(const std::string& path, Img& img);
bool writeJpeg(const std::string& path, Img& img, int quality = 90);
void makeDirs(const std::string& path);   // every folder of a file path

// Value noise on a lattice, smooth, seeded; result in [0, 1].
double noise2(uint64_t seed, double x, double y);
double fbm(uint64_t seed, double x, double y, int octaves);

}  // namespace art
