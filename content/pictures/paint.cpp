// Drawing toolbox of the content tool: canvases, palette, noise, text and file output.
#include "content/pictures/paint.h"

#include <cairo-ft.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include <jpeglib.h>
#include <png.h>
#include <sys/stat.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <map>

namespace art {

uint64_t Rng::next()
{
    uint64_t z = (s_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

double Rng::uni() { return double(next() >> 11) * (1.0 / 9007199254740992.0); }

int Rng::irange(int a, int b) { return a + int(next() % uint64_t(b - a + 1)); }

Col hex(uint32_t rgb, double a)
{
    return {((rgb >> 16) & 255) / 255.0, ((rgb >> 8) & 255) / 255.0, (rgb & 255) / 255.0, a};
}
Col mix(const Col& a, const Col& b, double t)
{
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t, a.a + (b.a - a.a) * t};
}
Col lighten(const Col& c, double t) { return mix(c, Col{1, 1, 1, c.a}, t); }
Col darken(const Col& c, double t) { return mix(c, Col{0, 0, 0, c.a}, t); }

namespace pal {
const Col ink = hex(0x1c1830);
const Col inkSoft = hex(0x2e2a4a);
const Col night = hex(0x16263a);
const Col deepTeal = hex(0x0f3b4c);
const Col teal = hex(0x1f6f80);
const Col glass = hex(0x49b3d6);
const Col glassLight = hex(0xb8ecff);
const Col gold = hex(0xf0b93e);
const Col goldLight = hex(0xffe8a3);
const Col goldDark = hex(0x9c6a1c);
const Col paper = hex(0xf6e7c4);
const Col paperDark = hex(0xd8bb85);
const Col wood = hex(0x7a4a2a);
const Col woodDark = hex(0x4a2a18);
const Col cream = hex(0xfff6e0);
const Col white = hex(0xffffff);
const Col ruby = hex(0xe0334a);
const Col sapphire = hex(0x2f78e6);
const Col emerald = hex(0x27b85a);
const Col topaz = hex(0xf4b020);
const Col amethyst = hex(0xa24ad8);
const Col moss = hex(0x5e9a2c);
const Col stone = hex(0x8b8478);
const Col stoneDark = hex(0x4f4a44);
}  // namespace pal

Img::Img(int w, int h) : w_(w), h_(h)
{
    s_ = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h);
    cr_ = cairo_create(s_);
    cairo_set_antialias(cr_, CAIRO_ANTIALIAS_GRAY);
}

Img::~Img()
{
    cairo_destroy(cr_);
    cairo_surface_destroy(s_);
}

uint32_t* Img::row(int y)
{
    return reinterpret_cast<uint32_t*>(cairo_image_surface_get_data(s_) + y * cairo_image_surface_get_stride(s_));
}

void Img::clear()
{
    cairo_save(cr_);
    cairo_set_operator(cr_, CAIRO_OPERATOR_CLEAR);
    cairo_paint(cr_);
    cairo_restore(cr_);
}

void setCol(cairo_t* cr, const Col& c) { cairo_set_source_rgba(cr, c.r, c.g, c.b, c.a); }
void setColA(cairo_t* cr, const Col& c, double a) { cairo_set_source_rgba(cr, c.r, c.g, c.b, a); }

void roundRect(cairo_t* cr, double x, double y, double w, double h, double r)
{
    r = std::min(r, std::min(w, h) / 2);
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + w - r, y + r, r, -M_PI / 2, 0);
    cairo_arc(cr, x + w - r, y + h - r, r, 0, M_PI / 2);
    cairo_arc(cr, x + r, y + h - r, r, M_PI / 2, M_PI);
    cairo_arc(cr, x + r, y + r, r, M_PI, 3 * M_PI / 2);
    cairo_close_path(cr);
}

void polygon(cairo_t* cr, const std::vector<double>& xy)
{
    cairo_new_sub_path(cr);
    for (size_t i = 0; i + 1 < xy.size(); i += 2) cairo_line_to(cr, xy[i], xy[i + 1]);
    cairo_close_path(cr);
}

