// Sounds and channels: OGG through libvorbisfile, WAV by hand, mixed by SDL2_mixer; channel state kept here.
#include <SDL_mixer.h>
#include <vorbis/vorbisfile.h>

#include <atomic>
#include <cstring>

#include "platform/sys_internal.h"

struct SysSound {
    std::vector<int16_t> pcm;   // 44.1 kHz stereo
    int flags = 0;
    int lengthMs = 0;
    Mix_Chunk* chunk = nullptr;
    // a stream keeps its compressed file and decodes from it in the mixer's thread
    std::vector<uint8_t> file;
    size_t filePos = 0;
    OggVorbis_File vf{};
    bool open = false;
    int channels = 0;
    std::atomic<int> volume{MIX_MAX_VOLUME};
    std::atomic<bool> held{false};   // paused or cued: the mixer hears silence and the title keeps its place
    // the title has nothing more to play: its end without a loop, or a whole round from the start gave no sample
    std::atomic<bool> ended{false};
    bool silentRound = false;   // started over and nothing heard since
};

struct Channel {
    SysSound* snd = nullptr;
    bool active = false, paused = false, cued = false;
    float volume = 1.0f, pan = 0.0f;
    uint32_t start = 0, pausedAt = 0, pausedTotal = 0;
};

static bool s_device = false;
static std::vector<Channel> s_channels;
// The channel whose stream is hooked into the mixer's music slot, 0 when none.
static int s_streamChannel = 0;
static const int kRate = 44100;

void sysAudioInit(bool headless)
{
    if (s_device) return;
    (void)headless;
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        Sys_Trace(std::string("no audio: ") + SDL_GetError());
        return;
    }
    if (Mix_OpenAudio(kRate, AUDIO_S16SYS, 2, 1024) != 0) {
        Sys_Trace(std::string("no audio device: ") + Mix_GetError());
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return;
    }
    s_device = true;
    Mix_AllocateChannels((int)s_channels.size() + 8);
}

void sysAudioShutdown()
{
    if (!s_device) return;
    Mix_HookMusic(nullptr, nullptr);
    s_streamChannel = 0;
    Mix_HaltChannel(-1);
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    s_device = false;
}

bool Sys_AudioDeviceOpen() { return s_device; }

// A sound is refused when its rate would make the resampler blow it up, or when it runs over ten minutes.
static const int kMinRate = 8000, kMaxRate = 192000, kMaxSeconds = 600, kMaxChannels = 8;

static bool formatAllowed(int channels, int rate)
{
    if (channels >= 1 && channels <= kMaxChannels && rate >= kMinRate && rate <= kMaxRate) return true;
    Sys_Trace("sound with " + std::to_string(channels) + " channels at " + std::to_string(rate) + " Hz refused");
    return false;
}

static size_t maxSamples(int channels, int rate) { return (size_t)kMaxSeconds * (size_t)rate * (size_t)channels; }

static size_t readMem(void* ptr, size_t size, size_t n, void* src)
{
    auto* m = static_cast<std::pair<const std::vector<uint8_t>*, size_t>*>(src);
    size_t want = size * n, left = m->first->size() - m->second;
    if (want > left) want = left;
    std::memcpy(ptr, m->first->data() + m->second, want);
    m->second += want;
    return size ? want / size : 0;
}

static bool decodeOgg(const std::vector<uint8_t>& bytes, std::vector<int16_t>& pcm, int& channels, int& rate)
{
    std::pair<const std::vector<uint8_t>*, size_t> src(&bytes, 0);
    OggVorbis_File vf;
    ov_callbacks cb{readMem, nullptr, nullptr, nullptr};
    if (ov_open_callbacks(&src, &vf, nullptr, 0, cb) != 0) return false;
    vorbis_info* vi = ov_info(&vf, -1);
    channels = vi->channels;
    rate = (int)vi->rate;
    if (!formatAllowed(channels, rate)) {
        ov_clear(&vf);
        return false;
    }
    const size_t most = maxSamples(channels, rate);
    char buf[16384];
    int section;
    long n;
    while ((n = ov_read(&vf, buf, sizeof buf, 0, 2, 1, &section)) > 0) {
        size_t old = pcm.size();
        if (old + (size_t)n / 2 > most) {
            Sys_Trace("sound longer than ten minutes, refused");
            ov_clear(&vf);
            return false;
        }
        pcm.resize(old + (size_t)n / 2);
        std::memcpy(&pcm[old], buf, (size_t)n);
    }
    ov_clear(&vf);
    return n == 0 && !pcm.empty();
}

