// Helpers of the content tests: reading files and decoding PNG and JPEG pictures of the data tree.
#include "tests/content_support.h"

#include <cstdio>
#include <cstring>

#include <jpeglib.h>
#include <png.h>

namespace content_test {

std::string dataDir() { return MORVELLE_TEST_DATA_DIR; }

bool readFile(const std::string& path, std::vector<uint8_t>& out)
{
    out.clear();
    FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return false;
    uint8_t buf[65536];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) out.insert(out.end(), buf, buf + n);
    std::fclose(f);
    return true;
}

bool decodePng(const std::vector<uint8_t>& bytes, Picture& out)
{
    png_image img;
    std::memset(&img, 0, sizeof img);
    img.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&img, bytes.data(), bytes.size())) return false;
    img.format = PNG_FORMAT_RGBA;
    out.w = int(img.width);
    out.h = int(img.height);
    out.rgba.assign(PNG_IMAGE_SIZE(img), 0);
    bool ok = png_image_finish_read(&img, nullptr, out.rgba.data(), 0, nullptr) != 0;
    png_image_free(&img);
    return ok;
}

bool pngSize(const std::vector<uint8_t>& b, int& w, int& h)
{
    static const uint8_t sig[8] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
    if (b.size() < 24 || std::memcmp(b.data(), sig, 8) != 0 || std::memcmp(&b[12], "IHDR", 4) != 0) return false;
    w = int(uint32_t(b[16]) << 24 | uint32_t(b[17]) << 16 | uint32_t(b[18]) << 8 | b[19]);
    h = int(uint32_t(b[20]) << 24 | uint32_t(b[21]) << 16 | uint32_t(b[22]) << 8 | b[23]);
    return true;
}

bool jpegSize(const std::vector<uint8_t>& bytes, int& w, int& h, int& components)
{
    if (bytes.size() < 4 || bytes[0] != 0xFF || bytes[1] != 0xD8) return false;
    jpeg_decompress_struct c;
    jpeg_error_mgr err;
    c.err = jpeg_std_error(&err);
    jpeg_create_decompress(&c);
    jpeg_mem_src(&c, bytes.data(), static_cast<unsigned long>(bytes.size()));
    bool ok = jpeg_read_header(&c, TRUE) == JPEG_HEADER_OK;
    w = int(c.image_width);
    h = int(c.image_height);
    components = c.num_components;
    jpeg_destroy_decompress(&c);
    return ok;
}

int jpegBlackPixels(const std::vector<uint8_t>& bytes)
{
    jpeg_decompress_struct c;
    jpeg_error_mgr err;
    c.err = jpeg_std_error(&err);
    jpeg_create_decompress(&c);
    jpeg_mem_src(&c, bytes.data(), static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&c, TRUE);
    c.out_color_space = JCS_RGB;
    jpeg_start_decompress(&c);
    std::vector<uint8_t> line(size_t(c.output_width) * 3);
    int black = 0;
    while (c.output_scanline < c.output_height) {
        JSAMPROW rows[1] = {line.data()};
        jpeg_read_scanlines(&c, rows, 1);
        for (size_t x = 0; x < c.output_width; ++x)
            if (line[x * 3] == 0 && line[x * 3 + 1] == 0 && line[x * 3 + 2] == 0) ++black;
    }
    jpeg_finish_decompress(&c);
    jpeg_destroy_decompress(&c);
    return black;
}

}  // namespace content_test
