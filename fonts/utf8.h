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
// Names in the save files are one byte per character: code points 0..255 both ways, higher codes cut to 8 bits.
std::string latin1ToUtf8(const std::string& in);
std::string utf8ToLatin1(const std::string& in);
