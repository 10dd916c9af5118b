// Font records, the font file reader and the per-character accessors.
#include "fonts/bitmapfont.h"

#include <cstdio>
#include <cstring>

#include "framework/trace.h"
#include "platform/sys.h"

int EConstBlend::GetCurrent() { return Sys_State().blend_mode; }

std::unique_ptr<TRectangle> TRectangle::Create(float x, float y, float w, float h)
{
    auto r = std::make_unique<TRectangle>();
    r->X = x;
    r->Y = y;
    r->Width = w;
    r->Height = h;
    return r;
}

std::unique_ptr<TRectangle> TRectangle::Clone() const { return Create(X, Y, Width, Height); }

std::unique_ptr<TDrawingPoint> TDrawingPoint::Create(float x, float y)
{
    auto p = std::make_unique<TDrawingPoint>();
    p->X = x;
    p->Y = y;
    return p;
}

std::unique_ptr<TDrawingPoint> TDrawingPoint::Clone() const { return Create(X, Y); }

std::string TDrawTextException::ToString() const
{
    if (Exception.Description.empty()) return "The requested action could not be completed.";
    return Exception.Description;
}

TBitMapChar::~TBitMapChar() { Sys_FreeImage(Image); }

void TBitMapChar::SetImage(SysImage* img)
{
    if (Image != img) Sys_FreeImage(Image);
    Image = img;
}

bool TBitMapChar::LoadDrawRenderingData(SysStream& stream)
{
    int32_t v[5];
    for (int32_t& n : v) n = stream.ReadInt();
    if (!stream.Good()) return false;
    DrawOffsetX = v[0];
    DrawOffsetY = v[1];
    DrawWidth = v[2];
    DrawHeight = v[3];
    Charwidth = v[4];
    return true;
}

TPrivateBitmapFont::TPrivateBitmapFont()
{
    Shadow.resize(FONT_TABLE_SMALL);
    Border.resize(FONT_TABLE_SMALL);
    Face.resize(FONT_TABLE_SMALL);
}

TBitmapFont::TBitmapFont() : PrivateData(std::make_unique<TPrivateBitmapFont>()) {}
TBitmapFont::~TBitmapFont() = default;

namespace {

const char* const kCorrupted = "Unable to load the bitmapfont due to corrupted or unsupported file format";

// Copies one PNG from the stream, chunk by chunk up to and including IEND, so the reader stops right after it.
bool readPng(SysStream& s, std::vector<uint8_t>& out)
{
    static const uint8_t sig[8] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
    out.resize(8);
    if (s.Read(out.data(), 8) != 8 || std::memcmp(out.data(), sig, 8) != 0) return false;
    for (;;) {
        uint8_t head[8];
        if (s.Read(head, 8) != 8) return false;
        uint32_t len = (uint32_t)head[0] << 24 | (uint32_t)head[1] << 16 | (uint32_t)head[2] << 8 | head[3];
        if (len > 0x7FFFFFFFu) return false;
        out.insert(out.end(), head, head + 8);
        size_t at = out.size();
        size_t rest = (size_t)len + 4;
        // Grow in steps so a lying length in a short file costs no huge allocation.
        while (rest > 0) {
            size_t step = rest < 65536 ? rest : 65536;
            out.resize(at + step);
            if (s.Read(out.data() + at, step) != step) return false;
            at += step;
            rest -= step;
        }
        if (std::memcmp(head + 4, "IEND", 4) == 0) return true;
    }
}

// Skips every byte up to and including the next line feed or zero byte; false at the end of the stream.
bool skipSeparator(SysStream& s)
{
    for (;;) {
        int b = s.ReadByte();
        if (b < 0) return false;
        if (b == 10 || b == 0) return true;
    }
}

struct PendingRecord {
    int code = 0;
    int layer = 0;   // eDrawCharStatus
    SysImage* image = nullptr;
};

}

