// Synthesizer building blocks: sine table, reverb, effect levelling and the WAV and OGG writers.
#include "content/audio/dsp.h"

#include <vorbis/vorbisenc.h>

#include <algorithm>
#include <cstdio>

namespace synth {

namespace {

constexpr int SINE_SIZE = 4096;

const std::vector<double>& sineTable()
{
    static const std::vector<double> table = [] {
        std::vector<double> t(SINE_SIZE + 1);
        for (int i = 0; i <= SINE_SIZE; ++i) t[size_t(i)] = std::sin(TWO_PI * i / SINE_SIZE);
        return t;
    }();
    return table;
}

constexpr double TARGET_DB = -17.0;
constexpr double CEILING = 0.89;

}   // namespace

double fastSin(double phase)
{
    const std::vector<double>& t = sineTable();
    double p = (phase - std::floor(phase)) * SINE_SIZE;
    int i = int(p);
    if (i >= SINE_SIZE) i = SINE_SIZE - 1;
    double f = p - i;
    return t[size_t(i)] + (t[size_t(i) + 1] - t[size_t(i)]) * f;
}

Reverb::Reverb(double room, double damp, int spread) : feedback_(float(room)), damp_(float(damp))
{
    static const int combLen[8] = {1116, 1188, 1277, 1356, 1422, 1491, 1557, 1617};
    static const int allLen[4] = {556, 441, 341, 225};
    for (int c = 0; c < 2; ++c) {
        for (int i = 0; i < 8; ++i) combs_[c][i].buf.assign(size_t(combLen[i] + c * spread), 0.0f);
        for (int i = 0; i < 4; ++i) alls_[c][i].buf.assign(size_t(allLen[i] + c * spread), 0.0f);
    }
}

void Reverb::process(const std::vector<float>& inL, const std::vector<float>& inR, std::vector<float>& outL,
                     std::vector<float>& outR)
{
    size_t n = inL.size();
    outL.assign(n, 0.0f);
    outR.assign(n, 0.0f);
    for (int c = 0; c < 2; ++c) {
        const std::vector<float>& in = c == 0 ? inL : inR;
        std::vector<float>& out = c == 0 ? outL : outR;
        for (size_t s = 0; s < n; ++s) {
            float x = (in[s] + (c == 0 ? inR[s] : inL[s]) * 0.3f) * 0.015f;
            float acc = 0;
            for (Comb& cb : combs_[c]) {
                float y = cb.buf[cb.i];
                cb.store = y * (1 - damp_) + cb.store * damp_;
                cb.buf[cb.i] = x + cb.store * feedback_;
                if (++cb.i == cb.buf.size()) cb.i = 0;
                acc += y;
            }
            for (All& ap : alls_[c]) {
                float b = ap.buf[ap.i];
                float y = -acc + b;
                ap.buf[ap.i] = acc + b * 0.5f;
                if (++ap.i == ap.buf.size()) ap.i = 0;
                acc = y;
            }
            out[s] = acc;
        }
    }
}

double peakOf(const Mono& s)
{
    double p = 0;
    for (double v : s) p = std::max(p, std::fabs(v));
    return p;
}

double loudnessDb(const Mono& s)
{
    Svf hp;
    hp.set(120, 0.707);
    Mono w(s.size());
    for (size_t i = 0; i < s.size(); ++i) {
        hp.run(s[i]);
        w[i] = hp.high;
    }
    size_t win = size_t(samples(0.1)), hop = size_t(samples(0.01));
    double best = 0;
    for (size_t start = 0; start == 0 || start + win <= w.size(); start += hop) {
        double sum = 0;
        size_t end = std::min(w.size(), start + win);
        for (size_t i = start; i < end; ++i) sum += w[i] * w[i];
        best = std::max(best, sum / double(win));
        if (end == w.size()) break;
    }
    return 10.0 * std::log10(best + 1e-20);
}

void finishEffect(Mono& s, double fadeInMs, double fadeOutMs)
{
    if (s.empty()) return;
    OnePole dc;
    dc.set(15);
    for (double& v : s) v = dc.hp(v);
    double gain = std::pow(10.0, (TARGET_DB - loudnessDb(s)) / 20.0);
    const double knee = 0.55;
    for (double& v : s) {
        double x = v * gain, a = std::fabs(x);
        if (a > knee) a = knee + (CEILING - knee) * std::tanh((a - knee) / (CEILING - knee));
        v = x < 0 ? -a : a;
    }
    size_t fi = std::min(s.size(), size_t(samples(fadeInMs / 1000.0)) + 1);
    size_t fo = std::min(s.size(), size_t(samples(fadeOutMs / 1000.0)) + 1);
    for (size_t i = 0; i < fi; ++i) s[i] *= 0.5 - 0.5 * std::cos(PI * double(i) / double(fi));
    for (size_t i = 0; i < fo; ++i) s[s.size() - 1 - i] *= 0.5 - 0.5 * std::cos(PI * double(i) / double(fo));
}

bool writeWav16(const std::string& path, const Mono& s)
{
    uint32_t dataBytes = uint32_t(s.size() * 2);
    std::vector<uint8_t> b(44 + size_t(dataBytes), 0);
    size_t pos = 0;
    auto put = [&b, &pos](uint32_t v, int bytes) {
        for (int i = 0; i < bytes; ++i) b[pos++] = uint8_t(v >> (8 * i));
    };
    auto tag = [&b, &pos](const char* t) {
        for (int i = 0; i < 4; ++i) b[pos++] = uint8_t(t[i]);
    };
    tag("RIFF");
    put(36 + dataBytes, 4);
    tag("WAVE");
    tag("fmt ");
    put(16, 4);
    put(1, 2);   // PCM
    put(1, 2);   // mono
    put(RATE, 4);
    put(RATE * 2, 4);
    put(2, 2);
    put(16, 2);
    tag("data");
    put(dataBytes, 4);
    for (double v : s) put(uint16_t(int16_t(std::lround(std::clamp(v, -1.0, 1.0) * 32767.0))), 2);
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    bool ok = std::fwrite(b.data(), 1, b.size(), f) == b.size();
    return std::fclose(f) == 0 && ok;
}

bool writeOgg(const std::string& path, const std::vector<const std::vector<float>*>& channels, float quality, bool loop)
{
    int nch = int(channels.size());
    if (nch < 1) return false;
    size_t frames = channels[0]->size();
    vorbis_info vi;
    vorbis_info_init(&vi);
    if (vorbis_encode_init_vbr(&vi, nch, RATE, quality) != 0) {
        vorbis_info_clear(&vi);
        return false;
    }
    vorbis_comment vc;
    vorbis_comment_init(&vc);
    vorbis_comment_add_tag(&vc, "ENCODER", "morvelle-content");
    vorbis_dsp_state vd;
    vorbis_block vb;
    vorbis_analysis_init(&vd, &vi);
    vorbis_block_init(&vd, &vb);
    ogg_stream_state os;
    ogg_stream_init(&os, 0x4D6F7276);   // fixed serial: identical bytes on every run

    std::vector<uint8_t> out;
    auto put = [&out](const ogg_page& pg) {
        out.insert(out.end(), pg.header, pg.header + pg.header_len);
        out.insert(out.end(), pg.body, pg.body + pg.body_len);
    };
    ogg_packet hdr, hdrComm, hdrCode;
    vorbis_analysis_headerout(&vd, &vc, &hdr, &hdrComm, &hdrCode);
    ogg_stream_packetin(&os, &hdr);
    ogg_stream_packetin(&os, &hdrComm);
    ogg_stream_packetin(&os, &hdrCode);
    ogg_page og;
    while (ogg_stream_flush(&os, &og) != 0) put(og);

    // A loop is fed on past its end with its own beginning, so that the codec rebuilds the last samples from
    // what really follows them; the last packet's granule position then cuts the stream back to `frames`.
    size_t fed = loop ? frames + std::min(frames, size_t(4096)) : frames;
    const size_t chunk = 1024;
    size_t pos = 0;
    bool eos = false, ended = false;
    while (!eos) {
        size_t n = std::min(chunk, fed - pos);
        if (n == 0) {
            vorbis_analysis_wrote(&vd, 0);
        } else {
            float** buf = vorbis_analysis_buffer(&vd, int(n));
            for (int c = 0; c < nch; ++c)
                for (size_t i = 0; i < n; ++i) buf[c][i] = (*channels[size_t(c)])[(pos + i) % frames];
            vorbis_analysis_wrote(&vd, int(n));
            pos += n;
        }
        while (vorbis_analysis_blockout(&vd, &vb) == 1) {
            vorbis_analysis(&vb, nullptr);
            vorbis_bitrate_addblock(&vb);
            ogg_packet op;
            while (vorbis_bitrate_flushpacket(&vd, &op)) {
                if (ended) continue;
                if (op.granulepos >= ogg_int64_t(frames)) {
                    op.granulepos = ogg_int64_t(frames);
                    op.e_o_s = 1;
                    ended = true;
                }
                ogg_stream_packetin(&os, &op);
                while (ogg_stream_pageout(&os, &og) != 0) put(og);
            }
        }
        if (n == 0 || ended) {
            while (ogg_stream_flush(&os, &og) != 0) put(og);
            eos = true;
        }
    }
    ogg_stream_clear(&os);
    vorbis_block_clear(&vb);
    vorbis_dsp_clear(&vd);
    vorbis_comment_clear(&vc);
    vorbis_info_clear(&vi);

    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    bool ok = std::fwrite(out.data(), 1, out.size(), f) == out.size();
    return std::fclose(f) == 0 && ok;
}

}   // namespace synth
