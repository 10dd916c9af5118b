// A seeded player that plays the campaign through the running game at a person's pace: the curve bench, the soak
// run and the suite's sample check share it.
#pragma once

#include <functional>
#include <random>
#include <string>
#include <vector>

// What a person's hands and eyes allow; the same for every level.
struct BotPace {
    static constexpr int moveFrames = 60;           // at most one move every 1.5 s of game time
    static constexpr int settleFrames = 10;         // the board rests a quarter second before the bot moves
    static constexpr int meteorSharePercent = 50;   // meteor passes the bot goes for; it lets the others fly
    static constexpr int meteorReactFrames = 16;    // 0.4 s to see a meteor before reaching for it
    static constexpr int powerUpGapFrames = 600;    // 15 s of play between two power-ups, 5 s when only moss is left
    static constexpr int giveUpSeconds = 600;       // ten minutes of play, then the level counts as lost
};

struct BotLevelResult {
    int level = 0;
    unsigned seed = 0;
    bool won = false;
    int seconds = 0;   // play time as the game counts it, at the win or when given up
    int moves = 0;
    int points = 0;    // the level's points with its bonuses
    int powerUps = 0;  // power-ups set off in the level
    int unlocks = 0;
    int hints = 0;     // hint arrows that came up
    int meteors = 0;   // meteor passes seen
    int meteorHits = 0;
};

// The random seed of `level`'s board and of the bot's choices on it in a run seeded `seed`.
unsigned levelSeed(unsigned seed, int level);

class CampaignBot {
public:
    explicit CampaignBot(unsigned seed) : seed_(seed), rng_(seed) {}

    // Starts the headless game in this process, seeded, and puts profile slot 1 on `level`'s board.
    static bool startOnBoard(const std::string& dataRoot, const std::string& saveDir, unsigned seed, int level);
    static void stopGame();

    // Plays the board now shown until the level is won (its score board is up) or given up.
    BotLevelResult playBoard();
    // Confirms the score board (or leaves a lost level as a player who skips it), turns the story pages, and on the
    // map opens `next` through its point and its preview; a level beyond the frontier is reached by moving the
    // frontier there first. False when the game does not get there.
    bool toLevel(int next, bool lost);
    // Confirms the last score board and turns the closing story pages until the story is over.
    bool finishStory();

    long passes = 0;       // main-loop passes run by this bot
    bool countEffects = false;
    int mostEffects = 0;   // most live effects in one pass, when counted

private:
    unsigned seed_;
    std::mt19937 rng_;
    long lastMove_ = 0, lastPowerUp_ = 0, meteorSeen_ = 0;
    int rest_ = 0, meteorGoFor_ = 0;
    int pendingRelease_ = 0;
    bool hintShown_ = false;
    BotLevelResult r_;

    void step();
    void pointer(float x, float y);
    void click(float x, float y);
    void key(int code);
    bool waitFor(bool (*done)(), int limit);

    bool boardAtRest() const;
    void watchMeteor(long frame);
    bool tryPowerUp();
    bool tryUnlock();
    double worth(int slot) const;
    double lineWorth(int a, int c) const;
    bool bestMove(int& from, int& to, double& value) const;
    void makeMove(int from, int to);
};

// An empty folder of this process's own under the temporary folder, ending in "/".
std::string scratchDir(const std::string& name);

// One level's figures over its seeds; a lost run counts as the give-up time.
struct LevelCurve {
    int level = 0;
    double median = 0, low = 0, high = 0;   // seconds
    int wins = 0, runs = 0;
};
std::vector<LevelCurve> summarizeCurve(const std::vector<BotLevelResult>& runs);
// Every rule of the campaign's curve that `curve` breaks, in words; empty when it keeps them all. The chapter rules
// need all ten levels of a chapter and are left out for chapters the curve holds only in part.
std::vector<std::string> curveBreaks(const std::vector<LevelCurve>& curve);

// The median seconds the goals aim for, levels 1..80 at [1..80]: level 1 at `first`, each level `rise` times its
// predecessor within a chapter, each chapter opening `chapterGrowth` times the previous chapter's opener.
struct CurveShape {
    double rise = 1.09, chapterGrowth = 1.22;
};
std::vector<double> targetCurve(double first, CurveShape shape = {});
// Scales the goal counts of each measured level but the first by target / median, as time to win grows about in step
// with the gems to collect; levels within `tolerance` of their target keep theirs, and one round moves a level by at
// most half or double. `strength` below 1 moves only part of the way (factor ^ strength), for levels whose time
// grows faster than their goals. Returns the levels changed.
std::vector<int> retuneGoals(int goals[81][6], const std::vector<LevelCurve>& curve, const std::vector<double>& target,
                             double tolerance, double strength = 1.0);

// Plays `levels` in their order with one seed in one game, each reached through the score board, the story pages,
// the map and the level preview as a player goes; `after` sees each result as it comes.
std::vector<BotLevelResult> playCampaign(const std::string& dataRoot, const std::string& saveDir, unsigned seed,
                                         const std::vector<int>& levels,
                                         const std::function<void(const BotLevelResult&)>& after = {});

// The whole campaign in one process, watched for growth and faults.
struct SoakReport {
    long peakKb[3] = {};            // the process's peak resident memory after levels 10, 40 and 80
    int won = 0, played = 0;
    int faultLines = 0;             // trace lines that tell of a failure
    std::string faults;             // those lines
    int mostEffects = 0;            // most live effects seen in one pass; the pool holds MAX_EFFECTS - 2
    bool storyFinished = false;     // the profile file read back after the last story page
    int savedLevel = 0;
};
SoakReport soakCampaign(const std::string& dataRoot, const std::string& saveDir, unsigned seed,
                        const std::function<void(const BotLevelResult&)>& after = {});
