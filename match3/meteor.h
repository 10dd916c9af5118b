// The meteor that now and then tumbles across the board: a click on it scores and rains fragments that make bombs.
#pragma once

struct SysImage;

// Half the side of the square about the cursor's cell that a strike by key or pad reaches: the cell itself.
constexpr float M3_STRIKE_REACH = 24.0f;

class TMeteor {
public:
    virtual ~TMeteor();
    virtual int loadImages();
    virtual int unloadImages();
    virtual int Update();
    virtual int tempSetXY(float x, float y);
    virtual int setRandomSpot();
    virtual int Start();
    virtual int Hitted();
    virtual int rain();
    // A random item slot a fragment may turn into a bomb, resting in a cell and not yet a target; 0 when none is left.
    virtual int getTarget();
    virtual int Stop();
    // True when the meteor's upper half overlaps the board cursor's cell: a strike by key or pad hits.
    bool strikeHits() const;
    virtual int CalcNextAppearance();

    SysImage* img = nullptr;   // 16 frames of 50 x 56, top-left handle
    float w = 0;
    float h = 0;
    int inAction = 0;
    int isHit = 0;
    // 1 once this flight's one strike by key or pad has been made: a miss is not tried again until the next meteor.
    int struck = 0;
    float positionX = 0, positionY = 0;
    float directionX = 0, directionY = 0;
    float speed = 0;
    float minY = 90, maxY = 630;
    int corner = 0;
    int runtime = 0;
    int animCount = 0;
    int nextAppearance = 0;
    int minimumPause = 500;
    int points = 1500;
    int isRaining = 0;
    int raincounter = 0;
    int impact[3] = {};
    int gfxid[3] = {};
    int donecount = 0;
    // Effect slots are taken over as soon as a fragment ends, and item slots as soon as an item goes: each fragment
    // is known by its effect's installation, each target by the item it was drawn for.
    unsigned gfxserial[3] = {};
    unsigned impactItem[3] = {};
    int landed[3] = {};
};
