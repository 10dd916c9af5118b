// Contact sheets for checking the art by eye: a board composed like the game composes it, the map with its points.
#include <cctype>
#include <cmath>
#include <cstdio>
#include <map>

#include <jpeglib.h>
#include <memory>

#include "content/pictures/manifest.h"
#include "content/pictures/painters.h"
#include "content/pictures/sheets.h"
#include "frontend/bar_layout.h"

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
    auto bar = loadPng(data + "roadmap/bottombar.png");
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
    drawC(cr, *holo, kMapBarButtonX[0], kBarButtonY);
    drawC(cr, *close, 937, 29);
    writePng(outFile, screen);
}

// A font file read back and drawn as the game draws it (shadow, border, face; kerning 1).
class SheetFont {
public:
    SheetFont(const std::string& path, const std::string& scratch, bool layers) : layers_(layers)
    {
        FILE* f = std::fopen(path.c_str(), "rb");
        if (!f) return;
        std::vector<uint8_t> b;
        uint8_t tmp[65536];
        size_t n;
        while ((n = std::fread(tmp, 1, sizeof tmp, f)) > 0) b.insert(b.end(), tmp, tmp + n);
        std::fclose(f);
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
            FILE* g = std::fopen(scratch.c_str(), "wb");
            std::fwrite(&b[p], 1, size_t(len), g);
            std::fclose(g);
            p += size_t(len);
            while (b[p] != '\n') ++p;
            ++p;
            rd();
            Layer L;
            L.img = loadPng(scratch);
            for (int& x : L.v) x = rd();
            while (b[p] != '\n') ++p;
            ++p;
            int layer = name == "SHADOW" ? 0 : name == "BORDER" ? 1 : 2;
            glyphs_[{code, layer}] = std::move(L);
        }
        std::remove(scratch.c_str());
    }
    int height()
    {
        auto sp = glyphs_.find({32, 2});
        return sp != glyphs_.end() ? sp->second.v[3] : 0;
    }
    int width(const std::string& latin1)
    {
        int w = 0, last = 0;
        for (char c : latin1) {
            auto it = glyphs_.find({uint8_t(c), 2});
            if (it == glyphs_.end()) continue;
            last = uint8_t(c);
            w = int(w + it->second.v[4] + 1.0);
        }
        auto it = glyphs_.find({last, 2});
        if (it != glyphs_.end()) w = w - it->second.v[4] + it->second.v[2];
        return w;
    }
    // align 0 left, 1 centred, 2 right; y is the top of the line.
    void text(cairo_t* cr, const std::string& latin1, double x, double y, int align = 0)
    {
        if (align == 1) x -= width(latin1) / 2;
        if (align == 2) x -= width(latin1);
        for (int layer = layers_ ? 0 : 2; layer <= 2; ++layer) {
            double px = x;
            for (char ch : latin1) {
                int code = uint8_t(ch);
                auto it = glyphs_.find({code, layer});
                auto face = glyphs_.find({code, 2});
                if (it != glyphs_.end() && it->second.img->s) {
                    double ox = layer == 2 ? 0 : it->second.v[0], oy = layer == 2 ? 0 : it->second.v[1];
                    draw(cr, *it->second.img, px + ox, y + oy);
                }
                if (face != glyphs_.end()) px += face->second.v[4] + 1.0;
            }
        }
    }
    // Lines split at "%n", each centred on x.
    void centred(cairo_t* cr, const std::string& t, double x, double y)
    {
        size_t pos = 0;
        int i = 0;
        while (pos <= t.size()) {
            size_t e = t.find("%n", pos);
            if (e == std::string::npos) e = t.size();
            text(cr, t.substr(pos, e - pos), x, y + i * height(), 1);
            ++i;
            pos = e + 2;
        }
    }

private:
    struct Layer {
        std::unique_ptr<Surf> img;
        int v[5];
    };
    std::map<std::pair<int, int>, Layer> glyphs_;
    bool layers_;
};

std::string textOf(const std::string& key)
{
    for (const auto& [k, v] : textTable())
        if (k == key) return v;
    return "_UNDEF_" + key;
}

void fontSheet(const std::string& data, const std::string& outFile)
{
    Img screen(1024, 360);
    cairo_t* cr = screen.cr();
    auto bg = loadPng(data + "ui/popupbig.png");
    draw(cr, *bg, 112, -100);
    SheetFont text(data + "fonts/text.tgf", outFile + ".glyph.png", true);
    SheetFont header(data + "fonts/header.tgf", outFile + ".glyph.png", false);
    const char* lines[3] = {"The quick brown fox: 0123456789 !?%&()", ("Caf\xe9 \xe0 la cr\xe8me, Gr\xfc\xdf" "e, \xa9 \xbf\xa1 \xd8\xc5\xc6"),
                            "Welcome, TRAVELLER - Points 12500"};
    for (int i = 0; i < 3; ++i) text.text(cr, lines[i], 150, 40 + i * text.height());
    for (int i = 0; i < 3; ++i) header.text(cr, lines[i], 150, 200 + i * header.height());
    writePng(outFile, screen);
}