static bool decodeWav(const std::vector<uint8_t>& b, std::vector<int16_t>& pcm, int& channels, int& rate)
{
    if (b.size() < 12 || std::memcmp(&b[0], "RIFF", 4) != 0 || std::memcmp(&b[8], "WAVE", 4) != 0) return false;
    int fmt = 0, bits = 0;
    channels = 0;
    size_t pos = 12;
    while (pos + 8 <= b.size()) {
        uint32_t len = Sys_PeekLE32(&b[pos + 4]);
        const uint8_t* d = &b[pos + 8];
        if (pos + 8 + len > b.size()) len = (uint32_t)(b.size() - pos - 8);
        if (std::memcmp(&b[pos], "fmt ", 4) == 0 && len >= 16) {
            fmt = d[0] | (d[1] << 8);
            channels = d[2] | (d[3] << 8);
            rate = (int)Sys_PeekLE32(&d[4]);
            bits = d[14] | (d[15] << 8);
        } else if (std::memcmp(&b[pos], "data", 4) == 0 && fmt == 1 && channels > 0) {
            if (!formatAllowed(channels, rate)) return false;
            if ((bits == 16 ? len / 2 : len) > maxSamples(channels, rate)) {
                Sys_Trace("sound longer than ten minutes, refused");
                return false;
            }
            if (bits == 16) {
                pcm.resize(len / 2);
                for (size_t i = 0; i < pcm.size(); ++i) pcm[i] = (int16_t)(d[i * 2] | (d[i * 2 + 1] << 8));
            } else if (bits == 8) {
                pcm.resize(len);
                for (size_t i = 0; i < len; ++i) pcm[i] = (int16_t)((d[i] - 128) * 256);
            } else {
                return false;
            }
            return !pcm.empty();
        }
        pos += 8 + len + (len & 1);
    }
    return false;
}

static bool decodeBytes(const std::vector<uint8_t>& bytes, std::vector<int16_t>& pcm, int& channels, int& rate)
{
    pcm.clear();
    channels = rate = 0;
    if (bytes.size() >= 4 && std::memcmp(bytes.data(), "OggS", 4) == 0) return decodeOgg(bytes, pcm, channels, rate);
    return decodeWav(bytes, pcm, channels, rate);
}

bool Sys_DecodeSound(const std::string& path, std::vector<int16_t>& pcm, int& channels, int& rate)
{
    std::vector<uint8_t> bytes;
    pcm.clear();
    channels = rate = 0;
    if (!Sys_ReadAllBytes(path, bytes)) return false;
    return decodeBytes(bytes, pcm, channels, rate);
}

// Everything is mixed as 44.1 kHz stereo.
static std::vector<int16_t> toStereo44k(const std::vector<int16_t>& in, int channels, int rate)
{
    size_t frames = in.size() / (size_t)channels;
    std::vector<int16_t> out;
    if (rate <= 0 || frames == 0) return out;
    size_t outFrames = (size_t)((double)frames * kRate / rate);
    out.resize(outFrames * 2);
    for (size_t i = 0; i < outFrames; ++i) {
        double srcPos = (double)i * rate / kRate;
        size_t a = (size_t)srcPos;
        size_t b = a + 1 < frames ? a + 1 : a;
        double f = srcPos - (double)a;
        for (int c = 0; c < 2; ++c) {
            int sc = channels == 1 ? 0 : c;
            double v = in[a * channels + sc] * (1 - f) + in[b * channels + sc] * f;
            out[i * 2 + c] = (int16_t)v;
        }
    }
    return out;
}

static size_t readStream(void* ptr, size_t size, size_t n, void* src)
{
    auto* s = static_cast<SysSound*>(src);
    size_t want = size * n, left = s->file.size() - s->filePos;
    if (want > left) want = left;
    std::memcpy(ptr, s->file.data() + s->filePos, want);
    s->filePos += want;
    return size ? want / size : 0;
}

static int seekStream(void* src, ogg_int64_t offset, int whence)
{
    auto* s = static_cast<SysSound*>(src);
    ogg_int64_t base = whence == SEEK_SET ? 0 : whence == SEEK_CUR ? (ogg_int64_t)s->filePos : (ogg_int64_t)s->file.size();
    ogg_int64_t to = base + offset;
    if (to < 0 || to > (ogg_int64_t)s->file.size()) return -1;
    s->filePos = (size_t)to;
    return 0;
}

static long tellStream(void* src) { return (long)static_cast<SysSound*>(src)->filePos; }

