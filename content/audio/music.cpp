// The five music titles: a small sequencer with chord-driven parts, rendered as seamless stereo loops.
#include "content/audio/audio.h"

#include <algorithm>
#include <map>

#include "content/audio/voices.h"

namespace synth {

namespace {

enum Inst {
    PAD, STRINGS, EPIANO, PLUCK, BELL, CHIME, MARIMBA, FLUTE, LEAD, BRASS, BASS, SUBBASS,
    KICK, SNARE, HAT, OHAT, SHAKER, CLAP, TIMPANI, CYMBAL, INST_COUNT
};

struct InstInfo {
    double gain, send, pan, tail;   // tail: seconds the voice sounds past its length
};

const InstInfo INSTS[INST_COUNT] = {
    {0.30, 0.55, 0.0, 1.6},   // PAD
    {0.30, 0.45, 0.0, 0.7},   // STRINGS
    {0.30, 0.30, 0.0, 0.4},   // EPIANO
    {0.70, 0.30, 0.0, 1.4},   // PLUCK
    {0.16, 0.50, 0.0, 2.5},   // BELL
    {0.22, 0.45, 0.0, 1.0},   // CHIME
    {0.45, 0.25, 0.0, 0.9},   // MARIMBA
    {0.32, 0.40, 0.0, 0.3},   // FLUTE
    {0.22, 0.30, 0.0, 0.2},   // LEAD
    {0.30, 0.35, 0.0, 0.25},  // BRASS
    {0.45, 0.04, 0.0, 0.1},   // BASS
    {0.24, 0.04, 0.0, 0.5},   // SUBBASS
    {0.60, 0.04, 0.0, 0.4},   // KICK
    {0.50, 0.18, 0.05, 0.4},  // SNARE
    {0.22, 0.08, 0.35, 0.1},  // HAT
    {0.11, 0.10, 0.35, 0.45}, // OHAT
    {0.16, 0.10, -0.35, 0.12},// SHAKER
    {0.90, 0.22, -0.05, 0.3}, // CLAP
    {0.35, 0.30, -0.2, 2.2},  // TIMPANI
    {0.14, 0.25, 0.3, 2.8},   // CYMBAL
};

struct Event {
    double beat, len, midi, vel;
    Inst inst;
    double pan;
};

struct Chord {
    int root = 0;
    std::vector<int> iv;
};

int pitchClass(const std::string& s, size_t& i)
{
    static const int base[7] = {9, 11, 0, 2, 4, 5, 7};   // A..G
    int pc = base[s[i] - 'A'];
    ++i;
    while (i < s.size() && (s[i] == '#' || s[i] == 'b')) {
        pc += s[i] == '#' ? 1 : -1;
        ++i;
    }
    return (pc + 12) % 12;
}

Chord parseChord(const std::string& s)
{
    size_t i = 0;
    Chord c;
    c.root = pitchClass(s, i);
    std::string q = s.substr(i);
    static const std::map<std::string, std::vector<int>> kinds = {
        {"", {0, 4, 7}},          {"m", {0, 3, 7}},         {"7", {0, 4, 7, 10}},  {"maj7", {0, 4, 7, 11}},
        {"m7", {0, 3, 7, 10}},    {"sus4", {0, 5, 7}},      {"sus2", {0, 2, 7}},   {"add9", {0, 4, 7, 14}},
        {"6", {0, 4, 7, 9}},      {"7sus4", {0, 5, 7, 10}}, {"m9", {0, 3, 7, 10, 14}}, {"maj9", {0, 4, 7, 11, 14}},
    };
    auto it = kinds.find(q);
    c.iv = it == kinds.end() ? std::vector<int>{0, 4, 7} : it->second;
    return c;
}

// Parses "E5:1.5 -:0.5 C#4:1": note name with octave (MIDI 60 = C4) and length in beats; "-" rests.
std::vector<std::pair<double, double>> parseNotes(const std::string& text)
{
    std::vector<std::pair<double, double>> out;
    size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && text[i] == ' ') ++i;
        if (i >= text.size()) break;
        double midi = -1;
        if (text[i] == '-') {
            ++i;
        } else {
            int pc = pitchClass(text, i);
            int oct = text[i] - '0';
            ++i;
            midi = 12.0 * (oct + 1) + pc;
            if (text[i - 2] == 'b' && pc == 11) midi -= 12;   // Cb belongs to the octave above B
            if (text[i - 2] == '#' && pc == 0) midi += 12;   // B# belongs to the octave below C
        }
        ++i;   // ':'
        size_t end = text.find(' ', i);
        if (end == std::string::npos) end = text.size();
        out.push_back({midi, std::stod(text.substr(i, end - i))});
        i = end;
    }
    return out;
}