void holoButton(cairo_t* cr, const std::string& data, SheetFont& font, double x, double y, const std::string& caption)
{
    auto b = loadPng(data + "ui/buttons/button_holo.png");
    std::unique_ptr<Surf> f[3];
    for (int i = 0; i < 3; ++i) f[i] = loadPng(data + "ui/buttons/0" + std::to_string(i + 1) + "_holo.png");
    double h = b->h() / 2 - 2;
    double hy = y + h + f[0]->h() / 2.0 - 10;
    drawC(cr, *f[2], x - 5, hy);
    drawC(cr, *f[1], x - 5, hy);
    drawC(cr, *f[0], x - 5, hy);
    drawC(cr, *b, x, y);
    std::string up;
    for (char c : caption) up += char(std::toupper(static_cast<unsigned char>(c)));
    font.text(cr, up, x - 2, y - 22, 1);
}

void glassButton(cairo_t* cr, const std::string& data, SheetFont& font, double x, double y, const std::string& caption)
{
    auto b = loadPng(data + "ui/buttons/button_glas.png");
    drawC(cr, *b, x, y);
    font.text(cr, caption, x - 2, y - 26 + 4, 1);
}

void box(cairo_t* cr, const std::string& data, SheetFont& header, const std::string& file, const std::string& title)
{
    auto sh = loadPng(data + "ui/popupshadow.png");
    auto b = loadPng(data + "ui/" + file);
    draw(cr, *sh, 0, 0);
    drawC(cr, *b, 512, 384);
    header.text(cr, title, 512, 384 - b->h() / 2 + 20, 1);
}

