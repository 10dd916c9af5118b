// Images: PNG, JPEG, BMP and TGA decoding, animation strips, dynamic frames and the pixel overlap test.
#include <csetjmp>
#include <cstddef>
#include <cstdio>
#include <cstring>
#include <utility>

#include <jpeglib.h>
#include <jerror.h>
#include <png.h>

#include "platform/sys_internal.h"

SysImage::~SysImage()
{
    sysi::giveBackLater();
    if (rendererGeneration != sysi::rendererGeneration) return;   // they went with their renderer
    for (SysTexture* t : textures) sysi::destroyTexture(t);
    for (SysTexture* t : maskTextures) sysi::destroyTexture(t);
}

// Pictures are refused before any pixel buffer is sized from a header that may lie.
static const int kMaxPictureSide = 8192;

static bool sizeAllowed(const char* format, uint64_t w, uint64_t h)
{
    if (w > 0 && h > 0 && w <= (uint64_t)kMaxPictureSide && h <= (uint64_t)kMaxPictureSide) return true;
    Sys_Trace(std::string(format) + " picture of " + std::to_string(w) + " x " + std::to_string(h) + " refused");
    return false;
}

static bool decodePNG(const std::vector<uint8_t>& bytes, int& w, int& h, std::vector<uint32_t>& px, bool& hasAlpha)
{
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&image, bytes.data(), bytes.size())) return false;
    if (!sizeAllowed("PNG", image.width, image.height)) {
        png_image_free(&image);
        return false;
    }
    // Deflate packs at most 1032 bytes into one, and a pixel takes at least one bit.
    if ((uint64_t)image.width * image.height / 8 > (uint64_t)bytes.size() * 1032) {
        Sys_Trace("PNG picture larger than its file can hold, refused");
        png_image_free(&image);
        return false;
    }
    hasAlpha = (image.format & PNG_FORMAT_FLAG_ALPHA) != 0;
    image.format = PNG_FORMAT_BGRA;   // little-endian memory order of 0xAARRGGBB
    w = (int)image.width;
    h = (int)image.height;
    px.assign((size_t)w * (size_t)h, 0);
    if (!png_image_finish_read(&image, nullptr, px.data(), 0, nullptr)) {
        png_image_free(&image);
        return false;
    }
    return true;
}

struct JpegErr {
    jpeg_error_mgr mgr;
    jmp_buf jump;
};

static void jpegFail(j_common_ptr cinfo) { longjmp(reinterpret_cast<JpegErr*>(cinfo->err)->jump, 1); }

// A file that ends early would be padded with grey by the decoder: refuse it instead.
static void jpegMessage(j_common_ptr cinfo, int level)
{
    if (level < 0 && cinfo->err->msg_code == JWRN_JPEG_EOF) jpegFail(cinfo);
}

