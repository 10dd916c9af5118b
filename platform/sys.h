// The one door to the operating system: display, drawing, images, audio, input, files, time and random numbers.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// ---------------------------------------------------------------------------
// Start-up of the layer

struct SysConfig {
    bool headless = false;      // offscreen renderer, no audio device, virtual 25 ms clock
    std::string dataRoot;       // the data tree that "data/..." paths name; "" = "data/" beside the program
    std::string title = "Morvelle 1.0";
};

void Sys_Init(const SysConfig& cfg);
void Sys_Shutdown();
bool Sys_IsHeadless();
std::string Sys_ProgramDir();   // folder of the running executable, ending in "/"

// ---------------------------------------------------------------------------
// Display

struct SysMode { int width, height, depth, hz; };

std::vector<SysMode> Sys_ListModes();
bool Sys_ModeExists(int width, int height, int depth, int hz);   // depth 0 / hz 0 = any
// depth 0: a resizable window; depth 32: desktop full screen. The logical picture is letterboxed.
bool Sys_OpenDisplay(int width, int height, int depth, int hz);
bool Sys_DisplayOpen();
void Sys_SetLogicalSize(float width, float height);
int Sys_DisplayWidth();
int Sys_DisplayHeight();
void Sys_SetWindowIcon(const std::string& path);
void Sys_MinimizeWindow();
void Sys_Cls();
void Sys_Flip(int sync);
// Reads the presented logical picture (1024 x 768 RGBA, 0xAARRGGBB per pixel).
bool Sys_ReadScreen(std::vector<uint32_t>& pixels, int& width, int& height);
bool Sys_SaveScreenshot(const std::string& path);
// How frames reach the screen. PAINT_CHANGES: a frame whose draw list equals the last one is neither painted nor
// presented, and where the window's own surface is the target only the changed rectangles are. PAINT_FULL paints
// and presents every frame whole (MORVELLE_PAINT=full at start-up).
enum SysPaintMode { PAINT_CHANGES = 0, PAINT_FULL = 1 };
void Sys_SetPaintMode(int mode);
int Sys_PaintMode();
struct SysPaintStats {
    long frames = 0;      // frames flipped while the picture is seen
    long unchanged = 0;   // neither painted nor presented
    long inParts = 0;     // painted and presented in changed rectangles
    long whole = 0;       // painted and presented whole
    double partArea = 0;  // share of the screen the rectangles of the in-parts frames covered, summed
};
const SysPaintStats& Sys_PaintStats();
// Tests of the painting: while kept, every present also copies what it shows (a whole frame, or only its
// rectangles) into a picture of the window, read back at the window's own size.
void Sys_KeepPresentedPicture(bool keep);
bool Sys_ReadPresentedPicture(std::vector<uint32_t>& pixels, int& width, int& height);
// Headless only: while set, frames are not rasterised (the game's logic runs just the same), so scripted runs pay
// only for the frames they take pictures of; reading such a frame's screen fails.
void Sys_SetFrameUnseen(bool unseen);

// ---------------------------------------------------------------------------
// Drawing state

enum SysBlend { BLEND_MASK = 1, BLEND_SOLID = 2, BLEND_ALPHA = 3, BLEND_LIGHT = 4, BLEND_SHADE = 5 };

struct SysDrawState {
    float color_red = 255, color_green = 255, color_blue = 255;   // as set; clamped only when drawing
    float color_alpha = 1.0f;
    int clscolor_red = 0, clscolor_green = 0, clscolor_blue = 0;
    float line_width = 1.0f;
    float tform_rot = 0, tform_scale_x = 1, tform_scale_y = 1;
    float tform_ix = 1, tform_iy = 0, tform_jx = 0, tform_jy = 1;
    float viewport_x = 0, viewport_y = 0, viewport_w = 1024, viewport_h = 768;
    float origin_x = 0, origin_y = 0;
    float handle_x = 0, handle_y = 0;
    int blend_mode = BLEND_MASK;
    float vres_width = 1024, vres_height = 768;
    float vres_mousexscale = 1, vres_mouseyscale = 1;
};

const SysDrawState& Sys_State();
void Sys_ResetState();
void Sys_SetColor(float r, float g, float b);
void Sys_SetAlpha(float a);
void Sys_SetClsColor(int r, int g, int b);
void Sys_SetBlend(int mode);
void Sys_SetRotation(float degrees);
void Sys_SetScale(float sx, float sy);
void Sys_SetTransform(float degrees, float sx, float sy);
void Sys_SetViewport(float x, float y, float w, float h);
void Sys_SetOrigin(float x, float y);
void Sys_SetHandle(float x, float y);
void Sys_SetLineWidth(float w);

