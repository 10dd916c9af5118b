// Where each text of the table is drawn and how much room it has there.
#include "frontend/text_boxes.h"

#include "frontend/letter_grid.h"

namespace {
constexpr int SMALL_BODY = POPUP_SMALL_W - 2 * POPUP_BODY_MARGIN;
constexpr int BIG_BODY = POPUP_BIG_W - 2 * POPUP_BODY_MARGIN;
constexpr int SMALL_TITLE = POPUP_SMALL_W - 2 * POPUP_TITLE_MARGIN;
constexpr int BIG_TITLE = POPUP_BIG_W - 2 * POPUP_TITLE_MARGIN;
constexpr int GLASS = GLASS_BUTTON_W - 2 * BUTTON_CAPTION_MARGIN;
constexpr int HOLO = HOLO_BUTTON_W - 2 * BUTTON_CAPTION_MARGIN;
// A number of up to six digits after a text, with its space.
constexpr int NUMBER = 70;
// A player's name: the entry stops at 140 pixels.
constexpr int NAME = 150;
// The level map's preview box and its best-time line; the columns of the score tables.
constexpr int PREVIEW = 420;
constexpr int TABLE_COLUMN = 120;
constexpr int TOOLTIP = 300;
constexpr int SCREEN = 1000;

using F = TextBoxFont;
}