SysImage* TBitmapFont::decodeLayerImage(const std::vector<uint8_t>& png, int flags, bool face)
{
    if (!(face && UseMask == 1)) return Sys_LoadImageMemory(png.data(), png.size(), flags);
    int w = 0, h = 0;
    std::vector<uint32_t> px;
    if (!Sys_DecodeImage(png, flags, w, h, px) || w <= 0 || h <= 0) return nullptr;
    uint32_t mask = (uint32_t)(MaskColorRed & 255) << 16 | (uint32_t)(MaskColorGreen & 255) << 8 | (uint32_t)(MaskColorBlue & 255);
    for (uint32_t& p : px)
        if ((p & 0xFFFFFFu) == mask) p = 0;
    SysImage* img = Sys_CreateImage(w, h, 1, IMG_MASKED);
    if (!img) return nullptr;
    uint32_t* dst = Sys_LockImage(img, 0);
    if (dst) std::memcpy(dst, px.data(), px.size() * sizeof(uint32_t));
    Sys_UnlockImage(img, 0);
    return img;
}

void TBitmapFont::readRecords(SysStream& s, int flags)
{
    TPrivateBitmapFont& pd = *PrivateData;
    int lastWhole = 0;
    while (!s.Eof()) {
        PendingRecord rec;
        rec.code = s.ReadInt();
        if (!s.Good()) throw TBitmapFontLoadException("The bitmapfont file ends inside a character code", this);
        // A record outside the table is read to its end and dropped; the rest of the font stays usable.
        const bool outside = rec.code < 0 || rec.code >= FONT_TABLE_FULL;
        std::string layer = s.ReadLine();
        if (layer == "SHADOW") rec.layer = eDrawCharStatus::Shadow;
        else if (layer == "BORDER") rec.layer = eDrawCharStatus::Border;
        else if (layer == "FACE") rec.layer = eDrawCharStatus::Face;
        else throw TBitmapFontLoadException(kCorrupted, this);

        s.ReadInt();   // image length, not needed: the PNG's own chunks tell where it ends
        std::vector<uint8_t> png;
        if (!readPng(s, png) || !skipSeparator(s))
            throw TBitmapFontLoadException("The bitmapfont file ends inside the image of character " + std::to_string(rec.code), this);
        rec.image = decodeLayerImage(png, flags, rec.layer == eDrawCharStatus::Face);
        if (!rec.image) {
            if (rec.layer == eDrawCharStatus::Shadow) std::puts("ERROR LOADING PNG");
            traceLog("Bitmapfont: image of character " + std::to_string(rec.code) + " (" + layer + ") does not decode");
        }
        s.ReadInt();   // number count, fixed at five
        TBitMapChar numbers;
        if (!numbers.LoadDrawRenderingData(s)) {
            Sys_FreeImage(rec.image);
            throw TBitmapFontLoadException("The bitmapfont file ends inside the numbers of character " + std::to_string(rec.code), this);
        }
        // The trailing separator may be cut off at the very end of the file.
        skipSeparator(s);
        if (outside) {
            traceLog("Bitmapfont: character code " + std::to_string(rec.code) + " lies outside 0..65535, record skipped");
            Sys_FreeImage(rec.image);
            continue;
        }

        if (rec.code > 255 && (int)pd.Face.size() <= FONT_TABLE_SMALL) {
            pd.Shadow.resize(FONT_TABLE_FULL);
            pd.Border.resize(FONT_TABLE_FULL);
            pd.Face.resize(FONT_TABLE_FULL);
        }
        for (TBitMapCharTable* t : {&pd.Shadow, &pd.Border, &pd.Face})
            if (!(*t)[(size_t)rec.code]) (*t)[(size_t)rec.code] = std::make_unique<TBitMapChar>();
        const bool face = rec.layer == eDrawCharStatus::Face;
        TBitMapCharTable& table = face ? pd.Face : rec.layer == eDrawCharStatus::Border ? pd.Border : pd.Shadow;
        TBitMapChar& e = *table[(size_t)rec.code];
        e.SetImage(rec.image);
        // The face image takes its handle from the numbers held before this record's numbers.
        if (face && e.Image) Sys_SetImageHandle(e.Image, (float)-e.DrawOffsetX, (float)-e.DrawOffsetY);
        e.DrawOffsetX = numbers.DrawOffsetX;
        e.DrawOffsetY = numbers.DrawOffsetY;
        e.DrawWidth = numbers.DrawWidth;
        e.DrawHeight = numbers.DrawHeight;
        e.Charwidth = numbers.Charwidth;
        if (!face && e.Image) Sys_SetImageHandle(e.Image, (float)-e.DrawOffsetX, (float)-e.DrawOffsetY);

        if (pd.Progress) {
            float p = (float)((double)rec.code / (double)pd.Face.size() * 100.0);
            if ((int)p != lastWhole) {
                lastWhole = (int)p;
                pd.Progress(p);
            }
        }
    }
}

