// UTF-8 text to code points and back, and the upper-case form of a caption.
#pragma once

#include <string>
#include <vector>

// Bytes that do not form valid UTF-8 are taken as 8-bit characters, so old 8-bit text still shows.
std::vector<int> utf8Decode(const std::string& text);
std::string utf8Encode(const std::vector<int>& codes);
void utf8Append(std::string& out, int code);
int upperCaseCode(int code);
std::string utf8UpperCase(const std::string& text);
