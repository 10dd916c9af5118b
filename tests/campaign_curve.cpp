// The campaign played end to end by the bot: the curve's figures and rules, and the soak run.
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <cstdio>
#include <fstream>
#include <map>
#include <numeric>

#include "app/globals.h"
#include "campaign/spieler.h"
#include "frontend/effects.h"
#include "platform/sys.h"
#include "tests/campaign_bot.h"

std::string scratchDir(const std::string& name)
{
    auto d = std::filesystem::temp_directory_path() / ("morvelle-" + name + "-" + std::to_string(getpid()));
    std::filesystem::remove_all(d);
    std::filesystem::create_directories(d);
    return d.string() + "/";
}

std::vector<LevelCurve> summarizeCurve(const std::vector<BotLevelResult>& runs)
{
    std::map<int, std::vector<double>> times;
    std::map<int, int> wins;
    for (const BotLevelResult& r : runs) {
        times[r.level].push_back(r.won ? r.seconds : BotPace::giveUpSeconds);
        wins[r.level] += r.won;
    }
    std::vector<LevelCurve> curve;
    for (auto& [level, t] : times) {
        std::sort(t.begin(), t.end());
        size_t n = t.size();
        LevelCurve c;
        c.level = level;
        c.median = n % 2 ? t[n / 2] : (t[n / 2 - 1] + t[n / 2]) / 2;
        c.low = t.front();
        c.high = t.back();
        c.wins = wins[level];
        c.runs = int(n);
        curve.push_back(c);
    }
    return curve;
}

std::vector<std::string> curveBreaks(const std::vector<LevelCurve>& curve)
{
    std::vector<std::string> out;
    std::map<int, const LevelCurve*> at;
    for (const LevelCurve& c : curve) at[c.level] = &c;
    auto say = [&](const char* fmt, auto... v) {
        char line[200];
        std::snprintf(line, sizeof line, fmt, v...);
        out.push_back(line);
    };
    for (const LevelCurve& c : curve) {
        if (c.wins * 5 < c.runs * 4) say("level %d won in %d of %d runs", c.level, c.wins, c.runs);
        auto before = at.find(c.level - 1);
        if (before != at.end() && c.median > 1.6 * before->second->median)
            say("level %d: median %.0f s is more than 1.6 times level %d's %.0f s", c.level, c.median, c.level - 1,
                before->second->median);
    }
    double firstChapter = -1, lastChapter = -1;
    for (int chapter = 0; chapter < 8; ++chapter) {
        std::vector<double> m;
        for (int l = chapter * 10 + 1; l <= chapter * 10 + 10; ++l)
            if (at.count(l)) m.push_back(at[l]->median);
        if (m.size() != 10) continue;
        double mean = std::accumulate(m.begin(), m.end(), 0.0) / 10, sxy = 0, sxx = 0;
        for (int i = 0; i < 10; ++i) sxy += (i - 4.5) * (m[size_t(i)] - mean), sxx += (i - 4.5) * (i - 4.5);
        if (sxy / sxx <= 0) say("chapter %d: the trend falls (slope %.2f s per level)", chapter + 1, sxy / sxx);
        size_t hardest = size_t(std::max_element(m.begin(), m.end()) - m.begin());
        if (hardest < 7) say("chapter %d: its hardest level is level %d, not one of its last three", chapter + 1, chapter * 10 + int(hardest) + 1);
        int opener = chapter * 10 + 1;
        if (at.count(opener - 1) && m[0] >= at[opener - 1]->median)
            say("chapter %d opens at %.0f s, not gentler than level %d's %.0f s", chapter + 1, m[0], opener - 1, at[opener - 1]->median);
        std::vector<double> sorted = m;
        std::sort(sorted.begin(), sorted.end());
        if (chapter == 0) firstChapter = (sorted[4] + sorted[5]) / 2;
        if (chapter == 7) lastChapter = (sorted[4] + sorted[5]) / 2;
    }
    if (firstChapter > 0 && lastChapter > 0 && lastChapter < 3 * firstChapter)
        say("the last chapter's median of its levels' medians is %.0f s, less than three times the first chapter's %.0f s",
            lastChapter, firstChapter);
    return out;
}

