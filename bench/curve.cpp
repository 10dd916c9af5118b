// The campaign's difficulty curve as the bot plays it: seeded campaign runs, then a table and a plot of the medians.
//   morvelle-curve play --seed S [--every K] [--first N | --levels A,B,...] --csv FILE   one seed, rows appended
//   morvelle-curve report --out DIR FILE...                              table, plot and the rules the curve breaks
//   morvelle-curve soak [--seed S]                                       all 80 levels in one process, memory and faults
//   morvelle-curve retune --goals FILE [--first S] [--rise R] [--growth G] [--tolerance T] [--strength E] FILE...
//                                      goal counts of the measured levels scaled toward the target curve, file rewritten
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "content/levels/levels.h"
#include "content/pictures/paint.h"
#include "framework/globals.h"
#include "tests/campaign_bot.h"

namespace {

std::string row(const BotLevelResult& r)
{
    char line[160];
    std::snprintf(line, sizeof line, "%d,%u,%d,%d,%d,%d,%d,%d,%d,%d,%d", r.level, r.seed, r.won ? 1 : 0, r.seconds, r.moves,
                  r.points, r.powerUps, r.unlocks, r.hints, r.meteors, r.meteorHits);
    return line;
}
const char* kHeader = "level,seed,won,seconds,moves,points,powerups,unlocks,hints,meteors,meteor_hits";

std::vector<BotLevelResult> readRuns(const std::vector<std::string>& files)
{
    std::vector<BotLevelResult> runs;
    for (const std::string& f : files) {
        std::ifstream in(f);
        std::string line;
        while (std::getline(in, line)) {
            BotLevelResult r;
            int won = 0;
            if (std::sscanf(line.c_str(), "%d,%u,%d,%d,%d,%d,%d,%d,%d,%d,%d", &r.level, &r.seed, &won, &r.seconds, &r.moves,
                            &r.points, &r.powerUps, &r.unlocks, &r.hints, &r.meteors, &r.meteorHits) == 11) {
                r.won = won != 0;
                runs.push_back(r);
            }
        }
    }
    return runs;
}

// Median seconds per level with the spread of the seeds, chapters shaded in turn, and the win rate as a strip below.
bool plot(const std::vector<LevelCurve>& curve, const std::string& path)
{
    using namespace art;
    const int W = 1400, H = 760, left = 80, right = 30, top = 60, plotH = 500, stripTop = 610, stripH = 80;
    Img img(W, H);
    cairo_t* cr = img.cr();
    setCol(cr, hex(0xfbf8f1));
    cairo_paint(cr);
    double most = 60;
    for (const LevelCurve& c : curve) most = std::max(most, c.high);
    most = std::ceil(most / 60) * 60;
    auto X = [&](double level) { return left + (level - 0.5) * (W - left - right) / 80.0; };
    auto Y = [&](double s) { return top + plotH - s / most * plotH; };
    for (int ch = 0; ch < 8; ++ch) {
        setCol(cr, ch % 2 ? hex(0xeee8da) : hex(0xf6f1e6));
        cairo_rectangle(cr, X(ch * 10 + 0.5), top, X(ch * 10 + 10.5) - X(ch * 10 + 0.5), stripTop + stripH - top);
        cairo_fill(cr);
        useFace(cr, Face::SansBold, 14);
        drawText(cr, "chapter " + std::to_string(ch + 1), (X(ch * 10 + 0.5) + X(ch * 10 + 10.5)) / 2, top - 10, 1, hex(0x4a4033));
    }
    useFace(cr, Face::Sans, 12);
    cairo_set_line_width(cr, 1);
    for (double s = 0; s <= most; s += most > 600 ? 120 : 60) {
        setColA(cr, hex(0x8a8070), 0.5);
        cairo_move_to(cr, left, Y(s));
        cairo_line_to(cr, W - right, Y(s));
        cairo_stroke(cr);
        drawText(cr, std::to_string(int(s)) + " s", left - 8, Y(s) + 4, 2, hex(0x4a4033));
    }
    for (int l = 10; l <= 80; l += 10) drawText(cr, std::to_string(l), X(l), stripTop + stripH + 18, 1, hex(0x4a4033));
    useFace(cr, Face::SansBold, 16);
    drawText(cr, "Median seconds of play to win, per level (bar: fastest to slowest seed); below: win rate", left, 28, 0,
             hex(0x2b2520));
    for (const LevelCurve& c : curve) {
        setColA(cr, hex(0x3b7ea1), 0.45);
        cairo_set_line_width(cr, 5);
        cairo_move_to(cr, X(c.level), Y(c.low));
        cairo_line_to(cr, X(c.level), Y(c.high));
        cairo_stroke(cr);
    }
    setCol(cr, hex(0xb0412e));
    cairo_set_line_width(cr, 2);
    bool first = true;
    for (const LevelCurve& c : curve) {
        if (first) cairo_move_to(cr, X(c.level), Y(c.median));
        else cairo_line_to(cr, X(c.level), Y(c.median));
        first = false;
    }
    cairo_stroke(cr);
    for (const LevelCurve& c : curve) {
        cairo_arc(cr, X(c.level), Y(c.median), 3.5, 0, 2 * M_PI);
        cairo_fill(cr);
    }
    for (const LevelCurve& c : curve) {
        double rate = c.runs ? double(c.wins) / c.runs : 0;
        setCol(cr, rate >= 0.8 ? hex(0x4f8a3c) : hex(0xc0392b));
        double w = (W - left - right) / 80.0 * 0.7;
        cairo_rectangle(cr, X(c.level) - w / 2, stripTop + stripH * (1 - rate), w, stripH * rate);
        cairo_fill(cr);
    }
    useFace(cr, Face::Sans, 12);
    drawText(cr, "won 100 %", left - 8, stripTop + 4, 2, hex(0x4a4033));
    drawText(cr, "0 %", left - 8, stripTop + stripH, 2, hex(0x4a4033));
    return writePng(path, img);
}

int report(const std::string& out, const std::vector<std::string>& files)
{
    std::vector<BotLevelResult> runs = readRuns(files);
    std::vector<LevelCurve> curve = summarizeCurve(runs);
    std::filesystem::create_directories(out);
    std::ofstream all(out + "/curve-runs.csv");
    all << kHeader << "\n";
    for (const BotLevelResult& r : runs) all << row(r) << "\n";
    std::ostringstream table;
    table << "level  median_s  low_s  high_s  wins  mean_moves  mean_points  mean_powerups  hints  meteor_hits\n";
    for (const LevelCurve& c : curve) {
        double moves = 0, points = 0, pu = 0;
        int hints = 0, hits = 0;
        for (const BotLevelResult& r : runs)
            if (r.level == c.level) moves += r.moves, points += r.points, pu += r.powerUps, hints += r.hints, hits += r.meteorHits;
        char line[200];
        std::snprintf(line, sizeof line, "%5d  %8.0f  %5.0f  %6.0f  %d/%d  %10.0f  %11.0f  %13.1f  %5d  %11d\n", c.level, c.median,
                      c.low, c.high, c.wins, c.runs, moves / c.runs, points / c.runs, pu / c.runs, hints, hits);
        table << line;
    }
    std::vector<std::string> breaks = curveBreaks(curve);
    table << (breaks.empty() ? "the curve keeps every rule\n" : "rules broken:\n");
    for (const std::string& b : breaks) table << "  " << b << "\n";
    std::ofstream(out + "/curve.txt") << table.str();
    std::fputs(table.str().c_str(), stdout);
    bool drawn = plot(curve, out + "/curve.png");
    std::printf("table %s/curve.txt, runs %s/curve-runs.csv, plot %s/curve.png%s\n", out.c_str(), out.c_str(), out.c_str(),
                drawn ? "" : " (NOT written)");
    return breaks.empty() && drawn ? 0 : 1;
}

// Level 1's own median anchors the target unless `first` is given; the goal file is replaced only whole.
int retune(const std::string& goalsPath, double first, CurveShape shape, double tolerance, double strength,
           const std::vector<std::string>& files)
{
    std::ifstream in(goalsPath);
    std::stringstream text;
    text << in.rdbuf();
    int goals[81][6];
    std::string error;
    if (!in || !parseGoals(text.str(), goals, error)) {
        std::fprintf(stderr, "morvelle-curve: %s: %s\n", goalsPath.c_str(), error.empty() ? "cannot read" : error.c_str());
        return 1;
    }
    std::vector<LevelCurve> curve = summarizeCurve(readRuns(files));
    if (first <= 0)
        for (const LevelCurve& c : curve)
            if (c.level == 1) first = c.median;
    if (first <= 0) {
        std::fprintf(stderr, "morvelle-curve: no level 1 runs and no --first to anchor the target\n");
        return 1;
    }
    std::vector<double> target = targetCurve(first, shape);
    std::vector<int> changed = retuneGoals(goals, curve, target, tolerance, strength);
    std::printf("level  median_s  target_s  ratio  goals\n");
    for (const LevelCurve& c : curve) {
        bool moved = std::find(changed.begin(), changed.end(), c.level) != changed.end();
        std::printf("%5d  %8.0f  %8.0f  %5.2f  %s%d %d %d %d %d\n", c.level, c.median, target[size_t(c.level)],
                    c.median / target[size_t(c.level)], moved ? "-> " : "   ", goals[c.level][1], goals[c.level][2],
                    goals[c.level][3], goals[c.level][4], goals[c.level][5]);
    }
    std::string temp = goalsPath + ".new";
    {
        std::ofstream out(temp, std::ios::binary);
        out << rewriteGoals(text.str(), goals);
        if (!out.flush()) {
            std::fprintf(stderr, "morvelle-curve: cannot write %s\n", temp.c_str());
            return 1;
        }
    }
    std::filesystem::rename(temp, goalsPath);
    std::printf("%zu levels retuned in %s\n", changed.size(), goalsPath.c_str());
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    std::vector<std::string> a(argv + 1, argv + argc);
    if (a.empty()) {
        std::fprintf(stderr, "usage: morvelle-curve play|report|soak ...\n");
        return 2;
    }
    auto option = [&](const std::string& name, const std::string& fallback) {
        for (size_t i = 0; i + 1 < a.size(); ++i)
            if (a[i] == name) return a[i + 1];
        return fallback;
    };
    unsigned seed = (unsigned)std::strtoul(option("--seed", "1").c_str(), nullptr, 10);
    if (a[0] == "play") {
        int every = std::atoi(option("--every", "1").c_str()), first = std::atoi(option("--first", "1").c_str());
        std::vector<int> levels;
        std::istringstream only(option("--levels", ""));
        for (std::string l; std::getline(only, l, ',');)
            if (int n = std::atoi(l.c_str()); n >= 1 && n <= 80) levels.push_back(n);
        if (levels.empty())
            for (int l = first; l <= 80; l += std::max(1, every)) levels.push_back(l);
        std::ofstream csv(option("--csv", "curve.csv"), std::ios::app);
        std::vector<BotLevelResult> runs = playCampaign(MORVELLE_DATA_DIR, scratchDir("curve"), seed, levels, [&](const BotLevelResult& r) {
            csv << row(r) << std::endl;
            std::printf("seed %u level %2d: %s %3d s, %3d moves, %6d points, %d power-ups, %d unlocks, %d/%d meteors\n", seed, r.level,
                        r.won ? "won " : "LOST", r.seconds, r.moves, r.points, r.powerUps, r.unlocks, r.meteorHits, r.meteors);
            std::fflush(stdout);
        });
        return runs.size() == levels.size() ? 0 : 1;
    }
    if (a[0] == "report") {
        std::vector<std::string> files;
        for (size_t i = 1; i < a.size(); ++i) {
            if (a[i] == "--out") ++i;
            else files.push_back(a[i]);
        }
        return report(option("--out", "."), files);
    }
    if (a[0] == "retune") {
        std::vector<std::string> files;
        for (size_t i = 1; i < a.size(); ++i) {
            if (a[i].rfind("--", 0) == 0) ++i;
            else files.push_back(a[i]);
        }
        CurveShape shape;
        if (std::string r = option("--rise", ""); !r.empty()) shape.rise = std::atof(r.c_str());
        if (std::string g = option("--growth", ""); !g.empty()) shape.chapterGrowth = std::atof(g.c_str());
        return retune(option("--goals", "content/levels/goals.txt"), std::atof(option("--first", "0").c_str()), shape,
                      std::atof(option("--tolerance", "0.12").c_str()), std::atof(option("--strength", "1").c_str()), files);
    }
    if (a[0] == "soak") {
        SoakReport s = soakCampaign(MORVELLE_DATA_DIR, scratchDir("soak"), seed, [](const BotLevelResult& r) {
            std::printf("level %2d: %s %3d s\n", r.level, r.won ? "won " : "LOST", r.seconds);
            std::fflush(stdout);
        });
        double growth = s.peakKb[0] ? double(s.peakKb[2]) / double(s.peakKb[0]) : 0;
        std::printf("levels played %d, won %d\n", s.played, s.won);
        std::printf("peak resident memory after level 10: %.1f MB, 40: %.1f MB, 80: %.1f MB (%.3f x level 10's)\n",
                    s.peakKb[0] / 1024.0, s.peakKb[1] / 1024.0, s.peakKb[2] / 1024.0, growth);
        std::printf("fault trace lines: %d\n%s", s.faultLines, s.faults.c_str());
        std::printf("most live effects in one pass: %d of a pool of %d\n", s.mostEffects, MAX_EFFECTS - 2);
        std::printf("profile read back: %s, saved level %d\n", s.storyFinished ? "valid, story finished" : "NOT finished", s.savedLevel);
        bool ok = s.played == 80 && growth > 0 && growth <= 1.10 && s.faultLines == 0 && s.mostEffects < MAX_EFFECTS - 2 &&
                  s.storyFinished;
        std::printf("soak: %s\n", ok ? "ok" : "FAILED");
        return ok ? 0 : 1;
    }
    std::fprintf(stderr, "morvelle-curve: unknown command %s\n", a[0].c_str());
    return 2;
}
