// Bitmap fonts: per-character shadow, border and face images read from a font file, and text drawing with them.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

struct SysImage;
class SysStream;
class TBitmapFont;

// Blend-mode names as the drawing state numbers them.
struct EConstBlend {
    static constexpr int Mask = 1;
    static constexpr int Solid = 2;
    static constexpr int Alpha = 3;
    static constexpr int Light = 4;
    static constexpr int Shade = 5;
    static int GetCurrent();
};

struct TRectangle {
    float X = 0, Y = 0, Width = 0, Height = 0;
    static std::unique_ptr<TRectangle> Create(float x, float y, float w, float h);
    std::unique_ptr<TRectangle> Clone() const;
};

struct TDrawingPoint {
    float X = 0, Y = 0;
    static std::unique_ptr<TDrawingPoint> Create(float x, float y);
    std::unique_ptr<TDrawingPoint> Clone() const;
};

// One layer of one character.
class TBitMapChar {
public:
    TBitMapChar() = default;
    TBitMapChar(const TBitMapChar&) = delete;
    TBitMapChar& operator=(const TBitMapChar&) = delete;
    ~TBitMapChar();
    // Returns false when the stream ended before all five numbers were read.
    bool LoadDrawRenderingData(SysStream& stream);
    void SetImage(SysImage* img);

    int32_t DrawOffsetX = 0, DrawOffsetY = 0, DrawWidth = 0, DrawHeight = 0, Charwidth = 0;
    SysImage* Image = nullptr;
};

class TFontKerning {
public:
    void SetHKerning(float v) { hk = v; }
    float GetHKerning() const { return hk; }
    void SetVKerning(float v) { vk = v; }
    float GetVKerning() const { return vk; }

private:
    float hk = 0, vk = 0;
};

struct TRenderStatus {
    int OldBlend = 3;
    float Rotation = 0, ScaleX = 1, ScaleY = 1;
};

struct TDrawTextAction {
    std::string Text;
    float X = 0, Y = 0;
    TBitmapFont* Font = nullptr;
};

enum eDrawCharStatus { Face = 1, Border = 2, Shadow = 4 };

struct TDrawCharAction {
    int Char = 0;
    float X = 0, Y = 0;
    float CurrentScaleX = 0, CurrentScaleY = 0;
    TBitmapFont* font = nullptr;
    int Handled = 0;
    int Status = 0;
};

// A renderer effect; effects form a chain through ChainFX and may draw characters themselves.
class iTextRendererFXBase {
public:
    virtual ~iTextRendererFXBase() = default;
    virtual void DrawTextBegin(TDrawTextAction&) {}
    virtual void DrawTextEnd(TDrawTextAction&) {}
    virtual void DrawShadowChar(TDrawCharAction&) {}
    virtual void DrawBorderChar(TDrawCharAction&) {}
    virtual void DrawFaceChar(TDrawCharAction&) {}
    iTextRendererFXBase* ChainFX = nullptr;
};

struct TPrivateException {
    std::string Description;
    TBitmapFont* Offending = nullptr;
};

class TDrawTextException {
public:
    TDrawTextException(const std::string& description, TBitmapFont* font) { Exception.Description = description; Exception.Offending = font; }
    virtual ~TDrawTextException() = default;
    std::string ToString() const;
    TBitmapFont* GetFontObject() const { return Exception.Offending; }
    TPrivateException Exception;
};

class TBitmapFontLoadException : public TDrawTextException {
public:
    using TDrawTextException::TDrawTextException;
};

using TBitMapCharTable = std::vector<std::unique_ptr<TBitMapChar>>;

class TPrivateBitmapFont {
public:
    TPrivateBitmapFont();
    virtual ~TPrivateBitmapFont() = default;
    // The three layer passes and one line of text; codes are Unicode code points.
    virtual void DrawFaceText(const std::vector<int>& text, float x, float y, TBitmapFont* font);
    virtual void DrawBorderText(const std::vector<int>& text, float x, float y, TBitmapFont* font);
    virtual void DrawShadowText(const std::vector<int>& text, float x, float y, TBitmapFont* font);
    virtual void DrawTextLine(const std::vector<int>& text, float x, float y, int useBlends, TBitmapFont* font);