// Puts back, when it goes out of scope, the parts of the drawing state it found.
class SysDrawStateGuard {
public:
    enum Part { COLOR = 1, ALPHA = 2, SCALE = 4, ROTATION = 8, BLEND = 16 };
    explicit SysDrawStateGuard(int parts) : parts_(parts), saved_(Sys_State()) {}
    ~SysDrawStateGuard()
    {
        if (parts_ & COLOR) Sys_SetColor(saved_.color_red, saved_.color_green, saved_.color_blue);
        if (parts_ & ALPHA) Sys_SetAlpha(saved_.color_alpha);
        if (parts_ & SCALE) Sys_SetScale(saved_.tform_scale_x, saved_.tform_scale_y);
        if (parts_ & ROTATION) Sys_SetRotation(saved_.tform_rot);
        if (parts_ & BLEND) Sys_SetBlend(saved_.blend_mode);
    }
    SysDrawStateGuard(const SysDrawStateGuard&) = delete;
    SysDrawStateGuard& operator=(const SysDrawStateGuard&) = delete;
    const SysDrawState& saved() const { return saved_; }

private:
    int parts_;
    SysDrawState saved_;
};

// ---------------------------------------------------------------------------
// Images

enum SysImageFlags { IMG_MASKED = 1, IMG_FILTERED = 2, IMG_MIPMAPPED = 4, IMG_DYNAMIC = 8, IMG_DEFAULT = 3 };

struct SysTexture;

struct SysImage {
    int width = 0, height = 0;          // one frame
    int flags = IMG_DEFAULT;
    float handle_x = 0, handle_y = 0;
    uint8_t mask_r = 0, mask_g = 0, mask_b = 0;
    // CPU copy, 0xAARRGGBB, width*height each. A frame loaded from a file is emptied once its texture
    // exists, and read from the file again the first time the game locks or hit-tests it; from then on it stays.
    std::vector<std::vector<uint32_t>> frames;
    std::vector<SysTexture*> textures;           // backend copies, made on first draw
    std::vector<SysTexture*> maskTextures;       // thresholded copies for BLEND_MASK, where they differ
    std::vector<uint8_t> maskKind;               // per frame: 0 not known yet, 1 the mask is the picture, 2 it differs
    std::vector<bool> dirty;
    int rendererGeneration = 0;                  // textures belong to the renderer they were made with
    std::string source;                          // file the pixels come from; "" keeps them in memory
    int cellW = 0, cellH = 0, firstCell = 0;     // how an animation strip was cut
    bool pixelsRead = false;                     // the game reads these pixels: keep the CPU copy
    uint64_t serial = 0;                         // never reused, so a new picture at a freed one's address differs
    uint32_t edits = 0;                          // unlocks so far: a frame drawn after one shows new pixels
    ~SysImage();
    int frameCount() const { return (int)frames.size(); }
};

// flags < 0 means the default flags (masked and filtered).
SysImage* Sys_LoadImage(const std::string& path, int flags = -1);
SysImage* Sys_LoadImageMemory(const uint8_t* bytes, size_t size, int flags = -1);
SysImage* Sys_LoadAnimImage(const std::string& path, int cellW, int cellH, int first, int count, int flags = -1);
SysImage* Sys_CreateImage(int width, int height, int frames, int flags);
void Sys_FreeImage(SysImage* img);
uint32_t* Sys_LockImage(SysImage* img, int frame);
void Sys_UnlockImage(SysImage* img, int frame);
void Sys_SetImageHandle(SysImage* img, float x, float y);
void Sys_MidHandleImage(SysImage* img);
int Sys_ImageWidth(const SysImage* img);
int Sys_ImageHeight(const SysImage* img);
bool Sys_ImagesCollide(const SysImage* a, float ax, float ay, int aframe,
                       const SysImage* b, float bx, float by, int bframe);
// Decoders used by the loaders; exposed for tools and tests. Pixels are 0xAARRGGBB.
bool Sys_DecodeImage(const std::vector<uint8_t>& bytes, int flags, int& w, int& h, std::vector<uint32_t>& px);
bool Sys_WritePNG(const std::string& path, int w, int h, const uint32_t* px);

// ---------------------------------------------------------------------------
// Drawing

void Sys_DrawImage(const SysImage* img, float x, float y, int frame = 0);
void Sys_DrawRect(float x, float y, float w, float h, bool solid = true);
void Sys_DrawLine(float x1, float y1, float x2, float y2);
void Sys_DrawOval(float x, float y, float w, float h, bool solid = true);
void Sys_DrawText(const std::string& text, float x, float y);   // built-in 8x8 font

