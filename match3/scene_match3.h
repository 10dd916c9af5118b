// The board scene: rules, drawing and the per-frame run of one level.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "framework/scene.h"
#include "match3/board_codes.h"

class tavoTBild;
class TSpieler;

// The level's timeline, in frames of the scene's _runtime since the level was prepared.
constexpr int M3_FRAME_NO_READY_LINES = 5;   // a swap level breaks up the lines the build left ready
constexpr int M3_FRAME_INSTRUCTIONS = 35;    // the instructions page opens, once: the frame steps on to 36
constexpr int M3_FRAME_SLIDE = 50;           // after it items fall, and the play sign zooms in
constexpr int M3_FRAME_BOARD_FADE = 52;      // the board fades in from here, over 40 frames
constexpr int M3_FRAME_SIGN_OUT = 140;       // the play sign fades out and the menu button answers
constexpr int M3_FRAME_LIVE = 150;           // after it: presses, the line test, play time, the meteor, the goal bar
constexpr int M3_HINT_PERIOD = 150;          // a hint can come on frames 1, 151, 301, ...
constexpr int M3_HINT_IDLE = 400;            // idle frames before a hint: the first comes at frame 451
constexpr int M3_HELP_BOMB_IDLE = 100;       // idle frames before a board without moves gets a bomb

// "data/levels/lvla" + the level number with at least three digits + ".lvl".
std::string levelFileName(int level);
// Where a pasted border piece sits against its cell's top-left corner; false for the pieces drawn live.
bool m3BorderOffset(int id, int& dx, int& dy);

// Glossary of the board's German names:
//   _hla        the codes of the level file being read, entries 1..501
//   _cellri     hint arrow on a cell, 0 none or 1..4 its direction
//   _cellFumm   mark of a cell whose item is in the removal set; counts up to 5 while drawn
//   _cellBord   border shape 0..24 of a cell, 0 inside the board
//   _itemBef    1 = the item belongs to the removal set being built
//   _Item_f     1 = the item is falling
//   _Item_Tipp  hint wiggle phase 0..71
//   _Item_Alter age in frames, the item fades in over the first 20
//   _Item_New   stones and doors: how many new items fall in when it breaks
//   _Item_bombspreng  1 = this bomb has gone off
//   _fummpipe   the removal set: item slots 1.._fummcount
//   _abwahl     1 = the removal set is ready for the removal step
//   _nixdo      idle frames since the player last pressed an item
//   _inruhe     board at rest: the slide step sets it every frame
//   _swapping   shuffle wave radius in pixels, 0 = no wave
//   _geholfen   1 = the help bomb has been given on this level
//   _zug*       the move the hint search found
//   _winrun     frames since the level was won, 0 while playing
class tavoTSceneMatch3 : public tavoTScene {
public:
    tavoTSceneMatch3();
    ~tavoTSceneMatch3() override;
    int Prepare() override;
    int Update() override;
    int Leave() override;

    static constexpr float _CELLOFFSETX = -16.0f;
    static constexpr float _CELLOFFSETY = -20.0f;
    static constexpr int _BONUS_GOLD = 2000;
    static constexpr int _BONUS_SILVER = 1500;
    static constexpr int _BONUS_BRONZE = 1000;
    static constexpr float _MENUBUTTON_X = 937.0f;
    static constexpr float _MENUBUTTON_Y = 29.0f;
    static constexpr float _GEMBAR_XOFFSET = 387.0f;
    static constexpr float _GEMBAR_YOFFSET = 21.0f;

    // Board model and level files
    virtual int _preparelevelmatch3();
    virtual int _instcell(float x, float y, int a, int moss, int beetle, int stone, int door);
    virtual int _item_prepare(float x, float y, int kind, int f);
    virtual int _itemauswahl(int flag);
    virtual int loadLevelPreviewData();
    virtual int _previewcell_preview(int level, float x, float y, int a, int moss, int beetle, int stone, int door);
    virtual int _previewitem_prepare(int level, float x, float y, int kind);

    // Moves and the line test
    virtual int _make_swaps();
    virtual int _gt3_swappen();
    virtual int _gt3_checkmove(int flag);
    virtual int _draw_gt3partner();
    virtual int _pointerOnItem(int i);

    // Removal, falling, refill and bombs
    virtual int _remove_items();
    virtual int _item_slide();
    virtual int _bombcheck(int bomb, int other);
    virtual int _makeno3groups();
    virtual int _gt1_gt2_gt3_swapping();
    // 1 when nothing moves: no item can fall, no swap runs, no shuffle wave.
    virtual int _boardAtRest();
    // The six board steps of one frame in their fixed order.
    virtual int _boardSteps();

