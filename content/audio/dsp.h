// Building blocks of the synthesizer: random numbers, oscillators, envelopes, filters, reverb, levelling and file writers.
#pragma once

#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

namespace synth {

constexpr int RATE = 44100;
constexpr double PI = 3.14159265358979323846;
constexpr double TWO_PI = 2.0 * PI;

// Our own generator so that every run and every machine gives the same noise.
class Rng {
public:
    explicit Rng(uint64_t seed) : s_(seed * 0x9E3779B97F4A7C15ull + 0x632BE59BD9B4E019ull) { next(); }
    uint64_t next()
    {
        s_ += 0x9E3779B97F4A7C15ull;
        uint64_t z = s_;
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    double uni() { return double(next() >> 11) * (1.0 / 9007199254740992.0); }   // [0, 1)
    double bi() { return uni() * 2.0 - 1.0; }                                    // [-1, 1)
    int range(int lo, int hi) { return lo + int(next() % uint64_t(hi - lo + 1)); }

private:
    uint64_t s_;
};

inline double midiHz(double note) { return 440.0 * std::pow(2.0, (note - 69.0) / 12.0); }
inline int samples(double seconds) { return int(std::lround(seconds * RATE)); }
inline double clamp01(double x) { return x < 0 ? 0 : (x > 1 ? 1 : x); }

// Table sine, fast enough for the many voices of a music title.
double fastSin(double phase);   // phase in cycles

inline double polyBlep(double t, double dt)
{
    if (t < dt) {
        t /= dt;
        return t + t - t * t - 1.0;
    }
    if (t > 1.0 - dt) {
        t = (t - 1.0) / dt;
        return t * t + t + t + 1.0;
    }
    return 0.0;
}

// Band-limited sawtooth and square with a running phase in cycles.
struct Osc {
    double phase = 0;
    double saw(double hz)
    {
        double dt = hz / RATE;
        double v = 2.0 * phase - 1.0 - polyBlep(phase, dt);
        advance(dt);
        return v;
    }
    double square(double hz, double width = 0.5)
    {
        double dt = hz / RATE;
        double p2 = phase + (1.0 - width);
        p2 -= std::floor(p2);
        double v = (phase < width ? 1.0 : -1.0) + polyBlep(phase, dt) - polyBlep(p2, dt);
        advance(dt);
        return v;
    }
    double sine(double hz)
    {
        double v = fastSin(phase);
        advance(hz / RATE);
        return v;
    }
    double tri(double hz)
    {
        double v = phase < 0.5 ? 4.0 * phase - 1.0 : 3.0 - 4.0 * phase;
        advance(hz / RATE);
        return v;
    }
    void advance(double dt)
    {
        phase += dt;
        phase -= std::floor(phase);
    }
};

// Zero-delay state-variable filter; cutoff may change every sample.
struct Svf {
    double ic1 = 0, ic2 = 0, a1 = 0, a2 = 0, a3 = 0, k = 1;
    double low = 0, band = 0, high = 0;
    void set(double hz, double q)
    {
        if (hz > RATE * 0.45) hz = RATE * 0.45;
        if (hz < 10) hz = 10;
        double g = std::tan(PI * hz / RATE);
        k = 1.0 / q;
        a1 = 1.0 / (1.0 + g * (g + k));
        a2 = g * a1;
        a3 = g * a2;
    }
    double run(double v0)
    {
        double v3 = v0 - ic2;
        double v1 = a1 * ic1 + a2 * v3;
        double v2 = ic2 + a2 * ic1 + a3 * v3;
        ic1 = 2.0 * v1 - ic1;
        ic2 = 2.0 * v2 - ic2;
        low = v2;
        band = v1;
        high = v0 - k * v1 - v2;
        return v2;
    }
};

struct OnePole {
    double z = 0, a = 0;
    void set(double hz) { a = std::exp(-TWO_PI * hz / RATE); }
    double lp(double x) { return z = x + a * (z - x); }
    double hp(double x) { return x - lp(x); }
};

// Attack, then exponential fall to silence; value 0 before start.
inline double percEnv(double t, double attack, double decay)
{
    if (t < 0) return 0;
    if (t < attack) return t / attack;
    return std::exp(-(t - attack) / decay);
}

// Linear attack, hold at sustain until `len`, then a smooth release.
inline double adsr(double t, double len, double a, double d, double s, double r)
{
    if (t < 0) return 0;
    double v;
    double tt = t < len ? t : len;
    if (tt < a) v = tt / a;
    else if (tt < a + d) v = 1.0 - (1.0 - s) * (tt - a) / d;
    else v = s;
    if (t >= len) {
        double x = (t - len) / r;
        if (x >= 1) return 0;
        v *= (1 - x) * (1 - x);
    }
    return v;
}

// Smooth 0..1 ramp without corners.
inline double smooth(double x)
{
    x = clamp01(x);
    return x * x * (3 - 2 * x);
}

// Stereo reverb of parallel damped combs and serial allpasses.
class Reverb {
public:
    Reverb(double room, double damp, int spread = 23);
    void process(const std::vector<float>& inL, const std::vector<float>& inR, std::vector<float>& outL,
                 std::vector<float>& outR);

private:
    struct Comb {
        std::vector<float> buf;
        size_t i = 0;
        float store = 0;
    };
    struct All {
        std::vector<float> buf;
        size_t i = 0;
    };
    Comb combs_[2][8];
    All alls_[2][4];
    float feedback_, damp_;
};

using Mono = std::vector<double>;

// Fades the ends, removes DC, brings the effect to the common loudness and keeps its peak below full scale.
void finishEffect(Mono& s, double fadeInMs = 2.0, double fadeOutMs = 12.0);
// Loudness figure: highest RMS of 100 ms windows after a low cut, in dBFS.
double loudnessDb(const Mono& s);
double peakOf(const Mono& s);

// Encoders; each returns false when the file could not be written.
bool writeWav16(const std::string& path, const Mono& s);
// `loop`: the stream is made to join its own beginning seamlessly when played round again.
bool writeOgg(const std::string& path, const std::vector<const std::vector<float>*>& channels, float quality,
              bool loop = false);

}   // namespace synth