void star(cairo_t* cr, double cx, double cy, double ro, double ri, int points, double rot)
{
    cairo_new_sub_path(cr);
    for (int i = 0; i < points * 2; ++i) {
        double a = rot + M_PI * i / points - M_PI / 2;
        double r = (i % 2) ? ri : ro;
        cairo_line_to(cr, cx + r * std::cos(a), cy + r * std::sin(a));
    }
    cairo_close_path(cr);
}

cairo_pattern_t* linear(double x0, double y0, double x1, double y1, const Col& a, const Col& b)
{
    cairo_pattern_t* p = cairo_pattern_create_linear(x0, y0, x1, y1);
    cairo_pattern_add_color_stop_rgba(p, 0, a.r, a.g, a.b, a.a);
    cairo_pattern_add_color_stop_rgba(p, 1, b.r, b.g, b.b, b.a);
    return p;
}

cairo_pattern_t* radial(double cx, double cy, double r0, double r1, const Col& a, const Col& b)
{
    cairo_pattern_t* p = cairo_pattern_create_radial(cx, cy, r0, cx, cy, r1);
    cairo_pattern_add_color_stop_rgba(p, 0, a.r, a.g, a.b, a.a);
    cairo_pattern_add_color_stop_rgba(p, 1, b.r, b.g, b.b, b.a);
    return p;
}

void fillWith(cairo_t* cr, cairo_pattern_t* p, bool preserve)
{
    cairo_set_source(cr, p);
    if (preserve) cairo_fill_preserve(cr);
    else cairo_fill(cr);
    cairo_pattern_destroy(p);
}

// Box blur on premultiplied channels, integer arithmetic so every machine agrees.
void blur(Img& img, int radius, int passes)
{
    if (radius <= 0) return;
    img.flush();
    int w = img.w(), h = img.h();
    std::vector<uint32_t> buf(size_t(std::max(w, h)));
    int div = 2 * radius + 1;
    for (int p = 0; p < passes; ++p) {
        for (int y = 0; y < h; ++y) {
            uint32_t* r = img.row(y);
            for (int x = 0; x < w; ++x) buf[size_t(x)] = r[x];
            for (int c = 0; c < 4; ++c) {
                int sh = c * 8;
                int acc = 0;
                for (int k = -radius; k <= radius; ++k) {
                    int xx = std::clamp(k, 0, w - 1);
                    acc += int((buf[size_t(xx)] >> sh) & 255);
                }
                for (int x = 0; x < w; ++x) {
                    uint32_t v = uint32_t(acc / div);
                    r[x] = (r[x] & ~(255u << sh)) | (v << sh);
                    int xo = std::clamp(x - radius, 0, w - 1), xi = std::clamp(x + radius + 1, 0, w - 1);
                    acc += int((buf[size_t(xi)] >> sh) & 255) - int((buf[size_t(xo)] >> sh) & 255);
                }
            }
        }
        for (int x = 0; x < w; ++x) {
            for (int y = 0; y < h; ++y) buf[size_t(y)] = img.row(y)[x];
            for (int c = 0; c < 4; ++c) {
                int sh = c * 8;
                int acc = 0;
                for (int k = -radius; k <= radius; ++k) {
                    int yy = std::clamp(k, 0, h - 1);
                    acc += int((buf[size_t(yy)] >> sh) & 255);
                }
                for (int y = 0; y < h; ++y) {
                    uint32_t v = uint32_t(acc / div);
                    uint32_t* r = img.row(y);
                    r[x] = (r[x] & ~(255u << sh)) | (v << sh);
                    int yo = std::clamp(y - radius, 0, h - 1), yi = std::clamp(y + radius + 1, 0, h - 1);
                    acc += int((buf[size_t(yi)] >> sh) & 255) - int((buf[size_t(yo)] >> sh) & 255);
                }
            }
        }
    }
    img.dirty();
}

