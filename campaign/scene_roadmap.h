// The level map of the campaign: the path of eighty level points, the level preview and the start button.
#pragma once

#include <memory>
#include <string>

#include "framework/scene.h"

class tavoTBild;
class TSpieler;

constexpr int ROADMAP_LEVELS = 80;
// The frame of a profile's first visit at which the map help opens.
constexpr int ROADMAP_HELP_FRAME = 20;
// How long a level that cannot be loaded is reported on the map.
constexpr int ROADMAP_MESSAGE_FRAMES = 160;

// Screen position of level n's point on the map picture (n in 1..80).
struct TLevelPoint {
    int x, y;
};
const TLevelPoint& roadmapPoint(int level);

class tavoTSceneRoadmap : public tavoTScene {
public:
    tavoTSceneRoadmap();
    ~tavoTSceneRoadmap() override;
    int Prepare() override;
    // After a language switch: the map's painted names, when the map has been loaded.
    void reloadTextPictures();
    int Update() override;
    int Leave() override { return leave(); }
    virtual int drawButtons();
    int drawLevelpoints();
    // An arrow on level `from` moves the focus to the path's previous or next level when it lies that way.
    void followPath(int from, int n);
    virtual int drawAnimation(float x, float y);
    virtual int LevelPreview();
    virtual int setRoadmapCoords();
    virtual int draw_preview_match3(int level, int second);
    int leave();

    // The points drawn on the map: the frontier, or all 80 once the campaign is finished.
    int visiblePoints() const;
    // The level the start button plays: the suspended one, else the frontier.
    int startLevel() const;
    // Starts `level` on the board, or reports on the map that its file cannot be read.
    bool playLevel(int level);

    float _LevelPointX[ROADMAP_LEVELS + 1] = {};
    float _LevelPointY[ROADMAP_LEVELS + 1] = {};
    std::unique_ptr<tavoTBild> _imgBackground;
    std::unique_ptr<tavoTBild> _imgBottomBar;
    int _effectcounter = 0;
    std::string _message;
    int _messageFrames = 0;
};

// The level preview's three bands inside its box, top to bottom: the miniature (scaled down when the board is too
// tall for its band), the best-time line, the play button. Screen pixels.
struct TPreviewLayout {
    float ox = 0, oy = 0, scale = 0.5f;   // a board position (x, y) is drawn at (ox + x * scale, oy + y * scale)
    float left = 0, top = 0, right = 0, bottom = 0;   // the miniature's outline, border pieces included
    float bandTop = 0, bandBottom = 0;    // the room the miniature may take
    float lineTop = 0, lineBottom = 0;    // the best-time line
    float playY = 0;                      // centre of the play button
};
TPreviewLayout previewLayout(int level);
// The best-time line of a level's preview; "by" only when the holder has a name.
std::string bestTimeLine(int level);

// The active profile with its levels clamped into the campaign; null when no profile is chosen.
TSpieler* roadmapProfile();
// True when the level's file holds a whole board.
bool levelFileComplete(int level);
