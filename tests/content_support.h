// Helpers of the content tests: reading files and decoding PNG and JPEG pictures of the data tree.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace content_test {

// The data tree written by the build.
std::string dataDir();
bool readFile(const std::string& path, std::vector<uint8_t>& out);

// A decoded picture: straight RGBA, 4 bytes per pixel.
struct Picture {
    int w = 0, h = 0;
    std::vector<uint8_t> rgba;
    uint8_t alpha(int x, int y) const { return rgba[(size_t(y) * size_t(w) + size_t(x)) * 4 + 3]; }
};
bool decodePng(const std::vector<uint8_t>& bytes, Picture& out);
bool pngSize(const std::vector<uint8_t>& bytes, int& w, int& h);
// Counts the pixels that decode to pure black (the game loads JPEG pictures masked on black).
int jpegBlackPixels(const std::vector<uint8_t>& bytes);
bool jpegSize(const std::vector<uint8_t>& bytes, int& w, int& h, int& components);

}  // namespace content_test