void shadowOf(Img& dst, Img& shape, double dx, double dy, int radius, double alpha, const Col& col)
{
    Img sh(shape.w(), shape.h());
    shape.flush();
    for (int y = 0; y < shape.h(); ++y) {
        uint32_t* s = shape.row(y);
        uint32_t* d = sh.row(y);
        for (int x = 0; x < shape.w(); ++x) {
            uint32_t a = s[x] >> 24;
            uint32_t r = uint32_t(col.r * a), g = uint32_t(col.g * a), b = uint32_t(col.b * a);
            d[x] = (a << 24) | (r << 16) | (g << 8) | b;
        }
    }
    sh.dirty();
    blur(sh, radius);
    cairo_set_source_surface(dst.cr(), sh.surface(), dx, dy);
    cairo_paint_with_alpha(dst.cr(), alpha);
}

void paintImg(Img& dst, Img& src, double x, double y, double alpha)
{
    src.flush();
    cairo_set_source_surface(dst.cr(), src.surface(), x, y);
    cairo_paint_with_alpha(dst.cr(), alpha);
}

void grain(Img& img, uint64_t seed, double amount)
{
    img.flush();
    Rng r(seed);
    for (int y = 0; y < img.h(); ++y) {
        uint32_t* p = img.row(y);
        for (int x = 0; x < img.w(); ++x) {
            uint32_t a = p[x] >> 24;
            int d = int((r.uni() - 0.5) * 2 * amount * a);
            uint32_t out = a << 24;
            for (int c = 0; c < 3; ++c) {
                int v = int((p[x] >> (c * 8)) & 255) + d;
                v = std::clamp(v, 0, int(a));
                out |= uint32_t(v) << (c * 8);
            }
            p[x] = out;
        }
    }
    img.dirty();
}

void liftBlack(Img& img, int floor)
{
    img.flush();
    for (int y = 0; y < img.h(); ++y) {
        uint32_t* p = img.row(y);
        for (int x = 0; x < img.w(); ++x) {
            uint32_t out = 0xff000000u;
            for (int c = 0; c < 3; ++c) {
                int v = int((p[x] >> (c * 8)) & 255);
                v = floor + v * (255 - floor) / 255;
                out |= uint32_t(v) << (c * 8);
            }
            p[x] = out;
        }
    }
    img.dirty();
}

void glow(cairo_t* cr, double cx, double cy, double r, const Col& c, double a)
{
    cairo_pattern_t* p = cairo_pattern_create_radial(cx, cy, 0, cx, cy, r);
    cairo_pattern_add_color_stop_rgba(p, 0, c.r, c.g, c.b, a);
    cairo_pattern_add_color_stop_rgba(p, 0.35, c.r, c.g, c.b, a * 0.45);
    cairo_pattern_add_color_stop_rgba(p, 1, c.r, c.g, c.b, 0);
    cairo_set_source(cr, p);
    cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
}

std::string fontFile(Face f)
{
    switch (f) {
    case Face::Title: return "/usr/share/fonts/truetype/leckerli-one/LeckerliOne-Regular.ttf";
    case Face::Script: return "/usr/share/fonts/opentype/lobster/lobster.otf";
    case Face::Body: return "/usr/share/fonts/truetype/quicksand/Quicksand-Medium.ttf";
    case Face::BodyBold: return "/usr/share/fonts/truetype/quicksand/Quicksand-Bold.ttf";
    case Face::Round: return "/usr/share/fonts/truetype/comfortaa/Comfortaa-Bold.ttf";
    case Face::Sans: return "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
    case Face::SansBold: return "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf";
    }
    return "";
}