struct Song {
    double bpm = 100;
    int bars = 16;
    int beatsPerBar = 4;
    double swing = 0;   // delay of the off-beat eighths, in beats
    double reverbRoom = 0.8, reverbWet = 1.0;
    uint64_t seed = 1;
    std::vector<Chord> chords;   // one per bar
    std::vector<Event> events;

    double beats() const { return double(bars * beatsPerBar); }
    const Chord& chordAt(int bar) const { return chords[size_t(bar) % chords.size()]; }

    void setChords(const std::string& text)
    {
        chords.clear();
        size_t i = 0;
        while (i < text.size()) {
            size_t end = text.find(' ', i);
            if (end == std::string::npos) end = text.size();
            if (end > i) chords.push_back(parseChord(text.substr(i, end - i)));
            i = end + 1;
        }
    }

    void note(Inst inst, double beat, double len, double midi, double vel, double pan = 0)
    {
        events.push_back({beat, len, midi, vel, inst, pan});
    }

    void melody(Inst inst, int bar, const std::string& text, double vel, int transpose = 0, double pan = 0,
                double legato = 0.92)
    {
        double b = double(bar * beatsPerBar);
        for (auto& [midi, len] : parseNotes(text)) {
            if (midi >= 0) note(inst, b, len * legato, midi + transpose, vel, pan);
            b += len;
        }
    }

    // The chord's tones from `low` upwards over two octaves.
    std::vector<int> voicing(int bar, int low, int span = 24) const
    {
        const Chord& c = chordAt(bar);
        std::vector<int> tones;
        for (int oct = -1; oct < 4; ++oct)
            for (int iv : c.iv) {
                int p = c.root + iv + 12 * oct + (low / 12) * 12;
                if (p >= low && p < low + span) tones.push_back(p);
            }
        std::sort(tones.begin(), tones.end());
        tones.erase(std::unique(tones.begin(), tones.end()), tones.end());
        return tones;
    }

    void pad(Inst inst, int from, int to, double vel, int low, int span = 14)
    {
        int start = from;
        for (int bar = from; bar <= to; ++bar) {
            bool same = bar < to && chordAt(bar + 1).root == chordAt(bar).root && chordAt(bar + 1).iv == chordAt(bar).iv;
            if (same) continue;
            double len = double((bar + 1 - start) * beatsPerBar);
            for (int p : voicing(start, low, span)) note(inst, double(start * beatsPerBar), len, p, vel, 0);
            start = bar + 1;
        }
    }

    void arp(Inst inst, int from, int to, const std::vector<int>& pattern, double step, double vel, int low,
             double len = 0, double spread = 0.5)
    {
        int steps = int(std::lround(beatsPerBar / step));
        for (int bar = from; bar <= to; ++bar) {
            std::vector<int> tones = voicing(bar, low);
            for (int s = 0; s < steps; ++s) {
                int idx = pattern[size_t(s) % pattern.size()];
                if (idx < 0) continue;
                int p = tones[size_t(idx) % tones.size()];
                double pan = spread * (double(idx % 5) / 2.0 - 1.0);
                note(inst, bar * beatsPerBar + s * step, len > 0 ? len : step, p, vel, pan);
            }
        }
    }