const std::vector<TTextBox>& textBoxes()
{
    static const std::vector<TTextBox> t = {
        // Pause box.
        {"pause", F::Header, SMALL_TITLE, 1, 0},
        {"clicktocontinue", F::Text, SMALL_BODY, 1, 0},
        // "Chapter 3 - Level 7" on the map's preview and the board.
        {"chapter", F::Text, PREVIEW / 2, 1, 30},
        {"game", F::Text, PREVIEW / 2, 1, 30},
        // Main menu: the greeting in capitals across the top, the holo buttons.
        {"welcome", F::Header, SCREEN, 1, 2 * NAME, true},
        {"defaultplayer", F::Header, SCREEN / 2, 1, 0, true},
        {"startgame", F::Text, HOLO, 1, 0, true},
        {"player", F::Text, HOLO, 1, 0, true},
        {"champions", F::Text, HOLO, 1, 0, true},
        {"options", F::Text, HOLO, 1, 0, true},
        // Level map.
        {"play", F::Text, GLASS, 1, 0},
        {"besttime", F::Text, PREVIEW, 1, 60 + NAME},
        {"by", F::Text, PREVIEW, 1, 60 + NAME},
        {"nobesttime", F::Text, PREVIEW, 1, 0},
        {"alllevelsdone", F::Text, PREVIEW, 1, 0},
        {"levelmissing", F::Text, SCREEN / 2, 1, 0},
        {"journeydone", F::Text, SCREEN, 1, 0},
        // The board's victory screen.
        {"pointsinthislevel", F::Text, SMALL_BODY, 1, NUMBER},
        {"pointsinthisgame", F::Text, SMALL_BODY, 1, NUMBER},
        {"smasheddirt", F::Text, SMALL_BODY, 1, NUMBER},
        {"timebonus", F::Text, SMALL_BODY, 1, NUMBER},
        {"dayover", F::Header, SMALL_TITLE, 1, 0},
        {"ok", F::Text, GLASS, 1, 0},
        // Power-up buttons: floating messages and the tooltip.
        {"powerupready", F::Text, TOOLTIP, 1, 0},
        {"powerupnotready", F::Text, TOOLTIP, 1, 0},
        {"powerupnotenoughpoints", F::Text, TOOLTIP, 1, 0},
        {"powerupbusy", F::Text, TOOLTIP, 1, 0},
        {"powerupunlocked", F::Text, TOOLTIP, 1, 0},
        {"useitfor", F::Text, TOOLTIP, 1, NUMBER},
        {"unlockitfor", F::Text, TOOLTIP, 1, NUMBER},
        // Player menu and its delete question.
        {"playermenu", F::Header, BIG_TITLE, 1, 0},
        {"points", F::Text, TABLE_COLUMN, 1, 0},
        {"newplayer", F::Text, GLASS, 1, 0},
        {"delete", F::Text, GLASS, 1, 0},
        {"delplayersure", F::Text, SMALL_BODY, 1, 0},
        {"delplayersure2", F::Text, SMALL_BODY, 1, 0},
        {"noname", F::Text, NAME, 1, 0},
        {"back", F::Text, GLASS, 1, 0},
        // Dialog buttons and titles.
        {"yes", F::Text, GLASS, 1, 0},
        {"no", F::Text, GLASS, 1, 0},
        {"next", F::Text, GLASS, 1, 0},
        {"continue", F::Text, GLASS, 1, 0},
        {"exit", F::Text, GLASS, 1, 0},
        {"menu", F::Header, SMALL_TITLE, 1, 0},
        {"help", F::Text, GLASS, 1, 0},
        {"credits", F::Text, GLASS, 1, 0},
        {"creditstext", F::Text, SMALL_BODY, 16, 0},
        {"exitquestion", F::Header, SMALL_TITLE, 1, 0},
        {"exitsure", F::Text, SMALL_BODY, 1, 0},
        {"exitsave", F::Text, SMALL_BODY, 1, 0},
        {"newgame", F::Text, GLASS, 1, 0},
        {"newgame2", F::Text, SMALL_BODY, 1, 0},
        {"newgame3", F::Text, SMALL_BODY, 1, 0},
        {"newgame4", F::Text, SMALL_BODY, 1, 0},
        {"resumegame", F::Text, GLASS, 1, 0},
        {"wantresume", F::Text, SMALL_BODY, 3, 0},
        {"enterplayername", F::Text, BIG_BODY, 1, 0},
        // The name entry's letter grid: its function keys span several cells, the hint the paper.
        {"gridspace", F::Text, (int)(GRID_SPACE_SPAN * GRID_CELL_W - GRID_KEY_MARGIN), 1, 0},
        {"griddelete", F::Text, (int)(GRID_DELETE_SPAN * GRID_CELL_W - GRID_KEY_MARGIN), 1, 0},
        {"gridhint", F::Text, 430, 1, 0},
        // Score board columns and options.
        {"rank", F::Text, TABLE_COLUMN, 1, 0},
        {"name", F::Text, TABLE_COLUMN, 1, 0},
        {"level", F::Text, TABLE_COLUMN * 2 / 3, 1, 0},
        {"music", F::Text, BIG_BODY, 1, 0},
        {"sound", F::Text, BIG_BODY, 1, 0},
        {"loud", F::Text, 90, 1, 0},
        {"quiet", F::Text, 90, 1, 0},
        {"fullscreen", F::Text, 200, 1, 0},
        {"gfxcursor", F::Text, 200, 1, 0},
        {"showhelp", F::Text, 200, 1, 0},
        // Help pages: title in the big popup, text centred under the example board.
        {"helproadmaptitle", F::Header, BIG_TITLE, 1, 0},
        {"helproadmaptext", F::Text, BIG_BODY, 11, 0},
        {"helpplaytitle", F::Header, BIG_TITLE, 1, 0},
        {"helpplaytext", F::Text, BIG_BODY, 5, 0},
        {"helpdirttitle", F::Header, BIG_TITLE, 1, 0},
        {"helpdirttext", F::Text, BIG_BODY, 5, 0},
        {"helpbombstitle", F::Header, BIG_TITLE, 1, 0},
        {"helpbombstext", F::Text, BIG_BODY / 2, 5, 0},
        {"helpstonetitle", F::Header, BIG_TITLE, 1, 0},
        {"helpstonetext", F::Text, BIG_BODY, 3, 0},
        {"helppowerupremovelinetitle", F::Header, BIG_TITLE, 1, 0},
        {"helppowerupremovelinetext", F::Text, BIG_BODY, 4, 0},
        {"helppowerupremovesameitemstitle", F::Header, BIG_TITLE, 1, 0},
        {"helppowerupremovesameitemstext", F::Text, BIG_BODY, 3, 0},
        {"helppowerupthrowexplosivetitle", F::Header, BIG_TITLE, 1, 0},
        {"helppowerupthrowexplosivetext", F::Text, BIG_BODY, 3, 0},
        {"helppowerupreplaceallitemstitle", F::Header, BIG_TITLE, 1, 0},
        {"helppowerupreplaceallitemstext", F::Text, BIG_BODY, 4, 0},
    };
    return t;
}