namespace {
FT_Library g_ft = nullptr;
std::map<int, cairo_font_face_t*> g_faces;
const cairo_user_data_key_t g_faceKey = {};

cairo_font_face_t* faceFor(Face f)
{
    auto it = g_faces.find(int(f));
    if (it != g_faces.end()) return it->second;
    if (!g_ft) FT_Init_FreeType(&g_ft);
    FT_Face ft = nullptr;
    cairo_font_face_t* cf = nullptr;
    if (FT_New_Face(g_ft, fontFile(f).c_str(), 0, &ft) == 0) {
        cf = cairo_ft_font_face_create_for_ft_face(ft, 0);
        cairo_font_face_set_user_data(cf, &g_faceKey, ft, [](void* p) { FT_Done_Face(static_cast<FT_Face>(p)); });
    } else {
        std::fprintf(stderr, "content: font %s missing, using the toy face\n", fontFile(f).c_str());
        cf = cairo_toy_font_face_create("sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
    }
    g_faces[int(f)] = cf;
    return cf;
}
}  // namespace

void useFace(cairo_t* cr, Face f, double size)
{
    cairo_set_font_face(cr, faceFor(f));
    cairo_set_font_size(cr, size);
    cairo_font_options_t* o = cairo_font_options_create();
    cairo_font_options_set_antialias(o, CAIRO_ANTIALIAS_GRAY);
    cairo_font_options_set_hint_style(o, CAIRO_HINT_STYLE_NONE);
    cairo_font_options_set_hint_metrics(o, CAIRO_HINT_METRICS_OFF);
    cairo_set_font_options(cr, o);
    cairo_font_options_destroy(o);
}

double textWidth(cairo_t* cr, const std::string& utf8)
{
    cairo_text_extents_t e;
    cairo_text_extents(cr, utf8.c_str(), &e);
    return e.x_advance;
}

void drawText(cairo_t* cr, const std::string& utf8, double x, double y, int align, const Col& fill,
              const Col* outline, double outlineW, double shadowA)
{
    double w = textWidth(cr, utf8);
    if (align == 1) x -= w / 2;
    else if (align == 2) x -= w;
    cairo_save(cr);
    cairo_new_path(cr);
    if (shadowA > 0) {
        cairo_move_to(cr, x + 2, y + 3);
        cairo_text_path(cr, utf8.c_str());
        setColA(cr, pal::ink, shadowA);
        if (outline) {
            cairo_set_line_width(cr, outlineW * 2);
            cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
            cairo_stroke_preserve(cr);
        }
        cairo_fill(cr);
    }
    cairo_move_to(cr, x, y);
    cairo_text_path(cr, utf8.c_str());
    if (outline) {
        setCol(cr, *outline);
        cairo_set_line_width(cr, outlineW * 2);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        cairo_stroke_preserve(cr);
    }
    setCol(cr, fill);
    cairo_fill(cr);
    cairo_restore(cr);
}

void makeDirs(const std::string& path)
{
    for (size_t i = 1; i < path.size(); ++i)
        if (path[i] == '/') mkdir(path.substr(0, i).c_str(), 0755);
}

bool writeFile(const std::string& path, const std::vector<uint8_t>& bytes)
{
    makeDirs(path);
    // Unchanged files keep their time stamps, so a rebuild touches only what changed.
    if (FILE* old = std::fopen(path.c_str(), "rb")) {
        std::vector<uint8_t> have;
        uint8_t tmp[65536];
        size_t n;
        while ((n = std::fread(tmp, 1, sizeof tmp, old)) > 0) have.insert(have.end(), tmp, tmp + n);
        std::fclose(old);
        if (have == bytes) return true;
    }
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) {
        std::fprintf(stderr, "content: cannot write %s\n", path.c_str());
        return false;
    }
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    ok = std::fclose(f) == 0 && ok;
    return ok;
}

