// Contact sheets for checking the art by eye: a board composed like the game composes it, the map with its points.
#include <cmath>
#include <cstdio>
#include <map>

#include <jpeglib.h>
#include <memory>

#include "content/pictures/manifest.h"
#include "content/pictures/painters.h"
#include "content/pictures/sheets.h"

namespace art {

namespace {

struct Surf {
    cairo_surface_t* s = nullptr;
    ~Surf()
    {
        if (s) cairo_surface_destroy(s);
    }
    int w() const { return s ? cairo_image_surface_get_width(s) : 0; }
    int h() const { return s ? cairo_image_surface_get_height(s) : 0; }
};

std::unique_ptr<Surf> loadPng(const std::string& path)
{
    auto r = std::make_unique<Surf>();
    r->s = cairo_image_surface_create_from_png(path.c_str());
    if (cairo_surface_status(r->s) != CAIRO_STATUS_SUCCESS) std::fprintf(stderr, "sheets: cannot read %s\n", path.c_str());
    return r;
}

std::unique_ptr<Surf> loadJpeg(const std::string& path)
{
    auto r = std::make_unique<Surf>();
    FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return r;
    jpeg_decompress_struct c;
    jpeg_error_mgr err;
    c.err = jpeg_std_error(&err);
    jpeg_create_decompress(&c);
    jpeg_stdio_src(&c, f);
    jpeg_read_header(&c, TRUE);
    c.out_color_space = JCS_RGB;
    jpeg_start_decompress(&c);
    r->s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, int(c.output_width), int(c.output_height));
    unsigned char* data = cairo_image_surface_get_data(r->s);
    int stride = cairo_image_surface_get_stride(r->s);
    std::vector<unsigned char> line(c.output_width * 3);
    while (c.output_scanline < c.output_height) {
        int y = int(c.output_scanline);
        JSAMPROW rows[1] = {line.data()};
        jpeg_read_scanlines(&c, rows, 1);
        auto* px = reinterpret_cast<uint32_t*>(data + y * stride);
        for (unsigned x = 0; x < c.output_width; ++x)
            px[x] = 0xff000000u | (uint32_t(line[x * 3]) << 16) | (uint32_t(line[x * 3 + 1]) << 8) | line[x * 3 + 2];
    }
    cairo_surface_mark_dirty(r->s);
    jpeg_finish_decompress(&c);
    jpeg_destroy_decompress(&c);
    std::fclose(f);
    return r;
}

void draw(cairo_t* cr, Surf& s, double x, double y, double alpha = 1.0)
{
    if (!s.s) return;
    cairo_set_source_surface(cr, s.s, x, y);
    cairo_paint_with_alpha(cr, alpha);
}

void drawC(cairo_t* cr, Surf& s, double x, double y, double alpha = 1.0) { draw(cr, s, x - s.w() / 2, y - s.h() / 2, alpha); }

// Copies pixels, alpha included, as the level picture is built.
void paste(cairo_t* cr, Surf& s, double x, double y)
{
    if (!s.s) return;
    cairo_save(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
    cairo_rectangle(cr, std::trunc(x), std::trunc(y), s.w(), s.h());
    cairo_clip(cr);
    cairo_set_source_surface(cr, s.s, std::trunc(x), std::trunc(y));
    cairo_paint(cr);
    cairo_restore(cr);
}

// A level shape with holes, notches and islands to exercise every border piece.
const char* kLevel[13] = {
    "....................",
    "..######....######..",
    "..#######..#######..",
    "..########.####.##..",
    "...######...###.##..",
    "...##..###########..",
    "..###..####.######..",
    "..############..###.",
    "..#.###########.###.",
    "..#.####.#######....",
    "..############......",
    "...##########.......",
    "....................",
};

int borderId(bool N, bool S, bool W, bool E, bool NE, bool SE, bool SW, bool NW)
{
    static const int t[25][8] = {
        {},
        {0, -1, 1, 1, 0, -1, -1, 0},  {-1, 0, 1, 1, -1, 0, 0, -1}, {1, 1, 0, -1, -1, -1, 0, 0},  {1, 1, -1, 0, 0, 0, -1, -1},
        {0, -1, 0, 1, 0, -1, 0, -1},  {0, -1, 1, 0, -1, 0, -1, 0}, {-1, 0, 1, 0, 0, -1, 0, -1},  {-1, 0, 0, 1, -1, 0, -1, 0},
        {1, -1, -1, 0, -1, 1, -1, -1}, {1, -1, 0, -1, -1, -1, 1, -1}, {0, -1, -1, 1, -1, -1, -1, 1}, {0, -1, 1, -1, 1, -1, -1, -1},
        {-1, 1, -1, 0, 1, -1, -1, -1}, {-1, 1, 0, -1, -1, -1, -1, 1}, {-1, 0, -1, 1, -1, -1, 1, -1}, {-1, 0, 1, -1, -1, 1, -1, -1},
        {-1, 0, 0, 1, -1, 0, -1, 1},  {-1, 0, 1, 0, 1, -1, 0, -1}, {0, -1, 1, 0, -1, 1, -1, 0},  {0, -1, 0, 1, 0, -1, 1, -1},
        {0, 1, -1, 0, -1, 0, -1, 1},  {0, 1, 0, -1, 1, -1, 0, -1}, {1, 0, 0, -1, -1, 1, -1, 0},  {1, 0, -1, 0, 0, -1, 1, -1},
    };
    bool f[8] = {N, S, W, E, NE, SE, SW, NW};
    int id = 0;
    for (int r = 1; r <= 24; ++r) {
        bool ok = true;
        for (int i = 0; i < 8 && ok; ++i)
            if (t[r][i] != -1 && (t[r][i] == 1) != f[i]) ok = false;
        if (ok) id = r;
    }
    return id;
}

// Grid codes of a level file (value + 1; 0 = no cell), or the built-in shape when the file is missing.
std::vector<int> levelCodes(const std::string& data, int level)
{
    std::vector<int> codes(301, 0);
    char name[32];
    std::snprintf(name, sizeof name, "levels/lvla%03d.lvl", level);
    FILE* f = std::fopen((data + name).c_str(), "rb");
    if (f) {
        int32_t v;
        for (int k = 1; k <= 260 && std::fread(&v, 4, 1, f) == 1; ++k) codes[size_t(k)] = v + 1;
        std::fclose(f);
        return codes;
    }
    for (int v = 1; v <= 13; ++v)
        for (int u = 1; u <= 20; ++u) codes[size_t((v - 1) * 20 + u)] = kLevel[v - 1][u - 1] == '#' ? 1 : 0;
    return codes;
}

void composedBoard(const std::string& data, const std::string& outFile, int chapter, int levelNo)
{
    Img screen(1024, 768);
    cairo_t* cr = screen.cr();
    auto bg = loadJpeg(data + "bg/bg" + std::to_string(chapter) + ".jpg");
    draw(cr, *bg, 0, 0);
    std::vector<std::unique_ptr<Surf>> border(25), row(13), item(19);
    for (int i = 1; i <= 24; ++i) border[size_t(i)] = loadPng(data + "match3/border" + std::to_string(i) + ".png");
    for (int i = 1; i <= 12; ++i) row[size_t(i)] = loadPng(data + "match3/cellrow" + std::to_string(i) + ".png");
    for (int i = 1; i <= 18; ++i)
        if (i <= 15 || i == 18) item[size_t(i)] = loadPng(data + "match3/item1-" + std::to_string(i) + ".png");
    auto moss = loadPng(data + "match3/moss.png");
    auto top = loadPng(data + "match3/m3uiup.png");
    auto longbar = loadPng(data + "match3/m3uilongbar.png");
    auto arrow = loadPng(data + "match3/arrow1.png");
    auto mark = loadPng(data + "match3/cellmark.png");
    auto close = loadPng(data + "ui/buttons/button_close.png");
    std::vector<int> codes = levelCodes(data, levelNo);
    auto code = [&](int u, int v) { return v >= 1 && v <= 15 && u >= 1 && u <= 20 ? codes[size_t((v - 1) * 20 + u)] : 0; };
    auto has = [&](int u, int v) {
        int c = code(u, v);
        return c >= 1 && c <= 98 && 48 * u - 16 > 50 && 48 * v - 20 > 50;
    };
    // Cells: u = column 1..20, v = row 1..13 (row 1 of the table is grid row 2).
    Img level(960, 620);
    cairo_t* lc = level.cr();
    struct Cell {
        int x, y, bord, code;
    };
    std::vector<Cell> cells;
    for (int v = 1; v <= 15; ++v)
        for (int u = 1; u <= 20; ++u) {
            if (!has(u, v)) continue;
            int x = 48 * u - 16, y = 48 * v - 20;
            int b = borderId(has(u, v - 1), has(u, v + 1), has(u - 1, v), has(u + 1, v), has(u + 1, v - 1),
                             has(u + 1, v + 1), has(u - 1, v + 1), has(u - 1, v - 1));
            cells.push_back({x, y, b, code(u, v)});
        }
    for (const Cell& c : cells) {
        if (c.bord <= 0 || borderIsLive(c.bord)) continue;
        for (const BorderOffset& o : borderOffsets())
            if (o.id == c.bord) paste(lc, *border[size_t(c.bord)], c.x - 56 + o.ox, c.y - 98 + o.oy);
    }
    for (int u = 1; u <= 20; ++u) {
        int n = 0, topY = 100000, x = 0;
        for (const Cell& c : cells)
            if (c.x == 48 * u - 16) ++n, topY = std::min(topY, c.y), x = c.x;
        if (n > 0) paste(lc, *row[size_t(std::min(n, 12))], x - 56, topY - 98);
    }
    for (const Cell& c : cells)
        if (c.bord > 0 && borderIsLive(c.bord)) draw(cr, *border[size_t(c.bord)], c.x - 42, c.y - 42);
    level.flush();
    cairo_set_source_surface(cr, level.surface(), 32, 74);
    cairo_paint(cr);
    Rng rng{uint64_t(chapter)};
    int k = 0;
    for (const Cell& c : cells) {
        ++k;
        if (c.code == 4) drawC(cr, *moss, c.x, c.y);
        int kind = rng.irange(1, 5);
        if (c.code == 5) kind = 7;
        if (c.code == 6) kind = 18;
        if (k % 31 == 0) kind = 10;
        if (k % 41 == 0) kind = 12;
        drawC(cr, *item[size_t(kind)], c.x, c.y);
        if (k == 40 || k == 41 || k == 42) drawC(cr, *mark, c.x, c.y, 0.8);
    }
    if (cells.size() > 60) drawC(cr, *arrow, cells[60].x + 24, cells[60].y, 0.75);
    drawC(cr, *top, 512, 44);
    drawC(cr, *longbar, 512, 758);
    for (int i = 0; i < 5; ++i) {
        cairo_save(cr);
        cairo_translate(cr, 412 + 50 * i, 21);
        cairo_scale(cr, 0.8, 0.8);
        drawC(cr, *item[size_t(i + 1)], 0, 0);
        cairo_restore(cr);
    }
    drawC(cr, *close, 937, 29);
    const char* pus[4] = {"removeline", "removesameitems", "throwexplosive", "replaceallitems"};
    const double pux[4] = {80, 350, 672, 940};
    for (int i = 0; i < 4; ++i) {
        auto b = loadPng(data + "powerups/" + pus[i] + "/background.png");
        auto r = loadPng(data + "powerups/" + pus[i] + "/" + (i < 2 ? "ready.png" : "disabled.png"));
        drawC(cr, *b, pux[i], 718);
        drawC(cr, *r, pux[i], 718);
        if (i == 3) {
            auto l = loadPng(data + "powerups/" + pus[i] + "/lock.png");
            drawC(cr, *l, pux[i], 718);
        }
    }
    writePng(outFile, screen);
}

void mapSheet(const std::string& data, const std::string& outFile)
{
    Img screen(1024, 768);
    cairo_t* cr = screen.cr();
    auto map = loadPng(data + "roadmap/roadmap.png");
    auto bar = loadPng(data + "ui/menuborderdown.png");
    auto wa = loadPng(data + "roadmap/waypoint-aktiv.png");
    auto wi = loadPng(data + "roadmap/waypoint-inaktiv.png");
    auto sa = loadPng(data + "roadmap/stage-waypoint-aktiv.png");
    auto si = loadPng(data + "roadmap/stage-waypoint-inaktiv.png");
    auto holo = loadPng(data + "ui/buttons/button_holo.png");
    auto close = loadPng(data + "ui/buttons/button_close.png");
    draw(cr, *map, 0, 0);
    draw(cr, *bar, 0, 768 - bar->h() + 15);
    for (int i = 1; i <= 80; ++i) {
        double x = kLevelPoints[i - 1][0], y = kLevelPoints[i - 1][1];
        bool stage = i % 10 == 0;
        bool frontier = i == 47;
        if (stage) drawC(cr, i == 80 ? *sa : *si, x, y);
        else drawC(cr, frontier ? *wa : *wi, x, y);
        useFace(cr, Face::SansBold, 9);
        drawText(cr, std::to_string(i), x + 10, y - 8, 0, hex(0xff2040));
    }
    drawC(cr, *holo, 925, 666);
    drawC(cr, *close, 937, 29);
    writePng(outFile, screen);
}

// A text rendered with a font file, as the game draws it (shadow, border, face; kerning 1).
void fontSheet(const std::string& data, const std::string& outFile)
{
    Img screen(1024, 360);
    cairo_t* cr = screen.cr();
    auto bg = loadPng(data + "ui/popupbig.png");
    draw(cr, *bg, 112, -100);
    for (int which = 0; which < 2; ++which) {
        FILE* f = std::fopen((data + "fonts/" + (which ? "header.tgf" : "text.tgf")).c_str(), "rb");
        if (!f) continue;
        std::vector<uint8_t> b;
        uint8_t tmp[65536];
        size_t n;
        while ((n = std::fread(tmp, 1, sizeof tmp, f)) > 0) b.insert(b.end(), tmp, tmp + n);
        std::fclose(f);
        struct Layer {
            std::unique_ptr<Surf> img;
            int v[5];
        };
        std::map<std::pair<int, int>, Layer> glyphs;
        size_t p = 0;
        auto rd = [&]() {
            int32_t v = int32_t(uint32_t(b[p]) | uint32_t(b[p + 1]) << 8 | uint32_t(b[p + 2]) << 16 | uint32_t(b[p + 3]) << 24);
            p += 4;
            return v;
        };
        while (p + 4 < b.size()) {
            int code = rd();
            std::string name;
            while (b[p] != '\n') name += char(b[p++]);
            ++p;
            int len = rd();
            std::string tmpf = outFile + ".glyph.png";
            FILE* g = std::fopen(tmpf.c_str(), "wb");
            std::fwrite(&b[p], 1, size_t(len), g);
            std::fclose(g);
            p += size_t(len);
            while (b[p] != '\n') ++p;
            ++p;
            rd();
            Layer L;
            L.img = loadPng(tmpf);
            for (int& x : L.v) x = rd();
            while (b[p] != '\n') ++p;
            ++p;
            int layer = name == "SHADOW" ? 0 : name == "BORDER" ? 1 : 2;
            glyphs[{code, layer}] = std::move(L);
            std::remove(tmpf.c_str());
        }
        const char* lines[3] = {"The quick brown fox: 0123456789 !?%&()", "Caf\xe9 \xe0 la cr\xe8me, Gr\xfc\xdf" "e, \xa9 \xbf\xa1 \xd8\xc5\xc6",
                                "Welcome, TRAVELLER - Points 12500"};
        double y = which ? 200 : 40;
        for (const char* line : lines) {
            for (int layer = which ? 2 : 0; layer <= 2; ++layer) {
                double x = 150;
                for (const char* c = line; *c; ++c) {
                    int code = uint8_t(*c);
                    auto it = glyphs.find({code, layer});
                    auto face = glyphs.find({code, 2});
                    if (it != glyphs.end() && it->second.img->s) {
                        double ox = layer == 2 ? 0 : it->second.v[0], oy = layer == 2 ? 0 : it->second.v[1];
                        draw(cr, *it->second.img, x + ox, y + oy);
                    }
                    if (face != glyphs.end()) x += face->second.v[4] + 1.0;
                }
            }
            auto sp = glyphs.find({32, 2});
            y += sp != glyphs.end() ? sp->second.v[3] : 20;
        }
    }
    writePng(outFile, screen);
}

}  // namespace

int renderSheets(const std::string& dataDir, const std::string& outDir)
{
    composedBoard(dataDir, outDir + "board1.png", 1, 1);
    composedBoard(dataDir, outDir + "board3.png", 3, 25);
    composedBoard(dataDir, outDir + "board5.png", 5, 47);
    composedBoard(dataDir, outDir + "board8.png", 8, 80);
    composedBoard(dataDir, outDir + "board0.png", 6, 999);
    mapSheet(dataDir, outDir + "map.png");
    fontSheet(dataDir, outDir + "fonts.png");
    return 0;
}

}  // namespace art