// ---------------------------------------------------------------------------
// Audio

struct SysSound;
// SND_STREAM: decoded while it plays (music titles), so only the compressed file stays in memory; a stream plays
// on one channel at a time.
enum SysSoundFlags { SND_LOOP = 1, SND_STREAM = 2 };
// The next frames of a streamed title as 44.1 kHz stereo (the mixer pulls through it); returns the frames decoded,
// the rest of out is silence.
size_t Sys_ReadStream(SysSound* snd, int16_t* out, size_t frames);

SysSound* Sys_LoadSound(const std::string& path, int flags);
SysSound* Sys_LoadSoundMemory(const uint8_t* bytes, size_t size, int flags);
void Sys_FreeSound(SysSound* snd);
int Sys_SoundLengthMs(const SysSound* snd);
int Sys_AllocChannel();
void Sys_PlayChannel(int ch, SysSound* snd);
void Sys_CueChannel(int ch, SysSound* snd);
void Sys_StopChannel(int ch);
void Sys_SetChannelPaused(int ch, bool paused);
void Sys_SetChannelVolume(int ch, float volume);   // 0..1
void Sys_SetChannelPan(int ch, float pan);         // -1 left .. 1 right
bool Sys_ChannelPlaying(int ch);                   // false while cued or paused
float Sys_ChannelVolume(int ch);
float Sys_ChannelPan(int ch);
bool Sys_ChannelPaused(int ch);
const SysSound* Sys_ChannelSound(int ch);
bool Sys_AudioDeviceOpen();
// Decoded PCM for tools and tests: interleaved 16-bit samples.
bool Sys_DecodeSound(const std::string& path, std::vector<int16_t>& pcm, int& channels, int& rate);

// ---------------------------------------------------------------------------
// Input

enum SysKey {
    KEY_ENTER = 13, KEY_ESCAPE = 27, KEY_SPACE = 32, KEY_BACKSPACE = 8, KEY_R = 82,
    KEY_LEFT = 37, KEY_UP = 38, KEY_RIGHT = 39, KEY_DOWN = 40, KEY_A = 65, KEY_D = 68, KEY_E = 69, KEY_S = 83, KEY_W = 87,
    KEY_1 = 49, KEY_2, KEY_3, KEY_4,
    KEY_F1 = 112, KEY_F2, KEY_F3, KEY_F4, KEY_F5, KEY_F6, KEY_F7, KEY_F8, KEY_F9, KEY_F10
};
enum SysAppEvent { APP_NONE = 0, APP_FOCUS_LOST = 1, APP_FOCUS_GAINED = 2, APP_PAD_ADDED = 3, APP_PAD_REMOVED = 4 };

// Game controller buttons and axes by position (SDL's order), so that every pad layout maps alike.
enum SysPadButton {
    PAD_A, PAD_B, PAD_X, PAD_Y, PAD_BACK, PAD_GUIDE, PAD_START, PAD_LEFTSTICK, PAD_RIGHTSTICK,
    PAD_LEFTSHOULDER, PAD_RIGHTSHOULDER, PAD_DPUP, PAD_DPDOWN, PAD_DPLEFT, PAD_DPRIGHT, PAD_BUTTON_COUNT
};
enum SysPadAxis { PAD_LEFTX, PAD_LEFTY, PAD_RIGHTX, PAD_RIGHTY, PAD_TRIGGERLEFT, PAD_TRIGGERRIGHT, PAD_AXIS_COUNT };

bool Sys_KeyDown(int key);
int Sys_KeyHit(int key);
bool Sys_MouseDown(int button);
int Sys_MouseHit(int button);
float Sys_MouseX();
float Sys_MouseY();
int Sys_MouseZSpeed();
void Sys_FlushKeys();
// Drops the typed characters not yet read, keeping the key states.
void Sys_FlushText();
void Sys_FlushMouse();
int Sys_GetChar();
int Sys_PollAppEvent();          // next pending focus event, APP_NONE when there is none
bool Sys_CloseRequested();       // cleared by reading
void Sys_ShowCursor(bool show);
void Sys_PumpEvents();
// Game controllers: opened as they are plugged in; a button is held while any pad holds it.
bool Sys_PadInit();
bool Sys_PadDown(int button);
int Sys_PadHit(int button);         // presses since the last read
int Sys_PadAxis(int axis);          // the strongest deflection among the pads, -32768..32767
int Sys_PadCount();
void Sys_FlushPads();
int Sys_PadButtonFromName(const std::string& name);   // SDL's names: "a", "start", "dpleft"; -1 when unknown
int Sys_PadAxisFromName(const std::string& name);     // "leftx", "righttrigger"; -1 when unknown
// Scripted input, used by the harness and tests; fed through the same queue as real events.
// A scripted pad is a virtual controller on SDL's own controller path.
bool Sys_InjectPadConnect();
void Sys_InjectPadDisconnect();
void Sys_InjectPadButton(int button, bool down);
void Sys_InjectPadAxis(int axis, int value);
void Sys_InjectMouseMove(float x, float y);
void Sys_InjectMouseButton(int button, bool down);
void Sys_InjectKey(int key, bool down);
void Sys_InjectText(const std::string& utf8);
void Sys_InjectFocus(bool gained);
void Sys_InjectClose();