    // Chord stabs: every tone of the voicing on the given beats of each bar.
    void stabs(Inst inst, int from, int to, const std::vector<double>& beatsInBar, double len, double vel, int low)
    {
        for (int bar = from; bar <= to; ++bar)
            for (double b : beatsInBar)
                for (int p : voicing(bar, low, 13)) note(inst, bar * beatsPerBar + b, len, p, vel, 0);
    }

    // Bass hits: beat in bar, length, degree (0 root, 1 fifth, 2 octave, 3 third, 4 approach to next root).
    struct Hit {
        double beat, len;
        int degree;
        double vel;
    };
    void bass(Inst inst, int from, int to, const std::vector<Hit>& hits, int base)
    {
        for (int bar = from; bar <= to; ++bar) {
            const Chord& c = chordAt(bar);
            int root = base + ((c.root - base % 12) + 12) % 12;
            for (const Hit& h : hits) {
                int p = root;
                if (h.degree == 1) p = root + 7;
                if (h.degree == 2) p = root + 12;
                if (h.degree == 3) p = root + c.iv[1];
                if (h.degree == 4) {
                    int next = base + ((chordAt(bar + 1).root - base % 12) + 12) % 12;
                    p = next + (next > root ? -1 : 1);
                }
                note(inst, bar * beatsPerBar + h.beat, h.len, p, h.vel, 0);
            }
        }
    }

    // A drum lane: one character per sixteenth, 'X' accent, 'x' normal, 'o' ghost, anything else silent.
    void drums(Inst inst, int from, int to, const std::string& lane, double vel, double midi = 60)
    {
        for (int bar = from; bar <= to; ++bar)
            for (size_t s = 0; s < lane.size(); ++s) {
                double v = lane[s] == 'X' ? 1.0 : lane[s] == 'x' ? 0.7 : lane[s] == 'o' ? 0.35 : 0.0;
                if (v > 0) note(inst, bar * beatsPerBar + double(s) * 0.25, 0.25, midi, vel * v, 0);
            }
    }
};

Mono renderVoice(const Event& e, double seconds, uint64_t seed)
{
    double hz = midiHz(e.midi);
    double total = seconds + INSTS[e.inst].tail;
    switch (e.inst) {
    case PAD: return padNote(hz, seconds, total, std::min(4000.0, hz * 5.0), seed);
    case STRINGS: return stringsNote(hz, seconds, total, seed);
    case EPIANO: return epianoNote(hz, seconds, total, e.vel);
    case PLUCK: return pluckNote(hz, total, 0.35 + 0.4 * e.vel, seed);
    case BELL: {
        // A clear harmonic strike with a little inharmonic colour, so that melodies keep their pitch.
        Mono m = chimeNote(hz, total, 1.1);
        mixInto(m, bellNote(hz * 2.0, total, 0.8), 0, 0.12);
        return m;
    }
    case CHIME: return chimeNote(hz, total, 0.5);
    case MARIMBA: return marimbaNote(hz, total);
    case FLUTE: return fluteNote(hz, seconds, total, seed);
    case LEAD: return leadNote(hz, seconds, total);
    case BRASS: return brassNote(hz, seconds, total, e.vel);
    case BASS: return bassNote(hz, seconds, total);
    case SUBBASS: return subBassNote(hz, seconds, total);
    case KICK: return kickDrum(total);
    case SNARE: return snareDrum(total, seed);
    case HAT: return hatDrum(total, 0.03, seed);
    case OHAT: return hatDrum(total, 0.16, seed);
    case SHAKER: return shakerDrum(total, seed);
    case CLAP: return clapDrum(total, seed);
    case TIMPANI: return timpaniDrum(hz, total, seed);
    case CYMBAL: return cymbalDrum(total, seed);
    default: return Mono();
    }
}

