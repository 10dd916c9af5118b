// The sound effects: one recipe per file of the sound table, each a short mono sound at 44.1 kHz.
#include "content/audio/audio.h"

#include <algorithm>
#include <functional>
#include <map>

#include "content/audio/voices.h"

namespace synth {

namespace {

Mono buf(double seconds) { return Mono(size_t(samples(seconds)), 0.0); }

enum Wave { SINE, TRI, SQUARE, SAW };

// A tone gliding exponentially from f0 to f1 over `dur`, shaped by attack and exponential decay.
void glide(Mono& m, double start, double dur, double f0, double f1, double amp, double attack, double decay,
           Wave wave = SINE)
{
    Osc o;
    long s0 = samples(start);
    for (size_t i = size_t(std::max(0L, s0)); i < m.size(); ++i) {
        double t = double(long(i) - s0) / RATE;
        double k = std::min(1.0, t / dur);
        double f = f0 * std::pow(f1 / f0, k);
        double v;
        switch (wave) {
        case TRI: v = o.tri(f); break;
        case SQUARE: v = o.square(f); break;
        case SAW: v = o.saw(f); break;
        default: v = o.sine(f); break;
        }
        m[i] += v * amp * percEnv(t, attack, decay);
    }
}

enum Band { LOW, BAND, HIGH };

// Filtered noise whose cutoff moves exponentially from f0 to f1 over `dur`.
void noiseSweep(Mono& m, Rng& rng, double start, double dur, double f0, double f1, double q, double amp, double attack,
                double decay, Band band)
{
    Svf f;
    long s0 = samples(start);
    for (size_t i = size_t(std::max(0L, s0)); i < m.size(); ++i) {
        double t = double(long(i) - s0) / RATE;
        if ((i - size_t(s0)) % 8 == 0) f.set(f0 * std::pow(f1 / f0, std::min(1.0, t / dur)), q);
        f.run(rng.bi());
        double v = band == LOW ? f.low : (band == BAND ? f.band : f.high);
        m[i] += v * amp * percEnv(t, attack, decay);
    }
}

void place(Mono& m, const Mono& note, double at, double gain) { mixInto(m, note, samples(at), gain); }

void lowpass(Mono& m, double hz, double q = 0.707)
{
    Svf f;
    f.set(hz, q);
    for (double& v : m) v = f.run(v);
}

void addReverb(Mono& m, double wet, double room)
{
    Reverb r(room, 0.35);
    std::vector<float> in(m.begin(), m.end()), l, rr;
    r.process(in, in, l, rr);
    for (size_t i = 0; i < m.size(); ++i) m[i] += wet * 0.5 * (double(l[i]) + double(rr[i]));
}

// Random crackle of tiny bandpassed clicks, thinning out over `dur`.
void crackle(Mono& m, Rng& rng, double start, double dur, int count, double lo, double hi, double amp)
{
    for (int k = 0; k < count; ++k) {
        double at = start + dur * std::pow(rng.uni(), 1.8);
        double f = lo * std::pow(hi / lo, rng.uni());
        double a = amp * (0.4 + 0.6 * rng.uni()) * (1.0 - (at - start) / dur * 0.7);
        Mono grain = buf(0.04);
        noiseSweep(grain, rng, 0, 0.01, f, f, 3.0, a, 0.0005, 0.006 + 0.01 * rng.uni(), BAND);
        place(m, grain, at, 1.0);
    }
}

Mono button(double f, double body)
{
    Mono m = buf(0.12);
    Rng rng(13);
    glide(m, 0, 0.03, f * 1.5, f, 0.6, 0.0008, 0.022);
    glide(m, 0, 0.05, body * 1.2, body, 0.7, 0.001, 0.035, TRI);
    noiseSweep(m, rng, 0, 0.01, 4000, 4000, 0.8, 0.25, 0.0003, 0.004, HIGH);
    return m;
}

Mono chimes(const std::vector<double>& notes, double gap, double decay, double total, double wet)
{
    Mono m = buf(total);
    for (size_t i = 0; i < notes.size(); ++i)
        place(m, chimeNote(midiHz(notes[i]), total, decay), gap * double(i), 1.0 - 0.08 * double(i));
    addReverb(m, wet, 0.7);
    return m;
}

const std::map<std::string, std::function<Mono()>>& recipes()
{
    static const std::map<std::string, std::function<Mono()>> table = {
        {"mark1.ogg",
         [] {
             Mono m = buf(0.16);
             glide(m, 0, 0.03, 820, 880, 0.8, 0.002, 0.04);
             glide(m, 0, 0.03, 1640, 1760, 0.15, 0.002, 0.02);
             return m;
         }},
        {"mark2.ogg",
         [] {
             Mono m = buf(0.16);
             glide(m, 0, 0.03, 1100, 1175, 0.8, 0.002, 0.04);
             glide(m, 0, 0.03, 2200, 2350, 0.15, 0.002, 0.02);
             return m;
         }},
        {"turnup.ogg",
         [] {
             Mono m = buf(0.24);
             Rng rng(5);
             noiseSweep(m, rng, 0, 0.14, 500, 2800, 2.2, 0.6, 0.03, 0.05, BAND);
             glide(m, 0.01, 0.09, 330, 700, 0.45, 0.01, 0.06, TRI);
             return m;
         }},
        {"turndown.ogg",
         [] {
             Mono m = buf(0.26);
             Rng rng(6);
             noiseSweep(m, rng, 0, 0.16, 2400, 450, 2.2, 0.6, 0.02, 0.06, BAND);
             glide(m, 0.01, 0.12, 620, 290, 0.45, 0.01, 0.07, TRI);
             return m;
         }},
        {"bell1.ogg",
         [] {
             Mono m = buf(1.4);
             place(m, bellNote(880, 1.4, 0.9), 0, 1.0);
             addReverb(m, 0.25, 0.75);
             return m;
         }},
        {"shuffle.ogg",
         [] {
             Mono m = buf(0.95);
             Rng rng(8);
             Svf f;
             for (size_t i = 0; i < m.size(); ++i) {
                 double t = double(i) / RATE;
                 if (i % 8 == 0) f.set(1600 * std::pow(2.0, 1.1 * fastSin(t * 5.5)) * (1 + t), 3.0);
                 f.run(rng.bi());
                 m[i] += f.band * 0.5 * std::sin(PI * std::min(1.0, t / 0.85));
             }
             for (int k = 0; k < 12; ++k) {
                 double at = 0.05 + k * 0.062 + 0.015 * rng.uni();
                 glide(m, at, 0.02, midiHz(72 + k * 2), midiHz(74 + k * 2), 0.25, 0.002, 0.025);
             }
             addReverb(m, 0.15, 0.6);
             return m;
         }},
        {"hint.ogg", [] { return chimes({81, 88}, 0.13, 0.3, 0.75, 0.3); }},
        {"failure.ogg",
         [] {
             Mono m = buf(1.1);
             const double notes[3] = {67, 63, 60};
             for (int k = 0; k < 3; ++k) {
                 double f = midiHz(notes[k]);
                 glide(m, k * 0.24, 0.2, f, f * (k == 2 ? 0.97 : 1.0), 0.5, 0.01, k == 2 ? 0.3 : 0.12, TRI);
                 glide(m, k * 0.24, 0.2, f * 2, f * 2, 0.12, 0.01, 0.08);
             }
             lowpass(m, 2500);
             addReverb(m, 0.2, 0.6);
             return m;
         }},
        {"gamebutt1.ogg",
         [] {
             Mono m = buf(0.2);
             place(m, chimeNote(2350, 0.2, 0.05), 0, 0.6);
             glide(m, 0, 0.02, 700, 500, 0.5, 0.001, 0.02, TRI);
             return m;
         }},
        {"mo.ogg",
         [] {
             Mono m = buf(0.35);
             Osc o;
             Svf f1, f2;
             f1.set(520, 5);
             f2.set(880, 6);
             for (size_t i = 0; i < m.size(); ++i) {
                 double t = double(i) / RATE;
                 double v = o.saw(150 * (1 - 0.1 * t));
                 f1.run(v);
                 f2.run(v);
                 m[i] = (f1.band + 0.5 * f2.band) * adsr(t, 0.2, 0.04, 0.1, 0.8, 0.1);
             }
             return m;
         }},
        {"button1.ogg", [] { return button(1900, 620); }},
        {"butt.ogg", [] { return button(1300, 440); }},
        {"bomb.ogg",
         [] {
             Mono m = buf(1.4);
             Rng rng(14);
             glide(m, 0, 0.35, 120, 36, 1.0, 0.002, 0.35);
             noiseSweep(m, rng, 0, 0.9, 3500, 150, 0.8, 1.2, 0.004, 0.35, LOW);
             noiseSweep(m, rng, 0, 0.02, 6000, 6000, 0.7, 0.5, 0.0005, 0.012, HIGH);
             crackle(m, rng, 0.05, 0.6, 20, 400, 2500, 0.5);
             addReverb(m, 0.3, 0.8);
             lowpass(m, 7000);
             return m;
         }},
        {"explosion2.wav",
         [] {
             Mono m = buf(1.0);
             Rng rng(15);
             noiseSweep(m, rng, 0, 0.03, 5000, 5000, 0.7, 0.7, 0.0005, 0.015, HIGH);
             noiseSweep(m, rng, 0, 0.6, 6500, 350, 0.9, 1.0, 0.002, 0.2, LOW);
             glide(m, 0, 0.2, 160, 48, 0.8, 0.002, 0.18);
             crackle(m, rng, 0.04, 0.55, 30, 800, 5000, 0.45);
             addReverb(m, 0.25, 0.7);
             return m;
         }},
        {"pucollect.ogg", [] { return chimes({84, 88, 91, 96}, 0.055, 0.22, 0.75, 0.3); }},
        {"pucollect2.ogg", [] { return chimes({86, 90, 93, 98}, 0.055, 0.22, 0.75, 0.3); }},
        {"colorer.ogg",
         [] {
             Mono m = buf(0.85);
             Rng rng(17);
             Osc o;
             Svf f;
             for (size_t i = 0; i < m.size(); ++i) {
                 double t = double(i) / RATE;
                 if (i % 8 == 0) f.set(400 * std::pow(12.0, std::min(1.0, t / 0.6)), 4);
                 f.run(o.saw(220 + 40 * fastSin(t * 7)));
                 m[i] += 0.4 * f.band * std::sin(PI * std::min(1.0, t / 0.8));
             }
             for (int k = 0; k < 14; ++k)
                 place(m, chimeNote(2000 + 3000 * rng.uni(), 0.2, 0.04), 0.1 + 0.6 * rng.uni(), 0.2);
             addReverb(m, 0.25, 0.7);
             return m;
         }},
        {"match.ogg",
         [] {
             Mono m = buf(0.6);
             place(m, pluckNote(midiHz(79), 0.6, 0.7, 19), 0, 0.8);
             place(m, pluckNote(midiHz(86), 0.58, 0.7, 20), 0.02, 0.6);
             return m;
         }},
        {"swap.wav",
         [] {
             Mono m = buf(0.5);
             Rng rng(20);
             place(m, chimeNote(midiHz(88), 0.5, 0.2), 0, 0.8);
             place(m, chimeNote(midiHz(95), 0.48, 0.16), 0.012, 0.5);
             noiseSweep(m, rng, 0, 0.1, 9000, 7000, 1.0, 0.08, 0.002, 0.05, HIGH);
             addReverb(m, 0.2, 0.6);
             return m;
         }},
        {"enterping.ogg", [] { return chimes({84, 91}, 0.1, 0.35, 0.85, 0.3); }},
        {"contact2.ogg",
         [] {
             Mono m = buf(0.25);
             Rng rng(23);
             glide(m, 0, 0.04, 520, 400, 0.8, 0.001, 0.03);
             noiseSweep(m, rng, 0, 0.01, 1500, 1500, 1.5, 0.4, 0.0005, 0.008, BAND);
             return m;
         }},
        {"explosion.ogg",
         [] {
             Mono m = buf(0.75);
             Rng rng(25);
             noiseSweep(m, rng, 0, 0.4, 2200, 300, 1.1, 1.0, 0.002, 0.16, BAND);
             glide(m, 0, 0.15, 95, 45, 0.8, 0.002, 0.12);
             crackle(m, rng, 0.02, 0.35, 14, 500, 3000, 0.4);
             addReverb(m, 0.2, 0.6);
             return m;
         }},
        {"pu_select.wav",
         [] {
             Mono m = buf(0.22);
             glide(m, 0, 0.01, 660, 660, 0.45, 0.003, 0.05, SQUARE);
             glide(m, 0.065, 0.01, 990, 990, 0.45, 0.003, 0.07, SQUARE);
             lowpass(m, 3000);
             return m;
         }},
        {"pu_deselect.wav",
         [] {
             Mono m = buf(0.22);
             glide(m, 0, 0.01, 990, 990, 0.45, 0.003, 0.05, SQUARE);
             glide(m, 0.065, 0.01, 660, 660, 0.45, 0.003, 0.07, SQUARE);
             lowpass(m, 3000);
             return m;
         }},
        {"puhit.ogg",
         [] {
             Mono m = buf(0.45);
             Rng rng(29);
             glide(m, 0, 0.08, 180, 70, 0.9, 0.001, 0.08);
             place(m, bellNote(1400, 0.45, 0.25), 0.005, 0.35);
             noiseSweep(m, rng, 0, 0.05, 3000, 800, 1.0, 0.4, 0.0005, 0.02, LOW);
             return m;
         }},
        {"takepu.ogg",
         [] {
             Mono m = buf(0.45);
             glide(m, 0, 0.1, 500, 1500, 0.5, 0.005, 0.06, TRI);
             place(m, chimeNote(midiHz(91), 0.35, 0.15), 0.08, 0.6);
             return m;
         }},
        {"glitter.ogg",
         [] {
             Mono m = buf(0.95);
             Rng rng(32);
             for (int k = 0; k < 28; ++k) {
                 double at = 0.7 * std::pow(rng.uni(), 1.5);
                 place(m, chimeNote(2200 + 4000 * rng.uni(), 0.15, 0.035), at, 0.45 * (1.0 - at));
             }
             addReverb(m, 0.35, 0.75);
             return m;
         }},
        {"laypart.ogg",
         [] {
             Mono m = buf(0.9);
             Rng rng(33);
             noiseSweep(m, rng, 0, 0.3, 400, 3500, 1.8, 0.5, 0.15, 0.08, BAND);
             place(m, chimeNote(midiHz(84), 0.6, 0.25), 0.22, 0.5);
             place(m, chimeNote(midiHz(91), 0.58, 0.22), 0.25, 0.4);
             addReverb(m, 0.3, 0.7);
             return m;
         }},
        {"pustart.ogg",
         [] {
             Mono m = buf(0.95);
             Osc o, s;
             Svf f;
             for (size_t i = 0; i < m.size(); ++i) {
                 double t = double(i) / RATE;
                 double k = std::min(1.0, t / 0.45);
                 if (i % 8 == 0) f.set(300 * std::pow(14.0, k), 2.0);
                 double hz = 110 * std::pow(4.0, k);
                 double v = f.run(o.saw(hz)) * 0.5 + 0.4 * s.sine(hz * 0.5);
                 m[i] += v * adsr(t, 0.45, 0.05, 0.2, 0.9, 0.35);
             }
             place(m, chimeNote(midiHz(88), 0.5, 0.2), 0.42, 0.35);
             place(m, chimeNote(midiHz(93), 0.5, 0.2), 0.46, 0.3);
             addReverb(m, 0.25, 0.7);
             return m;
         }},
        {"stone2.ogg",
         [] {
             Mono m = buf(0.5);
             Rng rng(35);
             noiseSweep(m, rng, 0, 0.02, 2500, 1200, 1.2, 0.9, 0.0005, 0.02, BAND);
             glide(m, 0, 0.04, 260, 140, 0.5, 0.001, 0.04, TRI);
             crackle(m, rng, 0.01, 0.3, 16, 1200, 4500, 0.7);
             return m;
         }},
        {"moss2.ogg",
         [] {
             Mono m = buf(0.42);
             Rng rng(40);
             Svf f;
             for (size_t i = 0; i < m.size(); ++i) {
                 double t = double(i) / RATE;
                 if (i % 8 == 0) f.set(900 + 700 * fastSin(t * 18) + 900 * t, 3.0);
                 f.run(rng.bi());
                 m[i] += f.band * 0.7 * percEnv(t, 0.02, 0.1);
             }
             glide(m, 0.03, 0.06, 380, 760, 0.35, 0.004, 0.05);
             glide(m, 0.11, 0.05, 500, 900, 0.2, 0.004, 0.04);
             return m;
         }},
        {"mmh1.ogg",
         [] {
             Mono m = buf(0.6);
             Osc o;
             Svf f1, f2;
             f1.set(270, 4);
             f2.set(2100, 5);
             for (size_t i = 0; i < m.size(); ++i) {
                 double t = double(i) / RATE;
                 double hz = 180 * (1 + 0.12 * smooth((t - 0.15) / 0.3)) * (1 + 0.01 * fastSin(t * 5.5));
                 double v = o.saw(hz);
                 f1.run(v);
                 f2.run(v);
                 m[i] = (f1.band + 0.1 * f2.band) * adsr(t, 0.45, 0.06, 0.1, 0.9, 0.12);
             }
             return m;
         }},
        {"pufull.ogg",
         [] {
             Mono m = buf(0.95);
             const double notes[4] = {72, 76, 79, 84};
             for (int k = 0; k < 4; ++k) place(m, pluckNote(midiHz(notes[k]), 0.9, 0.8, uint64_t(44 + k)), k * 0.035, 0.6);
             addReverb(m, 0.2, 0.6);
             return m;
         }},
        {"puno.ogg",
         [] {
             Mono m = buf(0.36);
             glide(m, 0, 0.1, 233, 233, 0.45, 0.005, 0.06, SQUARE);
             glide(m, 0.13, 0.1, 196, 185, 0.45, 0.005, 0.08, SQUARE);
             lowpass(m, 1100, 0.9);
             return m;
         }},
        {"cash.ogg",
         [] {
             Mono m = buf(0.65);
             Rng rng(46);
             place(m, chimeNote(2093, 0.6, 0.2), 0, 0.5);
             place(m, chimeNote(2637, 0.6, 0.18), 0.003, 0.4);
             place(m, chimeNote(2093 * 1.5, 0.5, 0.15), 0.08, 0.3);
             crackle(m, rng, 0.0, 0.2, 10, 3000, 8000, 0.3);
             return m;
         }},
        {"build.ogg",
         [] {
             Mono m = buf(0.5);
             Rng rng(47);
             for (int k = 0; k < 2; ++k) {
                 glide(m, k * 0.16, 0.03, 360, 300, 0.7, 0.001, 0.04, TRI);
                 noiseSweep(m, rng, k * 0.16, 0.02, 900, 700, 2.0, 0.6, 0.0005, 0.02, BAND);
             }
             return m;
         }},
        {"tumbler_down.ogg",
         [] {
             Mono m = buf(0.85);
             Rng rng(48);
             double at = 0, gap = 0.2;
             for (int k = 0; k < 6; ++k) {
                 double f = 520 * std::pow(0.88, k);
                 glide(m, at, 0.02, f, f * 0.85, 0.8 * std::pow(0.85, k), 0.001, 0.04, TRI);
                 noiseSweep(m, rng, at, 0.02, 1200, 900, 2.0, 0.4 * std::pow(0.85, k), 0.0005, 0.015, BAND);
                 at += gap;
                 gap *= 0.72;
             }
             return m;
         }},
        {"lionroar.wav",
         [] {
             Mono m = buf(1.3);
             Rng rng(49);
             Osc o;
             Svf f1, f2, rough;
             f1.set(600, 3);
             f2.set(1150, 4);
             rough.set(30, 1);
             for (size_t i = 0; i < m.size(); ++i) {
                 double t = double(i) / RATE;
                 double hz = 85 + 45 * std::sin(PI * std::min(1.0, t / 1.1));
                 rough.run(rng.bi());
                 double v = o.saw(hz) * (1 + 2.5 * rough.low) + 0.3 * rng.bi();
                 f1.run(v);
                 f2.run(v);
                 m[i] = (f1.band + 0.6 * f2.band) * adsr(t, 0.9, 0.15, 0.3, 0.8, 0.35);
             }
             addReverb(m, 0.2, 0.7);
             return m;
         }},
        {"pu_unlocked.wav",
         [] {
             Mono m = buf(1.3);
             Rng rng(50);
             const double notes[5] = {72, 76, 79, 84, 88};
             for (int k = 0; k < 5; ++k) place(m, bellNote(midiHz(notes[k]), 1.2, 0.7), k * 0.07, 0.55);
             for (int k = 0; k < 12; ++k)
                 place(m, chimeNote(3000 + 3000 * rng.uni(), 0.2, 0.05), 0.35 + 0.5 * rng.uni(), 0.12);
             addReverb(m, 0.35, 0.8);
             return m;
         }},
        {"meteorappears.ogg",
         [] {
             Mono m = buf(1.4);
             Rng rng(55);
             Osc o;
             for (size_t i = 0; i < m.size(); ++i) {
                 double t = double(i) / RATE;
                 double hz = 2600 * std::pow(0.25, std::min(1.0, t / 1.2)) * (1 + 0.01 * fastSin(t * 9));
                 double env = smooth(t / 0.5) * (1 - smooth((t - 0.9) / 0.45));
                 m[i] += 0.3 * o.sine(hz) * env;
             }
             noiseSweep(m, rng, 0, 1.2, 4000, 600, 1.5, 0.5, 0.6, 0.4, BAND);
             noiseSweep(m, rng, 0.3, 1.0, 200, 120, 0.8, 0.5, 0.5, 0.3, LOW);
             addReverb(m, 0.2, 0.7);
             return m;
         }},
        {"meteorhit.ogg",
         [] {
             Mono m = buf(1.1);
             Rng rng(56);
             noiseSweep(m, rng, 0, 0.4, 6000, 500, 0.9, 0.8, 0.001, 0.12, LOW);
             glide(m, 0, 0.15, 150, 55, 0.7, 0.002, 0.12);
             const double notes[4] = {84, 88, 91, 96};
             for (int k = 0; k < 4; ++k) place(m, chimeNote(midiHz(notes[k]), 0.7, 0.25), 0.08 + k * 0.06, 0.4);
             for (int k = 0; k < 10; ++k)
                 place(m, chimeNote(3000 + 3500 * rng.uni(), 0.15, 0.04), 0.2 + 0.5 * rng.uni(), 0.1);
             addReverb(m, 0.3, 0.75);
             return m;
         }},
        {"meteormiss.ogg",
         [] {
             Mono m = buf(0.95);
             Rng rng(57);
             noiseSweep(m, rng, 0, 0.7, 1800, 250, 1.5, 0.6, 0.08, 0.3, BAND);
             glide(m, 0.15, 0.5, midiHz(69), midiHz(64), 0.3, 0.02, 0.25, TRI);
             lowpass(m, 4000);
             addReverb(m, 0.2, 0.7);
             return m;
         }},
        {"popup.wav",
         [] {
             Mono m = buf(0.26);
             glide(m, 0, 0.12, 300, 900, 0.7, 0.006, 0.08);
             glide(m, 0, 0.12, 600, 1800, 0.12, 0.006, 0.05);
             addReverb(m, 0.15, 0.5);
             return m;
         }},
    };
    return table;
}

}   // namespace

std::vector<std::string> effectFiles()
{
    std::vector<std::string> names;
    for (const auto& r : recipes()) names.push_back(r.first);
    return names;
}

bool renderEffect(const std::string& file, Mono& out)
{
    auto it = recipes().find(file);
    if (it == recipes().end()) return false;
    out = it->second();
    finishEffect(out);
    return true;
}

}   // namespace synth