int TBitmapFont::Load(SysStream& stream, int flags, const std::string& name)
{
    try {
        readRecords(stream, flags);
    } catch (const TBitmapFontLoadException& e) {
        traceLog("Bitmapfont: " + name + ": " + e.ToString());
        return 0;
    }
    PrivateData->FontLoaded = 1;
    return 1;
}

int TBitmapFont::Load(const std::string& path, int flags)
{
    std::unique_ptr<SysStream> s = Sys_ReadFile(path);
    if (!s) {
        traceLog("Bitmapfont: " + path + " not found");
        return 0;
    }
    int r = Load(*s, flags, path);
    s->Close();
    return r;
}

TBitMapChar* TBitmapFont::faceEntry(int code) const
{
    const TBitMapCharTable& t = PrivateData->Face;
    if (code < 0 || (size_t)code >= t.size()) return nullptr;
    return t[(size_t)code].get();
}

static TBitMapChar* entryOf(const TBitMapCharTable& t, uint8_t code) { return code < t.size() ? t[code].get() : nullptr; }

static SysImage* imageOf(const TBitMapCharTable& t, uint8_t code)
{
    TBitMapChar* e = entryOf(t, code);
    return e ? e->Image : nullptr;
}

static std::unique_ptr<TRectangle> infoOf(const TBitMapCharTable& t, uint8_t code)
{
    TBitMapChar* e = entryOf(t, code);
    if (!e) return nullptr;
    return TRectangle::Create((float)e->DrawOffsetX, (float)e->DrawOffsetY, (float)e->DrawWidth, (float)e->DrawHeight);
}

static std::unique_ptr<TDrawingPoint> offsetOf(const TBitMapCharTable& t, uint8_t code)
{
    TBitMapChar* e = entryOf(t, code);
    if (!e) return TDrawingPoint::Create(0, 0);
    return TDrawingPoint::Create((float)e->DrawOffsetX, (float)e->DrawOffsetY);
}

SysImage* TBitmapFont::GetFaceImage(uint8_t code) { return imageOf(PrivateData->Face, code); }
SysImage* TBitmapFont::GetBorderImage(uint8_t code) { return imageOf(PrivateData->Border, code); }
SysImage* TBitmapFont::GetShadowImage(uint8_t code) { return imageOf(PrivateData->Shadow, code); }
std::unique_ptr<TRectangle> TBitmapFont::GetFaceInfo(uint8_t code) { return infoOf(PrivateData->Face, code); }
std::unique_ptr<TRectangle> TBitmapFont::GetBorderInfo(uint8_t code) { return infoOf(PrivateData->Border, code); }
std::unique_ptr<TRectangle> TBitmapFont::GetShadowInfo(uint8_t code) { return infoOf(PrivateData->Shadow, code); }

int TBitmapFont::GetCharOffset(uint8_t code)
{
    TBitMapChar* e = entryOf(PrivateData->Face, code);
    return e ? e->Charwidth : 0;
}

std::unique_ptr<TDrawingPoint> TBitmapFont::GetCharBorderOffset(uint8_t code) { return offsetOf(PrivateData->Border, code); }
std::unique_ptr<TDrawingPoint> TBitmapFont::GetCharShadowOffset(uint8_t code) { return offsetOf(PrivateData->Shadow, code); }