double swung(double beat, double swing)
{
    double f = beat - std::floor(beat);
    if (std::fabs(f - 0.5) < 1e-6) return beat + swing;
    if (std::fabs(f - 0.25) < 1e-6 || std::fabs(f - 0.75) < 1e-6) return beat + swing * 0.5;
    return beat;
}

// Every note sounds this late, so that the loop seam lies in ringing tails and never on a fresh attack.
constexpr double ONSET_DELAY = 0.02;

void renderSong(const Song& song, std::vector<float>& left, std::vector<float>& right)
{
    double spb = 60.0 / song.bpm;
    size_t loop = size_t(samples(song.beats() * spb));
    // Room for the longest note ringing past the end plus the reverb's own decay.
    double longest = 0;
    for (const Event& e : song.events)
        longest = std::max(longest, ONSET_DELAY + 0.01 + (e.beat + song.swing + e.len) * spb + INSTS[e.inst].tail);
    size_t total = std::max(loop, size_t(samples(longest))) + size_t(samples(4.0));
    std::vector<float> dl(total, 0.0f), dr(total, 0.0f), sl(total, 0.0f), sr(total, 0.0f);
    Rng rng(song.seed);
    uint64_t voiceSeed = song.seed * 1000;
    for (const Event& e : song.events) {
        double beat = swung(e.beat, song.swing);
        double jitter = e.inst >= KICK ? 0.002 * rng.bi() : 0.006 * rng.bi();
        double velJ = 1.0 + 0.08 * rng.bi();
        double t0 = ONSET_DELAY + beat * spb + jitter;
        Mono v = renderVoice(e, e.len * spb, ++voiceSeed);
        const InstInfo& info = INSTS[e.inst];
        double pan = std::clamp(info.pan + e.pan, -1.0, 1.0);
        double gl = std::cos((pan + 1) * PI / 4), gr = std::sin((pan + 1) * PI / 4);
        double g = info.gain * e.vel * velJ;
        size_t at = size_t(samples(t0));
        for (size_t i = 0; i < v.size() && at + i < total; ++i) {
            float x = float(v[i] * g);
            dl[at + i] += x * float(gl);
            dr[at + i] += x * float(gr);
            sl[at + i] += x * float(gl * info.send);
            sr[at + i] += x * float(gr * info.send);
        }
    }
    Reverb rev(song.reverbRoom, 0.3);
    std::vector<float> wl, wr;
    rev.process(sl, sr, wl, wr);
    // Master tone: a little less boom, a little more air. Done before the fold, like everything stateful.
    for (int c = 0; c < 2; ++c) {
        std::vector<float>& d = c == 0 ? dl : dr;
        const std::vector<float>& w = c == 0 ? wl : wr;
        OnePole low, high;
        low.set(110);
        high.set(3200);
        for (size_t i = 0; i < total; ++i) {
            double x = double(d[i]) + double(w[i]) * song.reverbWet;
            double lo = low.lp(x), hi = high.hp(x);
            d[i] = float(x - 0.3 * lo + 0.7 * hi);
        }
    }
    // Whatever rings past the end belongs to the start of the next pass of the loop.
    for (size_t i = loop; i < total; ++i) {
        dl[i % loop] += dl[i];
        dr[i % loop] += dr[i];
    }
    dl.resize(loop);
    dr.resize(loop);
    // The codec is least exact at the ends of the stream, so the loop starts where both channels are quietest
    // within the silence-free lead-in before the first note.
    size_t best = 0;
    for (size_t i = 1; i < size_t(samples(0.01)); ++i)
        if (std::fabs(dl[i]) + std::fabs(dr[i]) < std::fabs(dl[best]) + std::fabs(dr[best])) best = i;
    std::rotate(dl.begin(), dl.begin() + long(best), dl.end());
    std::rotate(dr.begin(), dr.begin() + long(best), dr.end());

    double sum = 0;
    for (size_t i = 0; i < loop; ++i) sum += double(dl[i]) * dl[i] + double(dr[i]) * dr[i];
    double rms = std::sqrt(sum / double(2 * loop) + 1e-20);
    double gain = std::pow(10.0, -18.0 / 20.0) / rms;
    const double knee = 0.6, ceiling = 0.9;
    auto shape = [&](float x) {
        double y = x * gain, a = std::fabs(y);
        if (a > knee) a = knee + (ceiling - knee) * std::tanh((a - knee) / (ceiling - knee));
        return float(y < 0 ? -a : a);
    };
    left.resize(loop);
    right.resize(loop);
    for (size_t i = 0; i < loop; ++i) {
        left[i] = shape(dl[i]);
        right[i] = shape(dr[i]);
    }
}