static bool decodeJPEG(const std::vector<uint8_t>& bytes, int& w, int& h, std::vector<uint32_t>& px)
{
    jpeg_decompress_struct cinfo;
    JpegErr err;
    cinfo.err = jpeg_std_error(&err.mgr);
    err.mgr.error_exit = jpegFail;
    err.mgr.emit_message = jpegMessage;
    std::vector<uint8_t> row;
    if (setjmp(err.jump)) {
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, bytes.data(), (unsigned long)bytes.size());
    jpeg_read_header(&cinfo, TRUE);
    if (!sizeAllowed("JPEG", cinfo.image_width, cinfo.image_height)) {
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    // Progressive pictures keep every coefficient; beyond this the decoder fails instead of growing.
    cinfo.mem->max_memory_to_use = 256L * 1024 * 1024;
    cinfo.out_color_space = JCS_RGB;
    jpeg_start_decompress(&cinfo);
    w = (int)cinfo.output_width;
    h = (int)cinfo.output_height;
    px.assign((size_t)w * (size_t)h, 0);
    row.resize((size_t)w * 3);
    while (cinfo.output_scanline < cinfo.output_height) {
        JSAMPROW r = row.data();
        int y = (int)cinfo.output_scanline;
        jpeg_read_scanlines(&cinfo, &r, 1);
        for (int x = 0; x < w; ++x)
            px[(size_t)y * w + x] = 0xFF000000u | ((uint32_t)row[x * 3] << 16) | ((uint32_t)row[x * 3 + 1] << 8) | row[x * 3 + 2];
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    return true;
}

static uint16_t le16(const uint8_t* p) { return (uint16_t)(p[0] | (p[1] << 8)); }

static bool decodeBMP(const std::vector<uint8_t>& b, int& w, int& h, std::vector<uint32_t>& px, bool& hasAlpha)
{
    if (b.size() < 54 || b[0] != 'B' || b[1] != 'M') return false;
    uint32_t offset = Sys_PeekLE32(&b[10]);
    int32_t width = (int32_t)Sys_PeekLE32(&b[18]), height = (int32_t)Sys_PeekLE32(&b[22]);
    int bpp = le16(&b[28]);
    uint32_t compression = Sys_PeekLE32(&b[30]);
    uint32_t headerSize = Sys_PeekLE32(&b[14]);
    if (compression != 0 && compression != 3) return false;
    if (bpp != 8 && bpp != 24 && bpp != 32) return false;
    bool bottomUp = height > 0;
    int64_t rows = bottomUp ? (int64_t)height : -(int64_t)height;
    if (width <= 0 || !sizeAllowed("BMP", (uint64_t)width, (uint64_t)rows)) return false;
    w = width;
    h = (int)rows;
    size_t stride = ((size_t)w * (size_t)bpp / 8 + 3) & ~(size_t)3;
    if ((size_t)offset + stride * (size_t)h > b.size()) return false;
    uint32_t colors = bpp == 8 ? (Sys_PeekLE32(&b[46]) ? Sys_PeekLE32(&b[46]) : 256) : 0;
    size_t palette = 14 + (size_t)headerSize;
    if (bpp == 8 && palette + (size_t)colors * 4 > b.size()) return false;
    hasAlpha = bpp == 32;
    px.assign((size_t)w * (size_t)h, 0);
    for (int y = 0; y < h; ++y) {
        const uint8_t* row = &b[offset + stride * (size_t)(bottomUp ? h - 1 - y : y)];
        for (int x = 0; x < w; ++x) {
            uint32_t c;
            if (bpp == 8) {
                uint32_t i = row[x] < colors ? row[x] : 0;
                const uint8_t* p = &b[palette + i * 4];
                c = 0xFF000000u | ((uint32_t)p[2] << 16) | ((uint32_t)p[1] << 8) | p[0];
            } else if (bpp == 24) {
                const uint8_t* p = row + x * 3;
                c = 0xFF000000u | ((uint32_t)p[2] << 16) | ((uint32_t)p[1] << 8) | p[0];
            } else {
                const uint8_t* p = row + x * 4;
                c = Sys_PeekLE32(p);
            }
            px[(size_t)y * w + x] = c;
        }
    }
    return true;
}

static bool decodeTGA(const std::vector<uint8_t>& b, int& w, int& h, std::vector<uint32_t>& px, bool& hasAlpha)
{
    if (b.size() < 18) return false;
    int idLen = b[0], cmap = b[1], type = b[2];
    w = le16(&b[12]);
    h = le16(&b[14]);
    int bpp = b[16], desc = b[17];
    if (cmap != 0 || (type != 2 && type != 10) || (bpp != 24 && bpp != 32) || !sizeAllowed("TGA", w, h)) return false;
    hasAlpha = bpp == 32;
    size_t bytesPer = (size_t)bpp / 8, pos = 18 + (size_t)idLen, n = (size_t)w * (size_t)h;
    // Raw pixels take bytesPer each; a run packet of 1 + bytesPer bytes gives at most 128.
    size_t left = b.size() > pos ? b.size() - pos : 0;
    size_t most = type == 2 ? left / bytesPer : left / (1 + bytesPer) * 128;
    if (n > most) {
        Sys_Trace("TGA picture larger than its file can hold, refused");
        return false;
    }
    std::vector<uint32_t> raw;
    raw.reserve(n);
    auto readPixel = [&](uint32_t& c) {
        if (pos + bytesPer > b.size()) return false;
        const uint8_t* p = &b[pos];
        c = ((bytesPer == 4 ? (uint32_t)p[3] : 255u) << 24) | ((uint32_t)p[2] << 16) | ((uint32_t)p[1] << 8) | p[0];
        pos += bytesPer;
        return true;
    };
    while (raw.size() < n) {
        uint32_t c;
        if (type == 2) {
            if (!readPixel(c)) return false;
            raw.push_back(c);
            continue;
        }
        if (pos >= b.size()) return false;
        int head = b[pos++], count = (head & 0x7F) + 1;
        if (head & 0x80) {
            if (!readPixel(c)) return false;
            for (int i = 0; i < count && raw.size() < n; ++i) raw.push_back(c);
        } else {
            for (int i = 0; i < count && raw.size() < n; ++i) {
                if (!readPixel(c)) return false;
                raw.push_back(c);
            }
        }
    }
    bool topDown = (desc & 0x20) != 0;
    px.assign(n, 0);
    for (int y = 0; y < h; ++y)
        std::memcpy(&px[(size_t)y * w], &raw[(size_t)(topDown ? y : h - 1 - y) * w], (size_t)w * 4);
    return true;
}

bool Sys_DecodeImage(const std::vector<uint8_t>& bytes, int flags, int& w, int& h, std::vector<uint32_t>& px)
{
    bool hasAlpha = false, ok = false;
    if (bytes.size() >= 8 && bytes[0] == 0x89 && bytes[1] == 'P')
        ok = decodePNG(bytes, w, h, px, hasAlpha);
    else if (bytes.size() >= 3 && bytes[0] == 0xFF && bytes[1] == 0xD8)
        ok = decodeJPEG(bytes, w, h, px);
    else if (bytes.size() >= 2 && bytes[0] == 'B' && bytes[1] == 'M')
        ok = decodeBMP(bytes, w, h, px, hasAlpha);
    else
        ok = decodeTGA(bytes, w, h, px, hasAlpha);
    if (!ok || w <= 0 || h <= 0) return false;
    if (flags < 0) flags = IMG_DEFAULT;
    // pictures without an alpha channel get their mask colour (black) cut out
    if ((flags & IMG_MASKED) && !hasAlpha)
        for (uint32_t& c : px)
            if ((c & 0x00FFFFFFu) == 0) c = 0;
    return true;
}

static SysImage* makeImage(int w, int h, int flags)
{
    static uint64_t s_serials = 0;
    SysImage* img = new SysImage();
    img->serial = ++s_serials;
    img->width = w;
    img->height = h;
    img->flags = flags < 0 ? IMG_DEFAULT : flags;
    return img;
}

SysImage* Sys_LoadImageMemory(const uint8_t* bytes, size_t size, int flags)
{
    std::vector<uint8_t> data(bytes, bytes + size);
    int w = 0, h = 0;
    std::vector<uint32_t> px;
    if (!Sys_DecodeImage(data, flags, w, h, px)) return nullptr;
    SysImage* img = makeImage(w, h, flags);
    img->frames.push_back(std::move(px));
    return img;
}

SysImage* Sys_LoadImage(const std::string& path, int flags)
{
    std::vector<uint8_t> bytes;
    if (path.empty() || !Sys_ReadAllBytes(path, bytes)) return nullptr;
    SysImage* img = Sys_LoadImageMemory(bytes.data(), bytes.size(), flags);
    if (img) img->source = path;
    return img;
}

SysImage* Sys_LoadAnimImage(const std::string& path, int cellW, int cellH, int first, int count, int flags)
{
    std::vector<uint8_t> bytes;
    int w = 0, h = 0;
    std::vector<uint32_t> px;
    if (cellW <= 0 || cellH <= 0 || count <= 0 || first < 0) return nullptr;
    if (!Sys_ReadAllBytes(path, bytes) || !Sys_DecodeImage(bytes, flags, w, h, px)) return nullptr;
    int perRow = w / cellW, rows = h / cellH;
    if (perRow <= 0 || rows <= 0 || first + count > perRow * rows) {
        Sys_Trace("animation strip too small (" + path + ")");
        return nullptr;
    }
    SysImage* img = makeImage(cellW, cellH, flags);
    for (int i = first; i < first + count; ++i) {
        int cx = (i % perRow) * cellW, cy = (i / perRow) * cellH;
        std::vector<uint32_t> cell((size_t)cellW * (size_t)cellH);
        for (int y = 0; y < cellH; ++y) std::memcpy(&cell[(size_t)y * cellW], &px[(size_t)(cy + y) * w + cx], (size_t)cellW * 4);
        img->frames.push_back(std::move(cell));
    }
    img->source = path;
    img->cellW = cellW;
    img->cellH = cellH;
    img->firstCell = first;
    return img;
}

bool sysi::framePixels(SysImage* img, int frame)
{
    if (!img->frames[(size_t)frame].empty()) return true;
    SysImage* again = img->cellW > 0 ? Sys_LoadAnimImage(img->source, img->cellW, img->cellH, img->firstCell, img->frameCount(), img->flags)
                                     : Sys_LoadImage(img->source, img->flags);
    bool same = again && again->width == img->width && again->height == img->height && again->frameCount() == img->frameCount();
    if (same)
        for (size_t f = 0; f < img->frames.size(); ++f)
            if (img->frames[f].empty()) img->frames[f].swap(again->frames[f]);
    Sys_FreeImage(again);
    Sys_Trace(same ? "pixels read again from " + img->source : "pixels of " + img->source + " are lost");
    return same;
}

SysImage* Sys_CreateImage(int width, int height, int frames, int flags)
{
    if (width <= 0 || height <= 0 || frames <= 0) return nullptr;
    SysImage* img = makeImage(width, height, flags | IMG_DYNAMIC);
    img->frames.assign((size_t)frames, std::vector<uint32_t>((size_t)width * (size_t)height, 0));
    return img;
}

void Sys_FreeImage(SysImage* img) { delete img; }

uint32_t* Sys_LockImage(SysImage* img, int frame)
{
    if (!img || frame < 0 || frame >= img->frameCount() || !sysi::framePixels(img, frame)) return nullptr;
    img->pixelsRead = true;
    return img->frames[(size_t)frame].data();
}

void Sys_UnlockImage(SysImage* img, int frame)
{
    if (!img || frame < 0 || frame >= img->frameCount()) return;
    if (img->dirty.size() != img->frames.size()) img->dirty.assign(img->frames.size(), true);
    img->dirty[(size_t)frame] = true;
    ++img->edits;
}

void Sys_SetImageHandle(SysImage* img, float x, float y)
{
    if (!img) return;
    img->handle_x = x;
    img->handle_y = y;
}

void Sys_MidHandleImage(SysImage* img)
{
    if (!img) return;
    img->handle_x = (float)(img->width / 2);
    img->handle_y = (float)(img->height / 2);
}

int Sys_ImageWidth(const SysImage* img) { return img ? img->width : 0; }
int Sys_ImageHeight(const SysImage* img) { return img ? img->height : 0; }

bool Sys_ImagesCollide(const SysImage* a, float ax, float ay, int af, const SysImage* b, float bx, float by, int bf)
{
    if (!a || !b || af < 0 || bf < 0 || af >= a->frameCount() || bf >= b->frameCount()) return false;
    for (auto [img, f] : {std::pair{a, af}, std::pair{b, bf}}) {
        SysImage* m = const_cast<SysImage*>(img);
        if (!sysi::framePixels(m, f)) return false;
        m->pixelsRead = true;
    }
    int ax0 = (int)(ax - a->handle_x), ay0 = (int)(ay - a->handle_y);
    int bx0 = (int)(bx - b->handle_x), by0 = (int)(by - b->handle_y);
    int x0 = std::max(ax0, bx0), y0 = std::max(ay0, by0);
    int x1 = std::min(ax0 + a->width, bx0 + b->width), y1 = std::min(ay0 + a->height, by0 + b->height);
    const std::vector<uint32_t>& pa = a->frames[(size_t)af];
    const std::vector<uint32_t>& pb = b->frames[(size_t)bf];
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x)
            if ((pa[(size_t)(y - ay0) * a->width + (x - ax0)] >> 24) && (pb[(size_t)(y - by0) * b->width + (x - bx0)] >> 24))
                return true;
    return false;
}

bool Sys_WritePNG(const std::string& path, int w, int h, const uint32_t* px)
{
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    image.width = (png_uint_32)w;
    image.height = (png_uint_32)h;
    image.format = PNG_FORMAT_BGRA;
    std::string tmp = path + ".tmp";
    if (!png_image_write_to_file(&image, tmp.c_str(), 0, px, 0, nullptr)) return false;
    return std::rename(tmp.c_str(), path.c_str()) == 0;
}
