// The eight illustrated instruction pages: playing, moss, bombs, stones and the four power-ups, with small example boards.
#include <string>

#include "framework/globals.h"
#include "frontend/widgets.h"
#include "fonts/bitmapfont.h"
#include "framework/bild.h"
#include "frontend/dialogs/dialogs.h"
#include "frontend/popup.h"
#include "match3/scene_match3.h"
#include "platform/sys.h"
#include "powerups/powerups.h"

namespace {
// Gem kinds, the stone, the door and the bomb as the board numbers them.
constexpr int G1 = 1, G2 = 2, G3 = 3, G4 = 4, G5 = 5, ST = _ITEM_XSTEIN, BM = _ITEM_BOMB;
// The hint arrows the examples use: 1 right, 3 down, 4 up.
constexpr int AR = 1, AD = 3, AU = 4;

// One example board: cells 1..9 row by row, arrows on the twelve edges, the pointer on a cell or 0.
struct TExample {
    float x, y;
    int items[9];
    int marks[9];
    int moss[9];
    int arrows[12];
    int pointer;
};

void draw(const TExample& e) { drawHelpDiagram(e.x, e.y, e.items, e.marks, e.moss, e.arrows, e.pointer); }

// Between two examples: "before" becomes "after".
void drawStep(float x, float y)
{
    if (tavoTBild* a = g_helpDiagramPictures.arrows.size() > AR ? g_helpDiagramPictures.arrows[AR] : nullptr) a->PaintXY(x, y);
}

void page(tavoTPopup& p, const char* key, float textY)
{
    p.box(POPUP_SIZE_BIG, text(std::string(key) + "title"));
    drawCenteredText(text(std::string(key) + "text"), g_fontText, 512, textY);
}

void powerUpPage(tavoTPowerUp& pu, const char* name, float pictureX)
{
    pu._introduceMyself(name, 190);
    pu.IntroductionPicture(pictureX, 399);
}

// The five gems to collect, in a row beneath the examples.
void drawGoalGems(float y)
{
    Sys_SetScale(0.75f, 0.75f);
    for (int k = 1; k <= 5; ++k)
        if ((size_t)k < g_helpDiagramPictures.items.size() && g_helpDiagramPictures.items[(size_t)k])
            g_helpDiagramPictures.items[(size_t)k]->PaintXY(512 + (float)(k - 3) * 44, y);
    Sys_SetScale(1.0f, 1.0f);
}

// Playing: a swap makes a line, the line vanishes; no moss, for the levels that have none.
void playPage(tavoTPopup& p)
{
    page(p, "helpplay", 410);
    draw({312, 284, {G3, G2, G4, G2, G1, G2, G5, G4, G1}, {0, 0, 0, 1, 0, 1, 0, 0, 0}, {},
          {0, 0, 0, AD, 0, 0, 0, 0, 0, 0, 0, 0}, 0});
    drawStep(512, 284);
    draw({712, 284, {G5, G3, G4, G3, G1, G5, G5, G4, G1}, {}, {}, {}, 0});
    drawGoalGems(366);
}

// Moss: a swap makes a line on mossy cells, and the moss beneath is gone.
void mossPage(tavoTPopup& p)
{
    page(p, "helpdirt", 410);
    draw({312, 284, {G3, G2, G4, G2, G1, G2, G5, G4, G1}, {0, 0, 0, 1, 0, 1, 0, 0, 0}, {0, 0, 0, 1, 1, 1, 0, 0, 0},
          {0, 0, 0, AD, 0, 0, 0, 0, 0, 0, 0, 0}, 0});
    g_imgHelpTile->PaintXY(512, 284);
    draw({712, 284, {G5, G3, G4, G3, G1, G5, G5, G4, G1}, {0, 0, 0, 0, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0, 0, 0, 0},
          {}, 0});
    drawGoalGems(366);
}

// Bombs: five golden gems leave a bomb; a click on the bomb clears its surroundings.
void bombPage(tavoTPopup& p)
{
    page(p, "helpbombs", 190);
    draw({212, 270, {G4, G1, G2, G4, G3, G5, G4, G4, G4}, {1, 0, 0, 1, 0, 0, 1, 1, 1}, {}, {}, 0});
    drawStep(512 - 150, 270);
    draw({812, 270, {G2, G1, G2, G5, G3, G5, BM, G3, G1}, {}, {}, {}, 0});
    drawStep(512 + 150, 270);
    draw({212, 465, {G1, G2, G5, G3, BM, G3, G5, G4, G2}, {}, {1, 1, 1, 1, 1, 1, 1, 1, 1}, {}, 1});
    draw({812, 465, {0, 0, 0, 0, 0, 0, 0, 0, 0}, {1, 1, 1, 1, 1, 1, 1, 1, 1}, {}, {}, 0});
    drawStep(512, 465);
}

// Stones: a line beside a stone breaks it.
void stonePage(tavoTPopup& p)
{
    page(p, "helpstone", 190);
    draw({312, 399, {G2, ST, G3, G1, G5, G1, G3, G1, G4}, {0, 0, 0, 1, 0, 1, 0, 0, 0}, {},
          {0, 0, 0, 0, 0, 0, 0, 0, AU, 0, 0, 0}, 4});
    g_imgHelpStone->PaintXY(512, 399);
    draw({712, 399, {G2, G3, G3, G4, G2, G5, G3, G5, G4}, {0, 1, 0, 0, 0, 0, 0, 0, 0}, {}, {}, 0});
}

// Clear a line: the row clicked vanishes at once.
void removeLinePage(tavoTPopup&)
{
    powerUpPage(*puRemoveLine, "removeline", 712);
    draw({312, 399, {G1, G3, G5, G2, G4, G1, G3, G2, G5}, {0, 0, 0, 1, 1, 1, 0, 0, 0}, {}, {}, 1});
    draw({512, 399, {0, 0, 0, G1, G3, G5, G3, G2, G5}, {}, {}, {0, 0, AD, AD, AD, 0, 0, 0, 0, 0, 0, 0}, 0});
}

// Gem magnet: every gem of the kind clicked leaves the board.
void removeSamePage(tavoTPopup&)
{
    powerUpPage(*puRemoveSameItem, "removesameitems", 712);
    draw({312, 399, {G2, G3, G2, G5, G2, G1, G2, G4, G3}, {1, 0, 1, 0, 1, 0, 1, 0, 0}, {}, {}, 1});
    draw({512, 399, {0, G3, 0, G5, 0, G1, 0, G4, G3}, {}, {}, {}, 0});
}

// Fire comet: a gem turns into a bomb.
void throwExplosivePage(tavoTPopup&)
{
    powerUpPage(*puThrowExplosive, "throwexplosive", 712);
    draw({312, 399, {G1, G3, G5, G2, G4, G1, G3, G2, G5}, {0, 0, 0, 0, 1, 0, 0, 0, 0}, {1, 1, 0, 1, 1, 0, 0, 0, 0},
          {}, 0});
    draw({512, 399, {G1, G3, G5, G2, BM, G1, G3, G2, G5}, {}, {1, 1, 0, 1, 1, 0, 0, 0, 0}, {}, 0});
}

// Shuffle: every gem is new, the stone stays.
void replaceAllPage(tavoTPopup&)
{
    powerUpPage(*puReplaceAllItems, "replaceallitems", 812);
    draw({212, 399, {G1, G1, G3, G2, ST, G4, G5, G2, G2}, {}, {}, {}, 0});
    draw({412, 399, {G1, G1, G3, G2, ST, G4, G5, G2, G2}, {1, 1, 1, 1, 0, 1, 1, 1, 1}, {}, {}, 0});
    draw({612, 399, {G4, G2, G5, G3, ST, G1, G2, G5, G3}, {}, {}, {}, 0});
}

// In the order a campaign meets them; each opens by itself at the start of the level that first has what it explains.
const TInstructionPage kPages[] = {
    {playPage, "helpplay", [] { return 1; }},
    {mossPage, "helpdirt", [] { return 2; }},
    {removeLinePage, "helppowerupremoveline", [] { return puRemoveLine->_availableOnLevel; }},
    {stonePage, "helpstone", [] { return 4; }},
    {removeSamePage, "helppowerupremovesameitems", [] { return puRemoveSameItem->_availableOnLevel; }},
    {bombPage, "helpbombs", [] { return 6; }},
    {throwExplosivePage, "helppowerupthrowexplosive", [] { return puThrowExplosive->_availableOnLevel; }},
    {replaceAllPage, "helppowerupreplaceallitems", [] { return puReplaceAllItems->_availableOnLevel; }},
};
constexpr int PAGE_COUNT = (int)(sizeof kPages / sizeof kPages[0]);
// The board frame at which the level-start instructions open; pages shown then have no back and next.
constexpr int BOARD_INSTRUCTIONS_FRAME = 36;
}