void menuSheets(const std::string& data, const std::string& outDir)
{
    SheetFont text(data + "fonts/text.tgf", outDir + "glyph.png", true);
    SheetFont header(data + "fonts/header.tgf", outDir + "glyph.png", false);
    auto bg = loadJpeg(data + "bg/menubg.jpg");
    auto up = loadPng(data + "ui/menuborderup.png");
    auto down = loadPng(data + "ui/menuborderdown.png");
    auto close = loadPng(data + "ui/buttons/button_close.png");
    auto menu = [&](Img& screen) {
        cairo_t* cr = screen.cr();
        draw(cr, *bg, 0, 0);
        draw(cr, *up, 0, 0);
        draw(cr, *down, 0, 768 - down->h() + 15);
        holoButton(cr, data, text, 905, 666, textOf("startgame"));
        holoButton(cr, data, text, 115, 666, textOf("player"));
        holoButton(cr, data, text, 355, 666, textOf("champions"));
        holoButton(cr, data, text, 665, 666, textOf("options"));
        header.centred(cr, "WELCOME, ELIN", 512, 0);
        drawC(cr, *close, 937, 29);
    };
    {
        Img screen(1024, 768);
        menu(screen);
        writePng(outDir + "menu.png", screen);
    }
    {
        // The quit question over the menu.
        Img screen(1024, 768);
        menu(screen);
        cairo_t* cr = screen.cr();
        box(cr, data, header, "popupsmall.png", textOf("exitquestion"));
        int h = text.height() + 4;
        text.text(cr, textOf("exitsure"), 512, 384 - 340 / 2 + 20 + 2 * h, 1);
        text.text(cr, textOf("exitsave"), 512, 384 - 340 / 2 + 20 + 3 * h, 1);
        glassButton(cr, data, text, 407, 484, textOf("back"));
        glassButton(cr, data, text, 617, 484, textOf("ok"));
        writePng(outDir + "dialog_quit.png", screen);
    }
    {
        // Options: paper canvas, two sliders, three check boxes, two buttons.
        Img screen(1024, 768);
        menu(screen);
        cairo_t* cr = screen.cr();
        box(cr, data, header, "popupbig.png", textOf("options"));
        auto canvas = loadPng(data + "ui/playermenu.png");
        cairo_save(cr);
        cairo_translate(cr, 512, 384);
        cairo_scale(cr, 1.1, 1.0);
        drawC(cr, *canvas, 0, 0);
        cairo_restore(cr);
        auto track = loadPng(data + "ui/optionstrack.png");
        auto knob = loadPng(data + "ui/bnmove2.png");
        auto cb = loadPng(data + "ui/cb.png");
        auto tick = loadPng(data + "ui/h.png");
        for (int row = 0; row < 2; ++row) {
            double y = row ? 384 : 289;
            text.text(cr, textOf(row ? "sound" : "music"), 512, y - 58, 1);
            drawC(cr, *track, 512, y);
            text.text(cr, textOf("quiet"), 322, y - 20, 2);
            text.text(cr, textOf("loud"), 702, y - 20, 0);
            drawC(cr, *knob, 372 + (row ? 200 : 280), y + 3);
        }
        const double boxes[3][2] = {{302, 434}, {552, 434}, {442, 484}};
        const char* labels[3] = {"fullscreen", "showhelp", "gfxcursor"};
        for (int i = 0; i < 3; ++i) {
            drawC(cr, *cb, boxes[i][0], boxes[i][1]);
            if (i != 1) drawC(cr, *tick, boxes[i][0] + 6, boxes[i][1] - 6);
            text.text(cr, textOf(labels[i]), boxes[i][0] + 37, boxes[i][1] - 20);
        }
        glassButton(cr, data, text, 362, 594, textOf("credits"));
        glassButton(cr, data, text, 662, 594, textOf("ok"));
        writePng(outDir + "dialog_options.png", screen);
    }
    {
        // Champions table.
        Img screen(1024, 768);
        menu(screen);
        cairo_t* cr = screen.cr();
        box(cr, data, header, "popupmedium.png", textOf("champions"));
        auto scores = loadPng(data + "ui/scores.png");
        drawC(cr, *scores, 512, 432);
        text.text(cr, textOf("rank"), 324, 233, 1);
        text.text(cr, textOf("name"), 458, 233, 1);
        text.text(cr, textOf("points"), 611, 233, 1);
        text.text(cr, textOf("level"), 699, 233, 1);
        for (int r = 1; r <= 7; ++r) {
            double y = 290 + (r - 1) * text.height();
            text.text(cr, std::to_string(r), 323, y, 1);
            text.text(cr, r < 4 ? "Elin" : "---", 368, y, r < 4 ? 0 : 1);
            text.text(cr, r < 4 ? std::to_string(90000 / r) : "---", 654, y, r < 4 ? 2 : 1);
            text.text(cr, r < 4 ? std::to_string(40 / r) : "---", 697, y, 1);
        }
        drawC(cr, *close, 707, 384 - 440 / 2 + 40);
        writePng(outDir + "dialog_champions.png", screen);
    }
    {
        // Instructions, page 2: four grids and centred text.
        Img screen(1024, 768);
        auto bgb = loadJpeg(data + "bg/bg2.jpg");
        cairo_t* cr = screen.cr();
        draw(cr, *bgb, 0, 0);
        box(cr, data, header, "popupbig.png", textOf("helpbombstitle"));
        text.centred(cr, textOf("helpbombstext"), 512, 190);
        auto niner = loadPng(data + "ui/niner.png");
        auto bomb = loadPng(data + "match3/item1-10.png");
        auto gem = loadPng(data + "match3/item1-2.png");
        const double grids[4][2] = {{212, 270}, {812, 270}, {212, 465}, {812, 465}};
        for (auto& g : grids) {
            drawC(cr, *niner, g[0], g[1]);
            for (int c = 0; c < 9; ++c) drawC(cr, c == 4 ? *bomb : *gem, g[0] + (c % 3 - 1) * 48, g[1] + (c / 3 - 1) * 48);
        }
        glassButton(cr, data, text, 312, 610, textOf("back"));
        glassButton(cr, data, text, 512, 610, textOf("ok"));
        glassButton(cr, data, text, 712, 610, textOf("next"));
        writePng(outDir + "dialog_help.png", screen);
    }
    {
        // Player menu.
        Img screen(1024, 768);
        menu(screen);
        cairo_t* cr = screen.cr();
        box(cr, data, header, "popupbig.png", textOf("playermenu"));
        auto panel = loadPng(data + "ui/playermenu.png");
        auto bar = loadPng(data + "ui/bar.png");
        drawC(cr, *panel, 512, 364);
        double L = 512 - panel->w() / 2 + 40, R = 512 + panel->w() / 2 - 40, T = 384 - panel->h() / 2, h = 0.8 * text.height();
        text.text(cr, textOf("player"), L, T - 8);
        text.text(cr, textOf("game"), 512, T - 8, 1);
        text.text(cr, textOf("points"), R, T - 8, 2);
        for (int n = 1; n <= 7; ++n) {
            double y = T + h * n;
            if (n == 2) drawC(cr, *bar, 512, y + h - 11);
            text.text(cr, n == 2 ? "Elin" : "Traveller " + std::to_string(n), L, y);
            text.text(cr, std::to_string(10 * n), 512, y, 1);
            text.text(cr, std::to_string(12000 * n), R, y, 2);
        }
        glassButton(cr, data, text, 323, 584, textOf("newplayer"));
        glassButton(cr, data, text, 512, 584, textOf("ok"));
        glassButton(cr, data, text, 701, 584, textOf("delete"));
        writePng(outDir + "dialog_players.png", screen);
    }
    {
        // Loading screen with the bar settled and the fill half way.
        Img screen(1024, 768);
        cairo_t* cr = screen.cr();
        auto lbg = loadJpeg(data + "bg/loadbg.jpg");
        auto bar = loadPng(data + "ui/loadbar.png");
        auto fill = loadPng(data + "ui/loadfill.png");
        draw(cr, *lbg, 0, 0);
        double y = 768 - bar->h() / 2.0;
        drawC(cr, *bar, 512, y + 3);
        cairo_save(cr);
        cairo_rectangle(cr, 0, 0, 560, 768);
        cairo_clip(cr);
        drawC(cr, *fill, 512, y);
        cairo_restore(cr);
        writePng(outDir + "loading.png", screen);
    }
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
    menuSheets(dataDir, outDir);
    return 0;
}

}  // namespace art