// ---------------------------------------------------------------------------
// Files and streams. Paths use "/" or "\"; paths under "data/" resolve in the data root,
// case-insensitively. Writes go to a temporary name and are renamed over the target on Close.

// The little-endian 32-bit value at p: the byte order of every binary file the game reads.
inline uint32_t Sys_PeekLE32(const uint8_t* p)
{
    return (uint32_t)p[0] | ((uint32_t)p[1] << 8) | ((uint32_t)p[2] << 16) | ((uint32_t)p[3] << 24);
}

class SysStream {
public:
    virtual ~SysStream() = default;
    virtual bool Eof() = 0;
    virtual bool Good() const = 0;                // no read past the end, no write failure so far
    std::string ReadLine();
    void WriteLine(const std::string& text);
    int32_t ReadInt();
    void WriteInt(int32_t v);
    float ReadFloat();
    void WriteFloat(float v);
    std::string ReadString(int n);
    void WriteString(const std::string& s);
    int ReadByte();                               // -1 at the end
    void WriteByte(int b);
    virtual bool Close() = 0;                     // true when everything reached the disk
    virtual size_t Read(void* buf, size_t n) = 0;
    virtual size_t Write(const void* buf, size_t n) = 0;
};

std::unique_ptr<SysStream> Sys_ReadFile(const std::string& path);
std::unique_ptr<SysStream> Sys_WriteFile(const std::string& path);
bool Sys_ReadAllBytes(const std::string& path, std::vector<uint8_t>& out);
// Whole text file by byte-order mark (UTF-16 BE/LE, UTF-8, else 8-bit); returned as UTF-8.
bool Sys_ReadTextFile(const std::string& path, std::string& utf8);
int Sys_FileType(const std::string& path);        // 0 none, 1 file, 2 folder
bool Sys_CreateDir(const std::string& path, bool parents);
bool Sys_DeleteFile(const std::string& path);
bool Sys_RenameFile(const std::string& from, const std::string& to);
std::string Sys_ResolvePath(const std::string& path);
// A folder under the data root ("lang/de/") whose files stand in for the same paths under "data/"; "" for none.
void Sys_SetDataOverlay(const std::string& folder);
std::string Sys_GetEnv(const std::string& name);

// ---------------------------------------------------------------------------
// Time and numbers

uint32_t Sys_Millisecs();
int Sys_CreateTimer(int hz);
void Sys_WaitTimer(int timer);                    // headless: advances the virtual clock one tick
int Sys_TimerTicks(int timer);
void Sys_AdvanceClock(uint32_t ms);               // headless only

void Sys_SeedRnd(uint32_t seed);
int randInt(int min, int max);
float randFloat(float min, float max);

float Sys_Sin(float degrees);
float Sys_Cos(float degrees);
float Sys_ASin(float value);                      // degrees
float Sys_Sqrt(float value);

// ---------------------------------------------------------------------------
// The process among others: the single-instance lock, signals from the desktop

// Advisory single-instance lock holding the owner's process id; false when another process holds it.
bool Sys_TryLock(const std::string& lockFile);
// Asks the process named in a held lock to bring its window to the front; false when it cannot be reached.
bool Sys_WakeLockOwner(const std::string& lockFile);
// SIGTERM and SIGINT ask the program to save and end (a second one ends it at once); a woken owner asks for its window.
void Sys_CatchSignals();
bool Sys_StopRequested();
bool Sys_TakeRaiseRequest();                      // cleared by reading
void Sys_RaiseWindow();

// ---------------------------------------------------------------------------
// System

void Sys_MessageBox(const std::string& text, bool serious);
void Sys_Trace(const std::string& text);
// Tests capture trace lines; nullptr restores the default (stderr when MORVELLE_TRACE=1).
void Sys_SetTraceSink(void (*sink)(const std::string& line));
size_t Sys_MemoryInUse();