int instructionsPageCount() { return PAGE_COUNT; }

const TInstructionPage& instructionsPage(int page) { return kPages[(page < 1 || page > PAGE_COUNT ? 1 : page) - 1]; }

int instructionsPageForLevel(int level)
{
    for (int i = 0; i < PAGE_COUNT; ++i)
        if (kPages[i].level() == level) return i + 1;
    return 0;
}

int runInstructions(tavoTPopup& p)
{
    if (g_instructionsPage < 1 || g_instructionsPage > PAGE_COUNT) g_instructionsPage = 1;
    kPages[g_instructionsPage - 1].draw(p);
    const bool ok = dialogButton(p, 512, 610, "ok");
    bool back = false, next = false;
    if (g_helpFromMenu == 1 && sceneMatch3->_runtime != BOARD_INSTRUCTIONS_FRAME) {
        back = dialogButton(p, 312, 610, "back", g_instructionsPage > 1 ? 2 : -1);
        next = dialogButton(p, 712, 610, "next", g_instructionsPage < PAGE_COUNT ? 2 : -1);
    }
    if (ok || dialogEscape(p) || dialogEnter(p)) closeDialog(p);
    else if (back) g_instructionsPage -= 1;
    else if (next) g_instructionsPage += 1;
    return 1;
}