// Calm, for the menus and the level map.
Song ambientSong()
{
    Song s;
    s.bpm = 70;
    s.bars = 16;
    s.seed = 101;
    s.reverbRoom = 0.86;
    s.setChords("Dmaj7 Bm7 Gmaj7 Asus4 Dmaj7 F#m7 Gmaj7 A Em7 F#m7 Gmaj7 D Em7 Gmaj7 Asus4 A7");
    s.pad(PAD, 0, 15, 0.55, 57);
    s.bass(SUBBASS, 0, 15, {{0, 3.6, 0, 0.8}}, 38);
    s.arp(EPIANO, 0, 15, {0, 2, 4, 3, 1, 3, 4, 2}, 0.5, 0.35, 62, 0.9, 0.7);
    const char* a = "F#5:1.5 E5:0.5 D5:1 A4:1 B4:1.5 C#5:0.5 D5:1 F#5:1 G5:2 F#5:1 D5:1 E5:3 -:1 "
                    "F#5:1.5 A5:0.5 G5:1 F#5:1 E5:1.5 C#5:0.5 A4:2 B4:1 D5:1 G5:1 F#5:0.5 E5:0.5 E5:3 -:1";
    const char* b = "G5:1.5 F#5:0.5 E5:1 B4:1 C#5:1.5 E5:0.5 A5:2 B5:1 A5:1 F#5:1 D5:1 A5:2 F#5:2 "
                    "G5:1 F#5:1 E5:1 D5:1 B4:1.5 D5:0.5 F#5:2 E5:2 D5:1 E5:1 C#5:3 -:1";
    s.melody(BELL, 0, a, 0.95, 0, 0.15);
    s.melody(BELL, 8, b, 0.95, 0, 0.15);
    s.melody(FLUTE, 8, b, 0.25, -12, -0.25);
    Rng sparkle(102);
    for (int bar = 0; bar < 16; bar += 2) {
        std::vector<int> t = s.voicing(bar, 86);
        s.note(CHIME, bar * 4 + 3.5, 0.5, t[size_t(sparkle.range(0, int(t.size()) - 1))], 0.25, sparkle.bi() * 0.7);
    }
    return s;
}

// Story pages: warm and narrative, a flute over harp and strings.
Song mainSong()
{
    Song s;
    s.bpm = 76;
    s.bars = 16;
    s.seed = 202;
    s.setChords("Am F C G Am F Dm E F G Em Am Dm G Esus4 E");
    s.pad(STRINGS, 0, 15, 0.5, 52, 16);
    s.bass(SUBBASS, 0, 15, {{0, 1.8, 0, 0.8}, {2, 1.8, 1, 0.6}}, 33);
    s.arp(PLUCK, 0, 15, {0, 2, 4, 5, 6, 5, 4, 2}, 0.5, 0.45, 57, 0.5, 0.8);
    const char* a = "E5:1.5 D5:0.5 C5:1 B4:1 A4:1.5 C5:0.5 F5:2 E5:1 G5:1 E5:1 C5:1 D5:3 -:1 "
                    "E5:1.5 D5:0.5 C5:1 E5:1 A5:2 G5:1 F5:1 F5:1 E5:1 D5:1 A4:1 G#4:1 B4:2 -:1";
    const char* b = "C5:1.5 D5:0.5 E5:1 F5:1 G5:1.5 F5:0.5 E5:1 D5:1 E5:1.5 D5:0.5 B4:2 C5:1 E5:1 A5:2 "
                    "A5:1.5 G5:0.5 F5:1 D5:1 B4:1 D5:1 G5:1 F5:1 E5:1.5 F5:0.5 A5:2 G#5:1 E5:1 B4:2";
    s.melody(FLUTE, 0, a, 0.75);
    s.melody(FLUTE, 8, b, 0.8);
    s.melody(CHIME, 8, b, 0.18, 12, 0.4, 0.5);
    for (int bar : {0, 8}) s.note(TIMPANI, bar * 4, 1, 45, 0.5);
    s.note(TIMPANI, 15 * 4 + 2, 1, 40, 0.35);
    s.note(TIMPANI, 15 * 4 + 3, 1, 40, 0.45);
    return s;
}

