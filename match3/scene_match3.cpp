// Board scene: construction and destruction of its pictures and arrays, and the level file names.
#include "match3/scene_match3.h"

#include <cstring>
#include <vector>

#include "framework/globals.h"
#include "campaign/spieler.h"
#include "framework/bild.h"
#include "framework/input.h"
#include "frontend/popup.h"
#include "match3/board_links.h"
#include "platform/sys.h"

std::string levelFileName(int level)
{
    std::string n = std::to_string(level);
    while (n.size() < 3) n = "0" + n;
    return "data/levels/lvla" + n + ".lvl";
}

template <class T> static void zeroArray(T& a) { std::memset(&a, 0, sizeof(a)); }

std::vector<tavoTBild**> tavoTSceneMatch3::pictureSlots()
{
    std::vector<tavoTBild**> v = {&_imgBackground, &_imgGameUIMatch3Longbar, &_imgLogoGlow, &_imgRays2, &_imgCell, &_imgMoss,
                                  &_imgCellMask, &_imgCellMark, &_imgGameUIMatch3, &_imgPlaysign, &_imgVictory, &_imgLevel,
                                  &_imgGlow, &_imgGlow2, &_imgGrabber1, &_imgGlowStar, &_imgBombflares};
    for (auto& p : _imgRow) v.push_back(&p);
    for (auto& p : _imgCellBorder) v.push_back(&p);
    for (auto& p : _imgItem) v.push_back(&p);
    for (auto& p : _imgCellArrow) v.push_back(&p);
    for (auto& p : _imgGl) v.push_back(&p);
    for (auto& p : _imgGlo) v.push_back(&p);
    for (auto& p : _imgDirt) v.push_back(&p);
    return v;
}

tavoTSceneMatch3::tavoTSceneMatch3()
{
    for (tavoTBild** img : pictureSlots()) *img = _pictures.emplace_back(std::make_unique<tavoTBild>()).get();
    zeroArray(_CellA); zeroArray(_CellX); zeroArray(_CellY); zeroArray(_cellMoss); zeroArray(_cellStone);
    zeroArray(_cellDoor); zeroArray(_cellBord); zeroArray(_cellGlow); zeroArray(_cellFumm); zeroArray(_cellri);
    zeroArray(_cellitem); zeroArray(_cellbug);
    zeroArray(_itemA); zeroArray(_itemX); zeroArray(_itemY); zeroArray(_itemCell); zeroArray(_itemBef);
    zeroArray(_Item_Tipp); zeroArray(_Item_f); zeroArray(_Item_Glow); zeroArray(_Item_Alter);
    zeroArray(_Item_FallDynamic); zeroArray(_Item_Rumble); zeroArray(_Item_New); zeroArray(_Item_bombspreng);
    zeroArray(_Item_FallZiel); zeroArray(_itemSerial);
    for (int& k : _itemKaefCol) k = -1;
    zeroArray(_m3rowcount); zeroArray(_m3rowx);
    for (float& y : _m3rowy) y = 1000;
    zeroArray(_hla); zeroArray(_fummpipe);

    _preview_cellx = std::make_unique<float[][M3_SLOTS]>(M3_PREVIEW_LEVELS);
    _preview_celly = std::make_unique<float[][M3_SLOTS]>(M3_PREVIEW_LEVELS);
    _preview_cella = std::make_unique<int[][M3_SLOTS]>(M3_PREVIEW_LEVELS);
    _preview_cellmoss = std::make_unique<int[][M3_SLOTS]>(M3_PREVIEW_LEVELS);
    _preview_cellitem = std::make_unique<int[][M3_SLOTS]>(M3_PREVIEW_LEVELS);
    _preview_cellbug = std::make_unique<int[][M3_SLOTS]>(M3_PREVIEW_LEVELS);
    _preview_cellstone = std::make_unique<int[][M3_SLOTS]>(M3_PREVIEW_LEVELS);
    _preview_celldoor = std::make_unique<int[][M3_SLOTS]>(M3_PREVIEW_LEVELS);
    _preview_cellbord = std::make_unique<int[][M3_SLOTS]>(M3_PREVIEW_LEVELS);
    _preview_itemx = std::make_unique<float[][M3_SLOTS]>(M3_PREVIEW_LEVELS);
    _preview_itemy = std::make_unique<float[][M3_SLOTS]>(M3_PREVIEW_LEVELS);
    _preview_itema = std::make_unique<int[][M3_SLOTS]>(M3_PREVIEW_LEVELS);
    _preview_itemkaefcol = std::make_unique<int[][M3_SLOTS]>(M3_PREVIEW_LEVELS);
    _preview_m3rowcount = std::make_unique<int[][M3_COLUMNS]>(M3_PREVIEW_LEVELS);
    _preview_m3rowx = std::make_unique<int[][M3_COLUMNS]>(M3_PREVIEW_LEVELS);
    _preview_m3rowy = std::make_unique<int[][M3_COLUMNS]>(M3_PREVIEW_LEVELS);
}

tavoTSceneMatch3::~tavoTSceneMatch3() = default;
