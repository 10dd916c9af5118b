// Board scene: construction and destruction of its pictures and arrays, and the level file names.
#include "match3/scene_match3.h"

#include <cstring>
#include <vector>

#include "app/globals.h"
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
    for (tavoTBild** img : pictureSlots()) *img = new tavoTBild();
    zeroArray(_CellA); zeroArray(_CellX); zeroArray(_CellY); zeroArray(_cellMoss); zeroArray(_cellStone);
    zeroArray(_cellDoor); zeroArray(_cellBord); zeroArray(_cellGlow); zeroArray(_cellFumm); zeroArray(_cellri);
    zeroArray(_cellitem); zeroArray(_cellbug);
    zeroArray(_itemA); zeroArray(_itemX); zeroArray(_itemY); zeroArray(_itemCell); zeroArray(_itemBef);
    zeroArray(_Item_Tipp); zeroArray(_Item_f); zeroArray(_Item_Glow); zeroArray(_Item_Alter);
    zeroArray(_Item_FallDynamic); zeroArray(_Item_Rumble); zeroArray(_Item_New); zeroArray(_Item_bombspreng);
    zeroArray(_Item_FallZiel);
    for (int& k : _itemKaefCol) k = -1;
    zeroArray(_m3rowcount); zeroArray(_m3rowx);
    for (float& y : _m3rowy) y = 1000;
    zeroArray(_hla); zeroArray(_fummpipe);

    _preview_cellx = new float[M3_PREVIEW_LEVELS][M3_SLOTS]();
    _preview_celly = new float[M3_PREVIEW_LEVELS][M3_SLOTS]();
    _preview_cella = new int[M3_PREVIEW_LEVELS][M3_SLOTS]();
    _preview_cellmoss = new int[M3_PREVIEW_LEVELS][M3_SLOTS]();
    _preview_cellitem = new int[M3_PREVIEW_LEVELS][M3_SLOTS]();
    _preview_cellbug = new int[M3_PREVIEW_LEVELS][M3_SLOTS]();
    _preview_cellstone = new int[M3_PREVIEW_LEVELS][M3_SLOTS]();
    _preview_celldoor = new int[M3_PREVIEW_LEVELS][M3_SLOTS]();
    _preview_cellbord = new int[M3_PREVIEW_LEVELS][M3_SLOTS]();
    _preview_itemx = new float[M3_PREVIEW_LEVELS][M3_SLOTS]();
    _preview_itemy = new float[M3_PREVIEW_LEVELS][M3_SLOTS]();
    _preview_itema = new int[M3_PREVIEW_LEVELS][M3_SLOTS]();
    _preview_itemkaefcol = new int[M3_PREVIEW_LEVELS][M3_SLOTS]();
    _preview_m3rowcount = new int[M3_PREVIEW_LEVELS][M3_COLUMNS]();
    _preview_m3rowx = new int[M3_PREVIEW_LEVELS][M3_COLUMNS]();
    _preview_m3rowy = new int[M3_PREVIEW_LEVELS][M3_COLUMNS]();
}

tavoTSceneMatch3::~tavoTSceneMatch3()
{
    for (tavoTBild** img : pictureSlots()) delete *img;
    delete[] _preview_cellx; delete[] _preview_celly; delete[] _preview_cella; delete[] _preview_cellmoss;
    delete[] _preview_cellitem; delete[] _preview_cellbug; delete[] _preview_cellstone; delete[] _preview_celldoor;
    delete[] _preview_cellbord; delete[] _preview_itemx; delete[] _preview_itemy; delete[] _preview_itema;
    delete[] _preview_itemkaefcol; delete[] _preview_m3rowcount; delete[] _preview_m3rowx; delete[] _preview_m3rowy;
}