    TBitMapCharTable Shadow, Border, Face;
    std::function<void(float)> Progress;
    int DrawShadow = 1;
    int DrawBorder = 1;
    int FontLoaded = 0;
    int ShadowBlend = 3, FaceBlend = 3, BorderBlend = 3;
    TRenderStatus RenderStatus;

private:
    void drawPass(const std::vector<int>& text, float x, float y, TBitmapFont* font, int status);
};

class TBitmapFont {
public:
    TBitmapFont();
    TBitmapFont(const TBitmapFont&) = delete;
    TBitmapFont& operator=(const TBitmapFont&) = delete;
    virtual ~TBitmapFont();

    virtual void SetDrawShadow(int flag) { PrivateData->DrawShadow = flag; }
    virtual int GetDrawShadow() { return PrivateData->DrawShadow; }
    virtual void SetDrawBorder(int flag) { PrivateData->DrawBorder = flag; }
    virtual int GetDrawBorder() { return PrivateData->DrawBorder; }
    virtual void SetProgressFunction(std::function<void(float)> fn) { PrivateData->Progress = std::move(fn); }
    // Loads a font file; a damaged file keeps every record read before the damage and writes a trace line.
    virtual int Load(const std::string& path, int flags);
    virtual int Load(SysStream& stream, int flags, const std::string& name = "stream");
    virtual int FontLoaded() { return PrivateData->FontLoaded; }
    virtual void DrawText(const std::string& text, float x, float y, int useBlends = 1, int align = 0);
    virtual void DrawTextMaxWidth(const std::string& text, float x, float y, double maxWidth, int useBlends = 1);
    virtual int GetTxtWidth(const std::string& text);
    virtual int GetFontHeight();
    virtual SysImage* GetFaceImage(uint8_t code);
    virtual SysImage* GetBorderImage(uint8_t code);
    virtual SysImage* GetShadowImage(uint8_t code);
    virtual std::unique_ptr<TRectangle> GetFaceInfo(uint8_t code);
    virtual std::unique_ptr<TRectangle> GetBorderInfo(uint8_t code);
    virtual std::unique_ptr<TRectangle> GetShadowInfo(uint8_t code);
    virtual int GetCharOffset(uint8_t code);
    virtual std::unique_ptr<TDrawingPoint> GetCharBorderOffset(uint8_t code);
    virtual std::unique_ptr<TDrawingPoint> GetCharShadowOffset(uint8_t code);
    virtual void SetFaceBlend(int m) { PrivateData->FaceBlend = m; }
    virtual int GetFaceBlend() { return PrivateData->FaceBlend; }
    virtual void SetBorderBlend(int m) { PrivateData->BorderBlend = m; }
    virtual int GetBorderBlend() { return PrivateData->BorderBlend; }
    virtual void SetShadowBlend(int m) { PrivateData->ShadowBlend = m; }
    virtual int GetShadowBlend() { return PrivateData->ShadowBlend; }

    // Code-point forms of the drawing and measuring methods.
    void DrawCodes(const std::vector<int>& codes, float x, float y, int useBlends, int align);
    int GetTxtWidthCodes(const std::vector<int>& codes);
    // The face entry of a code, or none; reaches every code of the table.
    TBitMapChar* faceEntry(int code) const;

    TFontKerning Kerning;
    int UseMask = 0;
    int MaskColorRed = 0, MaskColorGreen = 0, MaskColorBlue = 0;
    int PhisicalPixelRounding = 0;
    iTextRendererFXBase* RenderFX = nullptr;
    std::unique_ptr<TPrivateBitmapFont> PrivateData;

private:
    void readRecords(SysStream& stream, int flags);
    SysImage* decodeLayerImage(const std::vector<uint8_t>& png, int flags, bool face);
};

// Every line drawn since the main loop's pass began, for the state dump: what a player reads on that frame.
std::vector<std::string>& textsDrawn();

constexpr int FONT_TABLE_SMALL = 256;
constexpr int FONT_TABLE_FULL = 65536;
