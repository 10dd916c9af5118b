// Instrument voices: plucked strings, bells, keys, pads, winds, brass, bass and drums.
#include "content/audio/voices.h"

#include <algorithm>

namespace synth {

namespace {

Mono makeBuf(double total) { return Mono(size_t(std::max(1, samples(total))), 0.0); }

// Quick fade at the very end so that a voice cut by its buffer never clicks.
void tailFade(Mono& m, double seconds = 0.02)
{
    size_t n = std::min(m.size(), size_t(samples(seconds)));
    for (size_t i = 0; i < n; ++i) m[m.size() - 1 - i] *= double(i) / double(n);
}

struct Partial {
    double ratio, amp, decay;
};

Mono additive(double hz, double total, double attack, const Partial* ps, int count, double detuneHz = 0)
{
    Mono m = makeBuf(total);
    for (int p = 0; p < count; ++p) {
        double f = hz * ps[p].ratio + (p % 2 ? detuneHz : 0);
        if (f > 17000) continue;
        double phase = 0, dt = f / RATE;
        double g = std::exp(-1.0 / (ps[p].decay * RATE)), env = ps[p].amp;
        for (size_t i = 0; i < m.size(); ++i) {
            m[i] += fastSin(phase) * env;
            phase += dt;
            if (phase >= 1) phase -= 1;
            env *= g;
        }
    }
    size_t na = size_t(samples(attack)) + 1;
    for (size_t i = 0; i < na && i < m.size(); ++i) m[i] *= double(i) / double(na);
    tailFade(m);
    return m;
}

}   // namespace

void mixInto(Mono& dst, const Mono& src, long at, double gain)
{
    for (size_t i = 0; i < src.size(); ++i) {
        long j = at + long(i);
        if (j < 0) continue;
        if (size_t(j) >= dst.size()) break;
        dst[size_t(j)] += src[i] * gain;
    }
}

Mono pluckNote(double hz, double total, double brightness, uint64_t seed)
{
    Mono m = makeBuf(total);
    Rng rng(seed);
    double period = double(RATE) / hz - 0.5;
    size_t size = size_t(period) + 4;
    std::vector<double> line(size, 0.0);
    OnePole exc;
    exc.set(300 + 9000 * brightness);
    double loss = std::pow(10.0, -3.0 / (std::max(0.3, 2.2 * std::pow(220.0 / hz, 0.5)) * hz));
    size_t w = 0;
    int burst = int(period);
    double prev = 0;
    for (size_t n = 0; n < m.size(); ++n) {
        double rp = double(w) + double(size) - period;
        size_t i0 = size_t(rp) % size;
        double frac = rp - std::floor(rp);
        double d0 = line[i0] + (line[(i0 + 1) % size] - line[i0]) * frac;
        double x = int(n) < burst ? exc.lp(rng.bi()) : 0.0;
        double y = x + loss * 0.5 * (d0 + prev);
        prev = d0;
        line[w] = y;
        w = (w + 1) % size;
        m[n] = y;
    }
    OnePole dc;
    dc.set(20);
    for (double& v : m) v = dc.hp(v);
    tailFade(m, 0.05);
    return m;
}

Mono chimeNote(double hz, double total, double decay)
{
    const Partial ps[] = {{1.0, 1.0, decay},          {2.0, 0.35, decay * 0.6},   {3.01, 0.16, decay * 0.4},
                          {4.16, 0.09, decay * 0.25}, {5.43, 0.05, decay * 0.15}};
    return additive(hz, total, 0.002, ps, 5);
}

Mono bellNote(double hz, double total, double decay)
{
    const Partial ps[] = {{0.56, 0.5, decay},         {0.92, 0.5, decay * 0.65}, {1.0, 0.55, decay * 0.7},
                          {1.19, 0.45, decay * 0.33}, {1.71, 0.3, decay * 0.35}, {2.0, 0.27, decay * 0.25},
                          {2.74, 0.22, decay * 0.2},  {3.0, 0.2, decay * 0.15},  {3.76, 0.15, decay * 0.1},
                          {4.07, 0.15, decay * 0.075}};
    return additive(hz, total, 0.001, ps, 10, 0.9);
}

Mono marimbaNote(double hz, double total)
{
    double d = 0.35 * std::pow(440.0 / hz, 0.6);
    const Partial ps[] = {{1.0, 1.0, d}, {3.93, 0.25, d * 0.18}, {9.2, 0.06, d * 0.05}};
    return additive(hz, total, 0.0015, ps, 3);
}

Mono epianoNote(double hz, double len, double total, double vel)
{
    Mono m = makeBuf(total);
    double cp = 0, mp = 0, tp = 0;
    double decay = 1.4 * std::pow(440.0 / hz, 0.3);
    bool tine = hz * 14.0 < 16000;
    for (size_t i = 0; i < m.size(); ++i) {
        double t = double(i) / RATE;
        double index = (1.2 + 2.0 * vel) * std::exp(-t / 0.25) + 0.5;
        double v = fastSin(cp + index * fastSin(mp) / TWO_PI);
        if (tine) v += 0.07 * vel * fastSin(tp) * std::exp(-t / 0.025);
        cp += hz / RATE;
        mp += hz / RATE;
        tp += 14.0 * hz / RATE;
        cp -= std::floor(cp);
        mp -= std::floor(mp);
        tp -= std::floor(tp);
        double env = std::exp(-t / decay) * std::min(1.0, t / 0.002);
        if (t > len) env *= std::max(0.0, 1.0 - (t - len) / 0.25);
        m[i] = v * env;
    }
    tailFade(m);
    return m;
}

Mono padNote(double hz, double len, double total, double cutoff, uint64_t seed)
{
    Mono m = makeBuf(total);
    Rng rng(seed);
    Osc o[3];
    for (Osc& x : o) x.phase = rng.uni();
    const double det[3] = {1.0, 1.0015, 0.9986};
    Svf f;
    double lfo = rng.uni();
    for (size_t i = 0; i < m.size(); ++i) {
        double t = double(i) / RATE;
        if (i % 64 == 0) f.set(cutoff * (1.0 + 0.25 * fastSin(lfo + t * 0.23)), 0.8);
        double v = 0;
        for (int k = 0; k < 3; ++k) v += o[k].saw(hz * det[k]);
        m[i] = f.run(v / 3.0) * adsr(t, len, 0.6, 0.8, 0.8, 1.2);
    }
    tailFade(m);
    return m;
}

Mono stringsNote(double hz, double len, double total, uint64_t seed)
{
    Mono m = makeBuf(total);
    Rng rng(seed);
    Osc o[4];
    for (Osc& x : o) x.phase = rng.uni();
    const double det[4] = {1.0, 1.0021, 0.9979, 1.0008};
    Svf f, hp;
    f.set(std::min(5000.0, hz * 6.0), 0.7);
    hp.set(hz * 0.7, 0.7);
    double vib = rng.uni();
    for (size_t i = 0; i < m.size(); ++i) {
        double t = double(i) / RATE;
        double depth = 0.003 * smooth(t / 0.5);
        double fm = 1.0 + depth * fastSin(vib + t * 5.2);
        double v = 0;
        for (int k = 0; k < 4; ++k) v += o[k].saw(hz * det[k] * fm);
        f.run(v * 0.25);
        hp.run(f.low);
        m[i] = hp.high * adsr(t, len, 0.18, 0.3, 0.85, 0.45);
    }
    tailFade(m);
    return m;
}

Mono brassNote(double hz, double len, double total, double vel)
{
    Mono m = makeBuf(total);
    Osc a, b;
    b.phase = 0.37;
    Svf f;
    for (size_t i = 0; i < m.size(); ++i) {
        double t = double(i) / RATE;
        if (i % 16 == 0) {
            double fe = t < 0.05 ? t / 0.05 : 0.55 + 0.45 * std::exp(-(t - 0.05) / 0.3);
            f.set(hz * (1.2 + (3.0 + 4.0 * vel) * fe), 1.1);
        }
        double vib = 1.0 + 0.004 * smooth((t - 0.2) / 0.3) * fastSin(t * 5.5);
        double v = 0.5 * (a.saw(hz * vib) + b.saw(hz * vib * 1.002));
        m[i] = f.run(v) * adsr(t, len, 0.025, 0.25, 0.75, 0.12);
    }
    tailFade(m);
    return m;
}

Mono fluteNote(double hz, double len, double total, uint64_t seed)
{
    Mono m = makeBuf(total);
    Rng rng(seed);
    Svf breath;
    breath.set(hz * 2.0, 1.5);
    double p = 0, vib = rng.uni();
    for (size_t i = 0; i < m.size(); ++i) {
        double t = double(i) / RATE;
        double fm = 1.0 + 0.005 * smooth((t - 0.18) / 0.35) * fastSin(vib + t * 5.0);
        double v = fastSin(p) + 0.35 * fastSin(2 * p) + 0.12 * fastSin(3 * p) + 0.05 * fastSin(4 * p);
        p += hz * fm / RATE;
        p -= std::floor(p);
        breath.run(rng.bi());
        double env = adsr(t, len, 0.06, 0.15, 0.85, 0.14);
        m[i] = (v + 0.35 * breath.band * (0.3 + std::exp(-t / 0.08))) * env;
    }
    tailFade(m);
    return m;
}

Mono leadNote(double hz, double len, double total)
{
    Mono m = makeBuf(total);
    Osc o, s;
    Svf f;
    f.set(std::min(6000.0, hz * 4.0), 0.9);
    for (size_t i = 0; i < m.size(); ++i) {
        double t = double(i) / RATE;
        double fm = 1.0 + 0.004 * smooth((t - 0.15) / 0.3) * fastSin(t * 5.8);
        double v = 0.6 * o.square(hz * fm, 0.32) + 0.5 * s.sine(hz * fm);
        m[i] = f.run(v) * adsr(t, len, 0.008, 0.2, 0.6, 0.09);
    }
    tailFade(m);
    return m;
}

Mono bassNote(double hz, double len, double total)
{
    Mono m = makeBuf(total);
    Osc saw, sub;
    Svf f;
    for (size_t i = 0; i < m.size(); ++i) {
        double t = double(i) / RATE;
        if (i % 16 == 0) f.set(250 + 1100 * std::exp(-t / 0.07), 1.2);
        double v = f.run(0.6 * saw.saw(hz)) + 0.7 * sub.sine(hz);
        m[i] = v * adsr(t, len, 0.004, 0.25, 0.65, 0.05);
    }
    tailFade(m);
    return m;
}

Mono subBassNote(double hz, double len, double total)
{
    Mono m = makeBuf(total);
    Osc s, s2;
    for (size_t i = 0; i < m.size(); ++i) {
        double t = double(i) / RATE;
        double v = s.sine(hz) + 0.18 * s2.tri(hz * 2.0);
        m[i] = v * adsr(t, len, 0.05, 0.4, 0.75, 0.3);
    }
    tailFade(m);
    return m;
}

Mono kickDrum(double total)
{
    Mono m = makeBuf(total);
    double p = 0;
    for (size_t i = 0; i < m.size(); ++i) {
        double t = double(i) / RATE;
        double f = 48 + 120 * std::exp(-t / 0.035);
        p += f / RATE;
        double v = fastSin(p) * std::exp(-t / 0.22) * std::min(1.0, t / 0.001);
        v += 0.25 * fastSin(p * 3.1) * std::exp(-t / 0.008);
        m[i] = v;
    }
    tailFade(m);
    return m;
}

Mono snareDrum(double total, uint64_t seed)
{
    Mono m = makeBuf(total);
    Rng rng(seed);
    Svf bp;
    bp.set(2200, 0.8);
    OnePole hp;
    hp.set(400);
    double p = 0;
    for (size_t i = 0; i < m.size(); ++i) {
        double t = double(i) / RATE;
        p += 190.0 * (1 + 0.2 * std::exp(-t / 0.01)) / RATE;
        double tone = 0.55 * fastSin(p) * std::exp(-t / 0.045);
        bp.run(rng.bi());
        double nz = hp.hp(bp.band + 0.3 * bp.high) * std::exp(-t / 0.11);
        m[i] = (tone + 1.1 * nz) * std::min(1.0, t / 0.0008);
    }
    tailFade(m);
    return m;
}

Mono hatDrum(double total, double decay, uint64_t seed)
{
    Mono m = makeBuf(total);
    Rng rng(seed);
    Svf hp;
    hp.set(7500, 0.9);
    for (size_t i = 0; i < m.size(); ++i) {
        double t = double(i) / RATE;
        hp.run(rng.bi());
        m[i] = hp.high * std::exp(-t / decay) * std::min(1.0, t / 0.0005);
    }
    tailFade(m, 0.005);
    return m;
}

Mono shakerDrum(double total, uint64_t seed)
{
    Mono m = makeBuf(total);
    Rng rng(seed);
    Svf bp;
    bp.set(6500, 1.4);
    for (size_t i = 0; i < m.size(); ++i) {
        double t = double(i) / RATE;
        bp.run(rng.bi());
        m[i] = bp.band * percEnv(t, 0.012, 0.04);
    }
    tailFade(m, 0.005);
    return m;
}

Mono clapDrum(double total, uint64_t seed)
{
    Mono m = makeBuf(total);
    Rng rng(seed);
    Svf bp;
    bp.set(1300, 1.2);
    for (size_t i = 0; i < m.size(); ++i) {
        double t = double(i) / RATE;
        bp.run(rng.bi());
        double env = 0;
        for (int k = 0; k < 3; ++k) env += percEnv(t - k * 0.011, 0.0008, 0.006);
        env += 0.8 * percEnv(t - 0.033, 0.001, 0.09);
        m[i] = bp.band * env;
    }
    tailFade(m, 0.005);
    return m;
}

Mono timpaniDrum(double hz, double total, uint64_t seed)
{
    Mono m = makeBuf(total);
    Rng rng(seed);
    OnePole lp;
    lp.set(900);
    double p1 = 0, p2 = 0, p3 = 0;
    for (size_t i = 0; i < m.size(); ++i) {
        double t = double(i) / RATE;
        double bend = 1.0 + 0.06 * std::exp(-t / 0.04);
        p1 += hz * bend / RATE;
        p2 += hz * 1.5 * bend / RATE;
        p3 += hz * 1.99 * bend / RATE;
        double v = fastSin(p1) * std::exp(-t / 0.9) + 0.45 * fastSin(p2) * std::exp(-t / 0.5) +
                   0.25 * fastSin(p3) * std::exp(-t / 0.35);
        v += 0.6 * lp.lp(rng.bi()) * std::exp(-t / 0.03);
        m[i] = v * std::min(1.0, t / 0.002);
    }
    tailFade(m, 0.1);
    return m;
}

Mono cymbalDrum(double total, uint64_t seed)
{
    Mono m = makeBuf(total);
    Rng rng(seed);
    Svf hp;
    hp.set(4500, 0.7);
    Osc o[4];
    const double f[4] = {3120, 4373, 5627, 7210};
    for (size_t i = 0; i < m.size(); ++i) {
        double t = double(i) / RATE;
        hp.run(rng.bi());
        double metal = 0;
        for (int k = 0; k < 4; ++k) metal += o[k].square(f[k]);
        double v = hp.high + 0.08 * metal;
        m[i] = v * (0.7 * std::exp(-t / 0.9) + 0.3 * std::exp(-t / 0.08)) * std::min(1.0, t / 0.001);
    }
    tailFade(m, 0.2);
    return m;
}

}   // namespace synth