// Opens a title for streaming: 44.1 kHz, one or two channels, at most ten minutes; anything else is decoded whole.
static bool openStream(SysSound* s)
{
    ov_callbacks cb{readStream, seekStream, nullptr, tellStream};
    if (ov_open_callbacks(s, &s->vf, nullptr, 0, cb) != 0) return false;
    s->open = true;
    vorbis_info* vi = ov_info(&s->vf, -1);
    ogg_int64_t frames = ov_pcm_total(&s->vf, -1);
    if (!vi || vi->rate != kRate || vi->channels < 1 || vi->channels > 2 || frames <= 0 ||
        frames > (ogg_int64_t)kMaxSeconds * kRate)
        return false;
    s->channels = vi->channels;
    s->lengthMs = (int)(frames * 1000 / kRate);
    return true;
}

size_t Sys_ReadStream(SysSound* s, int16_t* out, size_t frames)
{
    size_t done = 0;
    while (done < frames && s->open && !s->ended) {
        char buf[8192];
        size_t want = (frames - done) * (size_t)s->channels * 2;
        if (want > sizeof buf) want = sizeof buf;
        int section;
        long n = ov_read(&s->vf, buf, (int)want, 0, 2, 1, &section);
        if (n == OV_HOLE) continue;
        if (n <= 0) {
            // the end, or a damaged page: a loop starts over, unless its last round had nothing to hear
            if (!(s->flags & SND_LOOP) || s->silentRound || ov_pcm_seek(&s->vf, 0) != 0) {
                s->ended = true;
                break;
            }
            s->silentRound = true;
            continue;
        }
        s->silentRound = false;
        const int16_t* pcm = reinterpret_cast<const int16_t*>(buf);
        size_t got = (size_t)n / 2 / (size_t)s->channels;
        for (size_t i = 0; i < got; ++i) {
            out[(done + i) * 2] = pcm[i * (size_t)s->channels];
            out[(done + i) * 2 + 1] = pcm[i * (size_t)s->channels + (size_t)s->channels - 1];
        }
        done += got;
    }
    std::memset(out + done * 2, 0, (frames - done) * 4);
    return done;
}

static void fillStream(void* udata, Uint8* stream, int len)
{
    auto* s = static_cast<SysSound*>(udata);
    auto* out = reinterpret_cast<int16_t*>(stream);
    const size_t frames = (size_t)len / 4;
    if (s->held.load()) {
        std::memset(stream, 0, (size_t)len);
        return;
    }
    Sys_ReadStream(s, out, frames);
    const int v = s->volume.load();
    if (v < MIX_MAX_VOLUME)
        for (size_t i = 0; i < frames * 2; ++i) out[i] = (int16_t)(out[i] * v / MIX_MAX_VOLUME);
}

SysSound* Sys_LoadSound(const std::string& path, int flags)
{
    std::vector<uint8_t> bytes;
    if (!Sys_ReadAllBytes(path, bytes)) return nullptr;
    return Sys_LoadSoundMemory(bytes.data(), bytes.size(), flags);
}

SysSound* Sys_LoadSoundMemory(const uint8_t* bytes, size_t size, int flags)
{
    if ((flags & SND_STREAM) && size >= 4 && std::memcmp(bytes, "OggS", 4) == 0) {
        auto* s = new SysSound();
        s->flags = flags;
        s->file.assign(bytes, bytes + size);
        if (openStream(s)) return s;
        if (s->open) ov_clear(&s->vf);
        delete s;
    }
    std::vector<int16_t> pcm;
    int channels = 0, rate = 0;
    if (!decodeBytes(std::vector<uint8_t>(bytes, bytes + size), pcm, channels, rate)) return nullptr;
    SysSound* s = new SysSound();
    s->flags = flags & ~SND_STREAM;
    s->pcm = (channels == 2 && rate == kRate) ? std::move(pcm) : toStereo44k(pcm, channels, rate);
    s->lengthMs = (int)((uint64_t)(s->pcm.size() / 2) * 1000 / kRate);
    if (s_device) s->chunk = Mix_QuickLoad_RAW(reinterpret_cast<Uint8*>(s->pcm.data()), (Uint32)(s->pcm.size() * 2));
    return s;
}

void Sys_FreeSound(SysSound* snd)
{
    if (!snd) return;
    for (size_t i = 0; i < s_channels.size(); ++i)
        if (s_channels[i].snd == snd) Sys_StopChannel((int)i + 1);
    if (snd->chunk) Mix_FreeChunk(snd->chunk);
    if (snd->open) ov_clear(&snd->vf);
    delete snd;
    sysi::giveBackLater();
}

int Sys_SoundLengthMs(const SysSound* snd) { return snd ? snd->lengthMs : 0; }

int Sys_AllocChannel()
{
    s_channels.push_back(Channel());
    if (s_device && Mix_AllocateChannels(-1) < (int)s_channels.size()) Mix_AllocateChannels((int)s_channels.size() + 8);
    return (int)s_channels.size();
}

