// The list of every picture, font and text file the game reads, with sizes and frame layouts.
#include "content/pictures/manifest.h"

#include <map>

namespace art {

namespace {

void png(std::vector<Asset>& v, const std::string& p, int w, int h) { v.push_back({p, FileKind::Png, w, h}); }

void anim(std::vector<Asset>& v, const std::string& p, int cols, int rows, int fw, int fh, int frames)
{
    v.push_back({p, FileKind::Png, cols * fw, rows * fh, fw, fh, frames});
}

std::vector<Asset> build()
{
    std::vector<Asset> v;
    // Shared interface pictures.
    png(v, "ui/bar.png", 440, 34);
    png(v, "ui/bnmove2.png", 30, 40);
    png(v, "ui/cb.png", 34, 34);
    png(v, "ui/h.png", 34, 34);
    png(v, "ui/coll.png", 2, 2);
    png(v, "ui/coll2.png", 4, 4);
    png(v, "ui/coll3.png", 5, 5);
    png(v, "ui/optionstrack.png", 320, 22);
    png(v, "ui/helptileexpl.png", 220, 96);
    png(v, "ui/helpstoneexpl.png", 220, 96);
    png(v, "ui/helparrow.png", 64, 32);
    png(v, "ui/line.png", 420, 6);
    png(v, "ui/niner.png", 156, 156);
    png(v, "ui/uitopfull.png", 620, 64);
    png(v, "ui/playermenu.png", 460, 360);
    png(v, "ui/scores.png", 480, 312);
    png(v, "ui/scoresbar.png", 460, 26);
    png(v, "ui/createplayer.png", 400, 120);
    png(v, "ui/loadbar.png", 500, 64);
    png(v, "ui/loadfill.png", 500, 64);
    png(v, "ui/menuborderup.png", 1024, 72);
    png(v, "ui/menuborderdown.png", 1024, 150);
    png(v, "ui/popupsmall.png", 500, 340);
    png(v, "ui/popupmedium.png", 580, 440);
    png(v, "ui/popupbig.png", 800, 540);
    png(v, "ui/popupmini.png", 240, 64);
    png(v, "ui/popupshadow.png", 1024, 768);
    png(v, "ui/cursor.png", 32, 32);
    png(v, "ui/key.png", 32, 32);
    png(v, "ui/buttons/button_holo.png", 200, 56);
    png(v, "ui/buttons/button_glas.png", 172, 56);
    png(v, "ui/buttons/next.png", 84, 84);
    png(v, "ui/buttons/previous.png", 84, 84);
    png(v, "ui/buttons/button_close.png", 46, 46);
    png(v, "ui/buttons/button_closehover.png", 46, 46);
    png(v, "ui/buttons/01_holo.png", 200, 40);
    png(v, "ui/buttons/02_holo.png", 200, 40);
    png(v, "ui/buttons/03_holo.png", 200, 40);

    // Effects.
    for (int i = 1; i <= 5; ++i) png(v, "effects/asts" + std::to_string(i) + ".png", 96, 44);
    anim(v, "effects/holowobbel.png", 8, 4, 128, 128, 32);
    anim(v, "effects/impact.png", 4, 4, 128, 128, 16);
    png(v, "effects/logoglow.png", 256, 256);
    png(v, "effects/rays2.png", 512, 512);
    png(v, "effects/bombflare.png", 128, 128);
    png(v, "effects/glowstar.png", 64, 64);
    for (int i = 1; i <= 9; ++i) png(v, "effects/glb" + std::to_string(i) + ".png", 32, 32);
    for (int i = 1; i <= 9; ++i) png(v, "effects/glo" + std::to_string(i) + ".png", 64, 64);
    for (int i = 1; i <= 9; ++i) png(v, "effects/dirt" + std::to_string(i) + ".png", 24, 24);

    // Level map.
    png(v, "roadmap/roadmap.png", 1024, 768);
    png(v, "roadmap/bottombar.png", 1024, 150);
    png(v, "roadmap/stage-waypoint-aktiv.png", 44, 44);
    png(v, "roadmap/stage-waypoint-inaktiv.png", 44, 44);
    png(v, "roadmap/waypoint-aktiv.png", 28, 28);
    png(v, "roadmap/waypoint-inaktiv.png", 24, 24);

    // Backgrounds.
    v.push_back({"bg/loadbg.jpg", FileKind::Jpeg, 1024, 768});
    v.push_back({"bg/menubg.jpg", FileKind::Jpeg, 1024, 768});
    for (int i = 1; i <= 8; ++i) v.push_back({"bg/bg" + std::to_string(i) + ".jpg", FileKind::Jpeg, 1024, 768});

    // Board.
    png(v, "match3/m3uilongbar.png", 1024, 100);
    png(v, "match3/cell.png", 48, 48);
    png(v, "match3/moss.png", 48, 48);
    png(v, "match3/cellmask.png", 48, 48);
    png(v, "match3/cellmark.png", 48, 48);
    png(v, "match3/m3uiup.png", 1024, 88);
    for (int n = 1; n <= kMaxColumnCells; ++n) png(v, "match3/cellrow" + std::to_string(n) + ".png", kCell, kCell * n);
    for (int id = 1; id <= 24; ++id) {
        int w = 84, h = 84;
        for (const BorderOffset& b : borderOffsets())
            if (b.id == id) w = b.w, h = b.h;
        png(v, "match3/border" + std::to_string(id) + ".png", w, h);
    }
    for (int k = 1; k <= 15; ++k) png(v, "match3/item1-" + std::to_string(k) + ".png", 48, 48);
    png(v, "match3/item1-18.png", 48, 48);
    for (int i = 1; i <= 4; ++i) png(v, "match3/arrow" + std::to_string(i) + ".png", 32, 32);
    png(v, "match3/victory.png", 640, 420);
    anim(v, "match3/ast.png", 16, 1, 50, 56, 16);
    png(v, "match3/menu.png", 46, 46);
    png(v, "match3/menuhover.png", 46, 46);
    png(v, "texts/gameon.png", 440, 150);

    // Power-up buttons.
    for (const char* pu : {"removeline", "removesameitems", "throwexplosive", "replaceallitems"})
        for (const char* f : {"ready", "disabled", "background", "lock"})
            png(v, std::string("powerups/") + pu + "/" + f + ".png", 100, 110);

    // Story, branding, fonts and texts.
    for (int i = 1; i <= 11; ++i) v.push_back({"story/story" + std::to_string(i) + ".jpg", FileKind::Jpeg, 1024, 768});
    v.push_back({"branding/studio.jpg", FileKind::Jpeg, 1024, 768});
    v.push_back({"branding/title.jpg", FileKind::Jpeg, 1024, 768});
    png(v, "branding/icon32.png", 64, 64);
    v.push_back({"branding/splashconfig.txt", FileKind::Text});
    v.push_back({"texts/codetexts.txt", FileKind::Text});
    v.push_back({"fonts/text.tgf", FileKind::Font});
    v.push_back({"fonts/header.tgf", FileKind::Font});
    return v;
}

}  // namespace

const std::vector<BorderOffset>& borderOffsets()
{
    static const std::vector<BorderOffset> t = {
        {1, 0, -18, 48, 18},   {2, 0, 46, 48, 18},    {3, -18, 0, 18, 48},   {4, 46, 0, 18, 48},
        {5, -18, -18, 66, 66}, {6, 0, -18, 64, 66},   {7, 0, 0, 64, 64},     {8, -18, 0, 66, 64},
        {9, 46, 0, 18, 48},    {10, -18, 0, 18, 48},  {13, 46, -1, 18, 49},  {14, -18, -1, 18, 49},
        {17, -18, -2, 66, 66}, {18, 0, -2, 64, 66},   {19, 0, -18, 64, 66},  {20, -18, -18, 66, 66},
    };
    return t;
}

bool borderIsLive(int id)
{
    for (const BorderOffset& b : borderOffsets())
        if (b.id == id) return false;
    return true;
}

const std::vector<Asset>& manifest()
{
    static const std::vector<Asset> v = build();
    return v;
}

const Asset* findAsset(const std::string& path)
{
    static std::map<std::string, const Asset*> index;
    if (index.empty())
        for (const Asset& a : manifest()) index[a.path] = &a;
    auto it = index.find(path);
    return it == index.end() ? nullptr : it->second;
}

}  // namespace art