// First board title: bright and bouncy in F major.
Song ingame1Song()
{
    Song s;
    s.bpm = 124;
    s.bars = 32;
    s.seed = 303;
    s.reverbRoom = 0.7;
    s.reverbWet = 0.7;
    std::string intro = "F Dm Bb C ";
    std::string a = "F Dm Bb C F Dm Bb C ";
    std::string b = "Gm Am Bb C Dm Am Bb Csus4 ";
    s.setChords(intro + a + b + a + intro);
    s.drums(KICK, 0, 31, "X.......x.x.....", 1.0);
    s.drums(CLAP, 0, 31, "....X.......X...", 0.8);
    s.drums(HAT, 0, 31, "..x...x...x...xo", 0.9);
    s.drums(SHAKER, 4, 27, "xoxoxoxoxoxoxoxo", 0.8);
    s.drums(OHAT, 12, 19, "..............x.", 0.7);
    s.bass(BASS, 0, 31, {{0, 0.4, 0, 1.0}, {0.75, 0.25, 0, 0.6}, {1.5, 0.4, 2, 0.8}, {2.5, 0.4, 1, 0.8},
                         {3.25, 0.25, 0, 0.6}, {3.5, 0.4, 4, 0.8}}, 29);
    s.stabs(EPIANO, 0, 31, {0.5, 1.5, 2.5, 3.5}, 0.35, 0.4, 58);
    s.pad(PAD, 12, 19, 0.35, 55);
    const char* ma = "C5:0.5 F5:0.5 A5:0.5 G5:0.5 F5:1 C5:1 D5:0.5 F5:0.5 A5:0.5 F5:0.5 E5:1 D5:1 "
                     "D5:0.5 F5:0.5 Bb5:1 A5:0.5 G5:0.5 F5:1 E5:0.5 G5:0.5 C6:1 Bb5:0.5 A5:0.5 G5:1 "
                     "A5:0.5 G5:0.5 F5:0.5 C5:0.5 F5:1 A5:1 A5:0.5 Bb5:0.5 A5:0.5 F5:0.5 D5:1 F5:1 "
                     "G5:0.5 F5:0.5 D5:0.5 F5:0.5 Bb5:1 D6:1 C6:1.5 Bb5:0.5 G5:1 E5:1";
    const char* mb = "D5:1 Bb4:0.5 D5:0.5 G5:2 E5:1 C5:0.5 E5:0.5 A5:2 F5:0.5 G5:0.5 F5:0.5 D5:0.5 Bb4:1 D5:1 "
                     "E5:0.5 F5:0.5 G5:1 C5:2 F5:1 A5:0.5 F5:0.5 D6:2 C6:1 A5:0.5 E5:0.5 C6:2 "
                     "Bb5:0.5 A5:0.5 G5:0.5 F5:0.5 D5:1 F5:1 G5:1 F5:0.5 G5:0.5 E5:2";
    s.melody(MARIMBA, 4, ma, 0.9, 0, 0.1, 0.8);
    s.melody(LEAD, 12, mb, 0.8, 0, -0.1);
    s.melody(MARIMBA, 20, ma, 0.9, 0, 0.1, 0.8);
    s.melody(CHIME, 20, ma, 0.22, 12, -0.3, 0.5);
    s.arp(PLUCK, 28, 31, {0, 2, 4, 2}, 0.5, 0.35, 65, 0.5, 0.6);
    // Fills lead into each section, the last one back round into the loop's start.
    for (int bar : {3, 11, 19, 27, 31}) s.drums(SNARE, bar, bar, "............oxxX", 0.6);
    for (int bar : {4, 12, 20, 28}) s.note(CYMBAL, bar * 4, 1, 60, 0.5);
    return s;
}