static Channel* chan(int ch) { return (ch >= 1 && ch <= (int)s_channels.size()) ? &s_channels[(size_t)ch - 1] : nullptr; }

static void halt(int ch)
{
    if (!s_device) return;
    if (ch == s_streamChannel) {
        Mix_HookMusic(nullptr, nullptr);
        s_streamChannel = 0;
    } else {
        Mix_HaltChannel(ch - 1);
    }
}

static void applyMix(int ch)
{
    Channel* c = chan(ch);
    if (!s_device || !c) return;
    float v = c->volume < 0 ? 0 : c->volume > 1 ? 1 : c->volume;
    if (ch == s_streamChannel && c->snd) c->snd->volume = (int)(v * MIX_MAX_VOLUME);
    Mix_Volume(ch - 1, (int)(v * MIX_MAX_VOLUME));
    float p = c->pan < -1 ? -1 : c->pan > 1 ? 1 : c->pan;
    int left = (int)(255 * (p > 0 ? 1 - p : 1)), right = (int)(255 * (p < 0 ? 1 + p : 1));
    Mix_SetPanning(ch - 1, (Uint8)left, (Uint8)right);
}

static void start(int ch, SysSound* snd, bool cue)
{
    Channel* c = chan(ch);
    if (!c) return;
    if (c->active) halt(ch);
    if (snd && snd->open && s_streamChannel) Sys_StopChannel(s_streamChannel);
    c->snd = snd;
    c->active = snd != nullptr;
    c->paused = false;
    c->cued = cue && snd;
    c->start = Sys_Millisecs();
    c->pausedAt = c->start;
    c->pausedTotal = 0;
    if (!snd) return;
    if (s_device && snd->chunk) {
        applyMix(ch);
        Mix_PlayChannel(ch - 1, snd->chunk, (snd->flags & SND_LOOP) ? -1 : 0);
        if (cue) Mix_Pause(ch - 1);
    } else if (snd->open) {
        // unhooked, the mixer's thread cannot be reading it
        ov_pcm_seek(&snd->vf, 0);
        snd->ended = false;
        snd->silentRound = false;
        if (!s_device) return;
        snd->held = cue;
        s_streamChannel = ch;
        applyMix(ch);
        Mix_HookMusic(fillStream, snd);
    }
}

void Sys_PlayChannel(int ch, SysSound* snd) { start(ch, snd, false); }
void Sys_CueChannel(int ch, SysSound* snd) { start(ch, snd, true); }

void Sys_StopChannel(int ch)
{
    Channel* c = chan(ch);
    if (!c) return;
    halt(ch);
    c->active = false;
    c->paused = false;
    c->cued = false;
}

void Sys_SetChannelPaused(int ch, bool paused)
{
    Channel* c = chan(ch);
    if (!c || !c->active) return;
    bool was = c->paused || c->cued;
    if (paused && !was) {
        c->paused = true;
        c->pausedAt = Sys_Millisecs();
        if (ch == s_streamChannel) c->snd->held = true;
        else if (s_device) Mix_Pause(ch - 1);
    } else if (!paused && was) {
        c->pausedTotal += Sys_Millisecs() - c->pausedAt;
        c->paused = false;
        c->cued = false;
        if (ch == s_streamChannel) c->snd->held = false;
        else if (s_device) Mix_Resume(ch - 1);
    }
}

void Sys_SetChannelVolume(int ch, float volume)
{
    if (Channel* c = chan(ch)) {
        c->volume = volume;
        applyMix(ch);
    }
}

void Sys_SetChannelPan(int ch, float pan)
{
    if (Channel* c = chan(ch)) {
        c->pan = pan;
        applyMix(ch);
    }
}

bool Sys_ChannelPlaying(int ch)
{
    Channel* c = chan(ch);
    if (!c || !c->active || c->paused || c->cued || !c->snd) return false;
    if (c->snd->ended) {
        c->active = false;
        return false;
    }
    if (c->snd->flags & SND_LOOP) return true;
    uint32_t elapsed = Sys_Millisecs() - c->start - c->pausedTotal;
    if (elapsed < (uint32_t)c->snd->lengthMs) return true;
    c->active = false;
    return false;
}

float Sys_ChannelVolume(int ch)
{
    Channel* c = chan(ch);
    return c ? c->volume : 0.0f;
}

float Sys_ChannelPan(int ch)
{
    Channel* c = chan(ch);
    return c ? c->pan : 0.0f;
}

bool Sys_ChannelPaused(int ch)
{
    Channel* c = chan(ch);
    return c && (c->paused || c->cued);
}

const SysSound* Sys_ChannelSound(int ch)
{
    Channel* c = chan(ch);
    return (c && c->active) ? c->snd : nullptr;
}