std::vector<uint8_t> encodePng(Img& img)
{
    img.flush();
    std::vector<uint8_t> out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return {};
    }
    png_set_write_fn(
        png, &out,
        [](png_structp p, png_bytep data, png_size_t len) {
            auto* v = static_cast<std::vector<uint8_t>*>(png_get_io_ptr(p));
            v->insert(v->end(), data, data + len);
        },
        [](png_structp) {});
    png_set_IHDR(png, info, uint32_t(img.w()), uint32_t(img.h()), 8, PNG_COLOR_TYPE_RGB_ALPHA, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_set_compression_level(png, 6);
    png_write_info(png, info);
    std::vector<uint8_t> line(size_t(img.w()) * 4);
    for (int y = 0; y < img.h(); ++y) {
        const uint32_t* r = img.row(y);
        for (int x = 0; x < img.w(); ++x) {
            uint32_t p = r[x];
            uint32_t a = p >> 24;
            uint8_t* o = &line[size_t(x) * 4];
            if (a == 0) {
                o[0] = o[1] = o[2] = o[3] = 0;
                continue;
            }
            o[0] = uint8_t(std::min(255u, (((p >> 16) & 255) * 255 + a / 2) / a));
            o[1] = uint8_t(std::min(255u, (((p >> 8) & 255) * 255 + a / 2) / a));
            o[2] = uint8_t(std::min(255u, ((p & 255) * 255 + a / 2) / a));
            o[3] = uint8_t(a);
        }
        png_write_row(png, line.data());
    }
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    return out;
}

bool writePng(const std::string& path, Img& img) { return writeFile(path, encodePng(img)); }

bool writeJpeg(const std::string& path, Img& img, int quality)
{
    img.flush();
    jpeg_compress_struct c;
    jpeg_error_mgr err;
    c.err = jpeg_std_error(&err);
    jpeg_create_compress(&c);
    unsigned char* mem = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&c, &mem, &size);
    c.image_width = JDIMENSION(img.w());
    c.image_height = JDIMENSION(img.h());
    c.input_components = 3;
    c.in_color_space = JCS_RGB;
    jpeg_set_defaults(&c);
    c.dct_method = JDCT_ISLOW;
    jpeg_set_quality(&c, quality, TRUE);
    jpeg_start_compress(&c, TRUE);
    std::vector<uint8_t> line(size_t(img.w()) * 3);
    while (c.next_scanline < c.image_height) {
        const uint32_t* r = img.row(int(c.next_scanline));
        for (int x = 0; x < img.w(); ++x) {
            line[size_t(x) * 3 + 0] = uint8_t((r[x] >> 16) & 255);
            line[size_t(x) * 3 + 1] = uint8_t((r[x] >> 8) & 255);
            line[size_t(x) * 3 + 2] = uint8_t(r[x] & 255);
        }
        JSAMPROW rows[1] = {line.data()};
        jpeg_write_scanlines(&c, rows, 1);
    }
    jpeg_finish_compress(&c);
    std::vector<uint8_t> bytes(mem, mem + size);
    jpeg_destroy_compress(&c);
    free(mem);
    return writeFile(path, bytes);
}

namespace {
double hash01(uint64_t seed, int x, int y)
{
    uint64_t h = seed * 0x9E3779B97F4A7C15ull ^ (uint64_t(uint32_t(x)) * 0xC2B2AE3D27D4EB4Full) ^
                 (uint64_t(uint32_t(y)) * 0x165667B19E3779F9ull);
    h ^= h >> 33;
    h *= 0xFF51AFD7ED558CCDull;
    h ^= h >> 33;
    h *= 0xC4CEB9FE1A85EC53ull;
    h ^= h >> 33;
    return double(h >> 11) * (1.0 / 9007199254740992.0);
}
double smooth(double t) { return t * t * (3 - 2 * t); }
}  // namespace

double noise2(uint64_t seed, double x, double y)
{
    int xi = int(std::floor(x)), yi = int(std::floor(y));
    double fx = smooth(x - xi), fy = smooth(y - yi);
    double a = hash01(seed, xi, yi), b = hash01(seed, xi + 1, yi);
    double c = hash01(seed, xi, yi + 1), d = hash01(seed, xi + 1, yi + 1);
    return (a + (b - a) * fx) + ((c + (d - c) * fx) - (a + (b - a) * fx)) * fy;
}

double fbm(uint64_t seed, double x, double y, int octaves)
{
    double sum = 0, amp = 0.5, norm = 0;
    for (int i = 0; i < octaves; ++i) {
        sum += amp * noise2(seed + uint64_t(i) * 7919, x, y);
        norm += amp;
        x *= 2.03;
        y *= 2.03;
        amp *= 0.5;
    }
    return sum / norm;
}

}  // namespace art