std::vector<double> targetCurve(double first, CurveShape shape)
{
    std::vector<double> t(81, 0.0);
    for (int l = 1; l <= 80; ++l)
        t[size_t(l)] = first * std::pow(shape.chapterGrowth, (l - 1) / 10) * std::pow(shape.rise, (l - 1) % 10);
    return t;
}

std::vector<int> retuneGoals(int goals[81][6], const std::vector<LevelCurve>& curve, const std::vector<double>& target,
                             double tolerance, double strength)
{
    std::vector<int> changed;
    for (const LevelCurve& c : curve) {
        // level 1 is what the scripted tests play
        if (c.level <= 1 || c.level > 80 || size_t(c.level) >= target.size() || c.median <= 0) continue;
        double factor = target[size_t(c.level)] / c.median;
        if (std::fabs(std::log(factor)) <= std::log(1 + tolerance)) continue;
        factor = std::clamp(std::pow(factor, strength), 0.5, 2.0);
        bool moved = false;
        for (int k = 1; k <= 5; ++k) {
            int& g = goals[c.level][k];
            if (g == 0) continue;
            int n = std::max(1, int(std::lround(g * factor)));
            moved |= n != g;
            g = n;
        }
        if (moved) changed.push_back(c.level);
    }
    return changed;
}

namespace {
SoakReport* s_soak = nullptr;

void watchTrace(const std::string& line)
{
    if (!s_soak) return;
    for (const char* word : {"failed", "nicht erfolgreich", "damaged", "cannot", "missing"})
        if (line.find(word) != std::string::npos) {
            s_soak->faultLines += 1;
            s_soak->faults += line + "\n";
            return;
        }
}

long peakResidentKb()
{
    std::ifstream in("/proc/self/status");
    std::string key;
    long kb = 0;
    while (in >> key) {
        if (key == "VmHWM:") {
            in >> kb;
            break;
        }
        in.ignore(1 << 12, '\n');
    }
    return kb;
}
}  // namespace

std::vector<BotLevelResult> playCampaign(const std::string& dataRoot, const std::string& saveDir, unsigned seed,
                                         const std::vector<int>& levels,
                                         const std::function<void(const BotLevelResult&)>& after)
{
    std::vector<BotLevelResult> results;
    if (levels.empty() || !CampaignBot::startOnBoard(dataRoot, saveDir, seed, levels.front())) return results;
    CampaignBot bot(seed);
    for (size_t i = 0; i < levels.size(); ++i) {
        BotLevelResult r = bot.playBoard();
        results.push_back(r);
        if (after) after(r);
        if (i + 1 == levels.size()) {
            if (levels.back() == 80 && r.won) bot.finishStory();
            break;
        }
        if (!bot.toLevel(levels[i + 1], !r.won)) break;
    }
    CampaignBot::stopGame();
    return results;
}

SoakReport soakCampaign(const std::string& dataRoot, const std::string& saveDir, unsigned seed,
                        const std::function<void(const BotLevelResult&)>& after)
{
    SoakReport report;
    s_soak = &report;
    Sys_SetTraceSink(watchTrace);
    std::vector<int> all(80);
    std::iota(all.begin(), all.end(), 1);
    bool finished = false;
    if (CampaignBot::startOnBoard(dataRoot, saveDir, seed, 1)) {
        // a fresh save folder has no settings or best times yet: the lines that say so are no faults
        report.faultLines = 0;
        report.faults.clear();
        CampaignBot bot(seed);
        bot.countEffects = true;
        for (int level = 1; level <= 80; ++level) {
            BotLevelResult r = bot.playBoard();
            report.played += 1;
            report.won += r.won;
            if (level == 10) report.peakKb[0] = peakResidentKb();
            if (level == 40) report.peakKb[1] = peakResidentKb();
            if (level == 80) report.peakKb[2] = peakResidentKb();
            if (after) after(r);
            if (level == 80) {
                finished = r.won && bot.finishStory();
                break;
            }
            if (!bot.toLevel(level + 1, !r.won)) break;
        }
        report.mostEffects = std::max(report.mostEffects, bot.mostEffects);
        TSpieler back;
        back.SetURL(g_players[1]->url);
        report.storyFinished = finished && back.LoadFromDisk() == 1 && back.isStoryFinished == 1 && !back.Name.empty();
        report.savedLevel = back.Level;
        CampaignBot::stopGame();
    }
    Sys_SetTraceSink(nullptr);
    s_soak = nullptr;
    return report;
}