    // Obstacles
    virtual int _mosscheck(int item);
    virtual int _mosscheckpu3(int cell);
    virtual int _stonecheck(int item);

    // Hints and the help bomb
    virtual int _gt3_tipp();

    // The board by keys and pad
    // The cursor's frame, before the board steps: power-up keys, dropping a pick, arrows moving the cursor or
    // swapping the gem it picked, confirm pressing its cell as a click does.
    virtual int _cursorFrame();
    // The cursor ring and, after a pad chose a power-up, the ring on that button.
    virtual int _cursorDraw();
    // 1 when item i is under what aims now: the cursor while it acts, else the pointer.
    virtual int _aimOnItem(int i);
    // 1 in the frame the aim fires: the cursor's confirm while it acts, else the pointer's click.
    virtual int _aimFired();
    // 1 while the cursor is seen and has been since the frame before, so that the first key only shows it.
    int _cursorActs() const { return _cursorLive; }

    // Scoring
    virtual int _incpoints(float x, float y, int n);

    // Scoring, time and winning
    virtual int _checkWinCondition();
    virtual int _screenWin();
    virtual int _gameUI_drawLeveltexts(int unused);
    virtual int _drawGemBar();
    virtual int _timeBonusFor(int seconds);

    // The scene frame
    virtual int preloadImages();
    virtual int setVictoryScreen();
    // After a language switch: the pictures with painted words, those loaded so far.
    void reloadTextPictures();
    virtual int _predrawings();
    virtual int _predraw_level();
    virtual int _draw_cells();
    virtual int _draw_items();
    virtual int _draw_pu();
    virtual int _playsign();
    virtual int _gameUI_drawMenuButton();

    int _winrun = 0;
    // The board's pictures, owned by `_pictures`.
    tavoTBild* _imgBackground;
    tavoTBild* _imgGameUIMatch3Longbar;
    tavoTBild* _imgLogoGlow;
    tavoTBild* _imgRays2;
    tavoTBild* _imgCell;
    tavoTBild* _imgMoss;
    tavoTBild* _imgCellMask;
    tavoTBild* _imgCellMark;
    tavoTBild* _imgGameUIMatch3;
    tavoTBild* _imgPlaysign;
    tavoTBild* _imgVictory;
    tavoTBild* _imgLevel;
    tavoTBild* _imgGlow;
    tavoTBild* _imgGlow2;
    tavoTBild* _imgGrabber1;
    tavoTBild* _imgRow[13];
    tavoTBild* _imgCellBorder[25];
    tavoTBild* _imgItem[30];
    tavoTBild* _imgCellArrow[5];
    // Effect pictures, loaded by the effects.
    tavoTBild* _imgGl[10];
    tavoTBild* _imgGlo[10];
    tavoTBild* _imgDirt[10];
    tavoTBild* _imgGlowStar;
    tavoTBild* _imgBombflares;

    // Cells
    int _CellA[M3_SLOTS];
    float _CellX[M3_SLOTS];
    float _CellY[M3_SLOTS];
    int _cellMoss[M3_SLOTS];
    int _cellStone[M3_SLOTS];
    int _cellDoor[M3_SLOTS];
    int _cellBord[M3_SLOTS];
    int _cellGlow[M3_SLOTS];
    int _cellFumm[M3_SLOTS];
    int _cellri[M3_SLOTS];
    int _cellitem[M3_SLOTS];
    int _cellbug[M3_SLOTS];

    // Items
    int _itemA[M3_SLOTS];
    float _itemX[M3_SLOTS];
    float _itemY[M3_SLOTS];
    int _itemCell[M3_SLOTS];
    int _itemKaefCol[M3_SLOTS];
    int _itemBef[M3_SLOTS];
    int _Item_Tipp[M3_SLOTS];
    int _Item_f[M3_SLOTS];
    int _Item_Glow[M3_SLOTS];
    int _Item_Alter[M3_SLOTS];
    int _Item_FallDynamic[M3_SLOTS];
    int _Item_Rumble[M3_SLOTS];
    int _Item_New[M3_SLOTS];
    int _Item_bombspreng[M3_SLOTS];
    int _Item_FallZiel[M3_SLOTS];
    // Which item a slot holds: new for every item made, so a slot emptied and filled again is told apart.
    unsigned _itemSerial[M3_SLOTS];
    unsigned _itemsMade = 0;