// Second board title: a swung groove in E minor with a plucked riff and a lead.
Song ingame2Song()
{
    Song s;
    s.bpm = 108;
    s.bars = 28;
    s.seed = 404;
    s.swing = 0.08;
    s.reverbRoom = 0.72;
    s.reverbWet = 0.7;
    std::string intro = "Em C G D ";
    std::string a = "Em C G D Em C G D ";
    std::string b = "Am Em C D Am Em C B7 ";
    s.setChords(intro + a + b + a);
    s.drums(KICK, 0, 27, "X.....x...X.....", 1.0);
    s.drums(SNARE, 0, 27, "....X.......X..o", 0.8);
    s.drums(HAT, 0, 27, "x.x.x.x.x.x.x.x.", 0.8);
    s.drums(OHAT, 4, 27, "......x.........", 0.6);
    s.drums(SHAKER, 12, 19, "oxoxoxoxoxoxoxox", 0.7);
    s.bass(BASS, 0, 27, {{0, 0.75, 0, 1.0}, {1, 0.4, 2, 0.7}, {1.5, 0.4, 0, 0.7}, {2, 0.75, 1, 0.9},
                         {3, 0.4, 3, 0.7}, {3.5, 0.4, 4, 0.8}}, 28);
    s.arp(PLUCK, 0, 27, {0, 2, 3, -1, 2, 4, 3, 2}, 0.5, 0.5, 55, 0.5, 0.6);
    s.pad(PAD, 12, 19, 0.4, 55);
    const char* ma = "B4:0.5 E5:0.5 G5:0.5 F#5:0.5 E5:1 B4:1 C5:0.5 E5:0.5 G5:1 A5:0.5 G5:0.5 E5:1 "
                     "D5:0.5 G5:0.5 B5:1 A5:0.5 G5:0.5 D5:1 F#5:1 A5:1 D5:1.5 -:0.5 "
                     "E5:0.5 G5:0.5 B5:0.5 A5:0.5 G5:0.5 F#5:0.5 E5:1 G5:0.5 E5:0.5 C5:1 E5:0.5 G5:0.5 C6:1 "
                     "B5:0.5 A5:0.5 G5:0.5 D5:0.5 B4:1 D5:1 F#5:1.5 E5:0.5 D5:2";
    const char* mb = "A5:1.5 G5:0.5 E5:1 C5:1 B4:1.5 E5:0.5 G5:2 E5:1 G5:1 C6:1 B5:0.5 A5:0.5 A5:2 F#5:1 D5:1 "
                     "C6:1.5 B5:0.5 A5:1 E5:1 G5:1.5 F#5:0.5 E5:1 B4:1 C5:0.5 E5:0.5 G5:0.5 C6:0.5 B5:1 A5:1 "
                     "F#5:1 A5:1 D#5:2";
    s.melody(LEAD, 4, ma, 0.85, 0, 0.1, 0.85);
    s.melody(BELL, 12, mb, 0.7, 0, 0.2);
    s.melody(FLUTE, 12, mb, 0.4, -12, -0.2);
    s.melody(LEAD, 20, ma, 0.85, 0, 0.1, 0.85);
    s.melody(MARIMBA, 20, ma, 0.35, -12, -0.3, 0.8);
    for (int bar : {3, 11, 19, 27}) s.drums(SNARE, bar, bar, "..........o.xxXX", 0.55);
    for (int bar : {4, 12, 20}) s.note(CYMBAL, bar * 4, 1, 60, 0.45);
    return s;
}

