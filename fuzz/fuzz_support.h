// What the fuzz targets share: one headless set-up of the game per process and a scratch data tree and save folder.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// Creates the game's globals over a headless platform once; later calls do nothing.
void fuzzInit();
// Folder the scratch files live in, ending in "/"; "data/..." paths resolve below it.
const std::string& fuzzRoot();
// Writes the bytes to a file below the scratch root and returns its full path.
std::string fuzzWrite(const std::string& relative, const uint8_t* data, size_t size);
std::string fuzzReadBack(const std::string& path);
// Feeds a picture through the decoder and the loader when it starts with the format's magic bytes.
void fuzzPicture(const uint8_t* data, size_t size, const uint8_t* magic, size_t magicSize);
// Feeds a sound through the decoder and the loader when it starts with the format's magic bytes.
void fuzzSound(const uint8_t* data, size_t size, const char* magic);