    // Columns
    int _m3rowcount[M3_COLUMNS];
    float _m3rowx[M3_COLUMNS];
    float _m3rowy[M3_COLUMNS];

    int _hla[502];
    int _fummpipe[M3_SLOTS];
    int _item_Max = M3_ITEM_MAX;

    int _gemPoints = 5;
    int _obstaclePoints = 25;
    int _mossPoints = 10;
    int _gemMultiplier = 1;
    int _biggestCombo = 0;
    int _timeMode = _TIMEMODE_ATTACK;

    // Move state
    int _gt3_partner1 = 0, _gt3_partner2 = 0;
    int _gt3_swap = 0, _gt3_swapdir = 0;
    float _gt3_swaplx1 = 0, _gt3_swaplx2 = 0, _gt3_swaply1 = 0, _gt3_swaply2 = 0;
    int _gt3_partner1fumm = 0, _gt3_partner2fumm = 0;
    int _nixdo = 0;
    int _inruhe = 0;
    // 1 while the held button was pressed for a power-up's target: it selects no gem until released.
    int _pressForPowerUp = 0;

    // Removal state
    int _abwahl = 0;
    int _fummcount = 0;
    int _swapping = 0;
    int _sprengpilzrun = 0;
    int _makeno3d = 0;
    int _bugcount = 0;
    int _erstfumm = 0, _letztfumm = 0, _fummcol = 0;

    // Obstacle state
    int _mosscount = 0;
    int _doorcheck = 0;
    int _geholfen = 0;
    float _stonesoundx = -1, _doorsoundx = -1, _mosssoundx = -1;
    int _mossda = 0, _stoneda = 0;

    // Cursor state: its cell, 1 in a frame its confirm presses the cell, the power-up number (1-4) a key or the
    // pad pressed this frame, the pad's chosen power-up and the frames its ring still shows.
    int _cursorCell = 0;
    int _cursorFire = 0;
    int _cursorShown = 0, _cursorLive = 0;
    int _puPressed = 0;
    int _padPowerUp = 0, _padPowerUpRing = 0;

    // Hint state
    int _zug = 0, _zugpointer = 0, _zugpointer2 = 0, _zugpointer3 = 0;

    // Victory state
    int _bonuspunkte = 0;
    int VictoryRuntime = 0;
    int ScoreboardRuntime = 0;
    int _timebonus = 0, _timebonusminuten = 0, _timermaxx = 0;
    int _continueGame = 0;
    int PU_add = 0;
    int _wholeglow = -496;

    // Level-map previews [level][slot] and [level][column]
    std::unique_ptr<float[][M3_SLOTS]> _preview_cellx;
    std::unique_ptr<float[][M3_SLOTS]> _preview_celly;
    std::unique_ptr<int[][M3_SLOTS]> _preview_cella;
    std::unique_ptr<int[][M3_SLOTS]> _preview_cellmoss;
    std::unique_ptr<int[][M3_SLOTS]> _preview_cellitem;
    std::unique_ptr<int[][M3_SLOTS]> _preview_cellbug;
    std::unique_ptr<int[][M3_SLOTS]> _preview_cellstone;
    std::unique_ptr<int[][M3_SLOTS]> _preview_celldoor;
    std::unique_ptr<int[][M3_SLOTS]> _preview_cellbord;
    std::unique_ptr<float[][M3_SLOTS]> _preview_itemx;
    std::unique_ptr<float[][M3_SLOTS]> _preview_itemy;
    std::unique_ptr<int[][M3_SLOTS]> _preview_itema;
    std::unique_ptr<int[][M3_SLOTS]> _preview_itemkaefcol;
    std::unique_ptr<int[][M3_COLUMNS]> _preview_m3rowcount;
    std::unique_ptr<int[][M3_COLUMNS]> _preview_m3rowx;
    std::unique_ptr<int[][M3_COLUMNS]> _preview_m3rowy;

private:
    int _readLevelFile(int level);
    // True when an item in slot i has something within one cell below it (slots 1..n looked at).
    bool _restsOnSomething(int i, int n) const;
    // The steps of the victory.
    void _winCredit(TSpieler& p);
    void _winDrawPicture(TSpieler& p, int boardFrom);
    void _winDrawScoreBoard(TSpieler& p, int boardFrom);
    void _winFinish(TSpieler& p);
    std::vector<tavoTBild**> pictureSlots();
    std::vector<std::unique_ptr<tavoTBild>> _pictures;
};