// Victory: a brass fanfare with strings, timpani and a march snare.
Song winSong()
{
    Song s;
    s.bpm = 92;
    s.bars = 16;
    s.seed = 505;
    s.setChords("C F G C Am F D7 G C F G Em Am F Gsus4 G");
    s.pad(STRINGS, 0, 15, 0.55, 55, 16);
    s.bass(BASS, 0, 15, {{0, 0.9, 0, 1.0}, {1, 0.9, 1, 0.8}, {2, 0.9, 2, 0.9}, {3, 0.9, 1, 0.8}}, 36);
    s.arp(PLUCK, 0, 15, {0, 1, 2, 3, 4, 3, 2, 1}, 0.5, 0.35, 67, 0.5, 0.7);
    const char* a = "G4:0.75 G4:0.25 C5:1 E5:1 G5:1 A5:1.5 G5:0.5 F5:1 A5:1 G5:1.5 F5:0.5 D5:1 B4:1 "
                    "C5:0.75 E5:0.25 G5:1 C6:2 C6:1 B5:0.5 A5:0.5 E5:2 F5:1 A5:1 C6:1 A5:1 "
                    "F#5:1 A5:1 D6:1 C6:1 B5:2 G5:1 -:1";
    const char* b = "G5:0.75 G5:0.25 C6:1 G5:1 E5:1 F5:1 A5:1 C6:1.5 A5:0.5 B5:1 D6:1 B5:1 G5:1 "
                    "E5:0.75 G5:0.25 B5:2 G5:1 A5:1.5 B5:0.5 C6:2 A5:1 F5:1 A5:1 C6:1 "
                    "C6:2 B5:1 A5:1 B5:1 G5:1 D5:1 -:1";
    s.melody(BRASS, 0, a, 0.9, 0, 0.0, 0.9);
    s.melody(BRASS, 0, a, 0.5, -12, -0.3, 0.9);
    s.melody(BRASS, 8, b, 0.95, 0, 0.0, 0.9);
    s.melody(BRASS, 8, b, 0.5, -12, -0.3, 0.9);
    s.melody(BELL, 8, b, 0.3, 12, 0.35, 0.5);
    for (int bar = 0; bar < 16; ++bar) {
        double midi = 41 + (s.chordAt(bar).root + 7) % 12;
        s.note(TIMPANI, bar * 4, 1, midi, 0.6);
        if (bar % 4 == 3) {
            for (int k = 0; k < 4; ++k) s.note(TIMPANI, bar * 4 + 3 + k * 0.25, 0.25, midi, 0.3 + 0.1 * k);
        }
    }
    s.drums(SNARE, 0, 15, "X..x..x.x.xxX.x.", 0.45);
    s.drums(KICK, 0, 15, "X.......X.......", 0.6);
    s.note(CYMBAL, 0, 1, 60, 0.7);
    s.note(CYMBAL, 32, 1, 60, 0.7);
    return s;
}

}   // namespace

std::vector<std::string> musicTitles() { return {"ambient.ogg", "main.ogg", "ingame1.ogg", "ingame2.ogg", "win.ogg"}; }

bool renderTitle(const std::string& title, std::vector<float>& left, std::vector<float>& right)
{
    Song s;
    if (title == "ambient.ogg") s = ambientSong();
    else if (title == "main.ogg") s = mainSong();
    else if (title == "ingame1.ogg") s = ingame1Song();
    else if (title == "ingame2.ogg") s = ingame2Song();
    else if (title == "win.ogg") s = winSong();
    else return false;
    renderSong(s, left, right);
    return true;
}

}   // namespace synth
