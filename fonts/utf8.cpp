// UTF-8 decoding and encoding, and simple Unicode upper-casing for the scripts the captions use.
#include "fonts/utf8.h"

std::vector<int> utf8Decode(const std::string& text)
{
    std::vector<int> out;
    out.reserve(text.size());
    const size_t n = text.size();
    size_t i = 0;
    while (i < n) {
        unsigned char c = (unsigned char)text[i];
        int len = 0, code = 0;
        if (c < 0x80) {
            len = 1;
            code = c;
        } else if ((c & 0xE0) == 0xC0) {
            len = 2;
            code = c & 0x1F;
        } else if ((c & 0xF0) == 0xE0) {
            len = 3;
            code = c & 0x0F;
        } else if ((c & 0xF8) == 0xF0) {
            len = 4;
            code = c & 0x07;
        }
        bool ok = len > 0 && i + (size_t)len <= n;
        for (int k = 1; ok && k < len; ++k) {
            unsigned char cc = (unsigned char)text[i + (size_t)k];
            if ((cc & 0xC0) != 0x80) ok = false;
            else code = (code << 6) | (cc & 0x3F);
        }
        // Overlong forms and surrogates are not UTF-8; such bytes stand for themselves.
        if (ok && ((len == 2 && code < 0x80) || (len == 3 && code < 0x800) || (len == 4 && code < 0x10000) ||
                   (code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF))
            ok = false;
        if (ok) {
            out.push_back(code);
            i += (size_t)len;
        } else {
            out.push_back(c);
            i += 1;
        }
    }
    return out;
}

void utf8Append(std::string& out, int code)
{
    if (code < 0) return;
    if (code < 0x80) {
        out += (char)code;
    } else if (code < 0x800) {
        out += (char)(0xC0 | (code >> 6));
        out += (char)(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += (char)(0xE0 | (code >> 12));
        out += (char)(0x80 | ((code >> 6) & 0x3F));
        out += (char)(0x80 | (code & 0x3F));
    } else {
        out += (char)(0xF0 | (code >> 18));
        out += (char)(0x80 | ((code >> 12) & 0x3F));
        out += (char)(0x80 | ((code >> 6) & 0x3F));
        out += (char)(0x80 | (code & 0x3F));
    }
}

std::string utf8Encode(const std::vector<int>& codes)
{
    std::string out;
    for (int c : codes) utf8Append(out, c);
    return out;
}

int upperCaseCode(int c)
{
    if (c >= 'a' && c <= 'z') return c - 32;
    if (c < 0xB5) return c;
    if (c == 0xB5) return 0x39C;
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return c - 32;
    if (c == 0xFF) return 0x178;
    if (c >= 0x100 && c <= 0x17F) {
        if (c == 0x131) return 'I';
        if (c == 0x17F) return 'S';
        if (c == 0x138 || c == 0x149) return c;
        // Pairs run capital-first at even codes, except 0x139..0x148 and 0x179..0x17E.
        bool oddPairs = (c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E);
        if (oddPairs) return (c % 2 == 0) ? c - 1 : c;
        return (c % 2 == 1) ? c - 1 : c;
    }
    if (c >= 0x3B1 && c <= 0x3CB) return c == 0x3C2 ? 0x3A3 : c - 32;
    if (c == 0x3AC) return 0x386;
    if (c >= 0x3AD && c <= 0x3AF) return c - 37;
    if (c == 0x3CC) return 0x38C;
    if (c == 0x3CD || c == 0x3CE) return c - 63;
    if (c >= 0x430 && c <= 0x44F) return c - 32;
    if (c >= 0x450 && c <= 0x45F) return c - 80;
    if (c >= 0x460 && c <= 0x481) return (c % 2 == 1) ? c - 1 : c;
    if (c >= 0x48A && c <= 0x4BF) return (c % 2 == 1) ? c - 1 : c;
    if (c >= 0x1E00 && c <= 0x1EFF && c != 0x1E96 && !(c >= 0x1E97 && c <= 0x1E9F)) return (c % 2 == 1) ? c - 1 : c;
    if (c >= 0xFF41 && c <= 0xFF5A) return c - 32;
    return c;
}

std::string utf8UpperCase(const std::string& text)
{
    std::vector<int> codes = utf8Decode(text);
    for (int& c : codes) c = upperCaseCode(c);
    return utf8Encode(codes);
}

std::string latin1ToUtf8(const std::string& in)
{
    std::string out;
    for (unsigned char c : in) utf8Append(out, c);
    return out;
}

std::string utf8ToLatin1(const std::string& in)
{
    std::string out;
    for (int code : utf8Decode(in)) out += (char)(code & 0xFF);
    return out;
}
