// Files and streams: data paths resolved case-insensitively, writes made safe by a temporary file and rename.
#include <dirent.h>
#include <fcntl.h>
#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "platform/sys_internal.h"

static std::string normalise(const std::string& path)
{
    std::string p;
    p.reserve(path.size());
    for (char c : path) {
        if (c == '\\') c = '/';
        if (c == '/' && !p.empty() && p.back() == '/') continue;
        p += c;
    }
    return p;
}

static bool exists(const std::string& p)
{
    struct stat st;
    return stat(p.c_str(), &st) == 0;
}

// Walks the components under `base`, taking the entry whose name matches ignoring case where the exact one is missing.
static std::string resolveUnder(std::string base, const std::string& rel)
{
    size_t start = 0;
    while (start <= rel.size()) {
        size_t slash = rel.find('/', start);
        std::string comp = rel.substr(start, slash == std::string::npos ? std::string::npos : slash - start);
        if (!comp.empty()) {
            std::string exact = base + comp;
            if (!exists(exact)) {
                if (DIR* d = opendir(base.empty() ? "." : base.c_str())) {
                    while (dirent* e = readdir(d)) {
                        if (strcasecmp(e->d_name, comp.c_str()) == 0) {
                            comp = e->d_name;
                            break;
                        }
                    }
                    closedir(d);
                }
            }
            base += comp;
            if (slash != std::string::npos) base += "/";
        }
        if (slash == std::string::npos) break;
        start = slash + 1;
    }
    return base;
}

static std::string s_dataOverlay;

void Sys_SetDataOverlay(const std::string& folder)
{
    s_dataOverlay = normalise(folder);
    if (!s_dataOverlay.empty() && s_dataOverlay.back() != '/') s_dataOverlay += '/';
}

std::string Sys_ResolvePath(const std::string& path)
{
    std::string p = normalise(path);
    if (p.size() >= 5 && strncasecmp(p.c_str(), "data/", 5) == 0) {
        std::string root = sysi::dataRoot.empty() ? Sys_ProgramDir() + "data/" : sysi::dataRoot;
        if (!s_dataOverlay.empty()) {
            std::string over = resolveUnder(root, s_dataOverlay + p.substr(5));
            if (exists(over)) return over;
        }
        return resolveUnder(root, p.substr(5));
    }
    return p;
}

// The rename lives in the folder: syncing it too means a power loss cannot take the new name back.
static void syncFolderOf(const std::string& path)
{
    size_t slash = path.find_last_of('/');
    std::string dir = slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
    int fd = open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    fsync(fd);
    close(fd);
}

namespace {
class FileStream : public SysStream {
public:
    FileStream(FILE* f, std::string target, std::string tmp) : f_(f), target_(std::move(target)), tmp_(std::move(tmp)) {}
    ~FileStream() override { Close(); }
    bool Eof() override
    {
        if (!f_) return true;
        int c = std::fgetc(f_);
        if (c == EOF) return true;
        std::ungetc(c, f_);
        return false;
    }
    bool Good() const override { return good_; }
    size_t Read(void* buf, size_t n) override
    {
        if (!f_) return 0;
        size_t got = std::fread(buf, 1, n, f_);
        if (got < n) good_ = false;
        return got;
    }
    size_t Write(const void* buf, size_t n) override
    {
        if (!f_) return 0;
        size_t put = std::fwrite(buf, 1, n, f_);
        if (put < n) good_ = false;
        return put;
    }
    bool Close() override
    {
        if (!f_) return closedOk_;
        bool ok = good_;
        if (!tmp_.empty()) {
            ok = std::fflush(f_) == 0 && ok;
            ok = fsync(fileno(f_)) == 0 && ok;
        }
        ok = std::fclose(f_) == 0 && ok;
        f_ = nullptr;
        if (!tmp_.empty()) {
            if (ok) ok = std::rename(tmp_.c_str(), target_.c_str()) == 0;
            if (ok) syncFolderOf(target_);
            if (!ok) {
                std::remove(tmp_.c_str());
                Sys_Trace("write failed, old file kept: " + target_);
            }
        }
        closedOk_ = ok;
        return ok;
    }

private:
    FILE* f_;
    std::string target_, tmp_;
    bool good_ = true;
    bool closedOk_ = false;
};
}

std::unique_ptr<SysStream> Sys_ReadFile(const std::string& path)
{
    std::string p = Sys_ResolvePath(path);
    // only plain files: a device never ends (/dev/zero) and a pipe may never start
    struct stat st;
    if (p.empty() || stat(p.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) {
        if (!p.empty() && Sys_FileType(p) == 1) Sys_Trace(p + " is not a plain file, not read");
        return nullptr;
    }
    FILE* f = std::fopen(p.c_str(), "rb");
    if (!f) return nullptr;
    return std::make_unique<FileStream>(f, p, "");
}

std::unique_ptr<SysStream> Sys_WriteFile(const std::string& path)
{
    std::string p = Sys_ResolvePath(path);
    if (p.empty() || Sys_FileType(p) == 2) return nullptr;
    std::string tmp = p + ".tmp";
    FILE* f = std::fopen(tmp.c_str(), "wb");
    if (!f) return nullptr;
    return std::make_unique<FileStream>(f, p, tmp);
}

bool Sys_ReadAllBytes(const std::string& path, std::vector<uint8_t>& out)
{
    auto s = Sys_ReadFile(path);
    out.clear();
    if (!s) return false;
    uint8_t buf[65536];
    size_t n;
    while ((n = s->Read(buf, sizeof buf)) > 0) out.insert(out.end(), buf, buf + n);
    return true;
}

static void putUtf8(std::string& out, uint32_t c)
{
    if (c < 0x80) {
        out += (char)c;
    } else if (c < 0x800) {
        out += (char)(0xC0 | (c >> 6));
        out += (char)(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += (char)(0xE0 | (c >> 12));
        out += (char)(0x80 | ((c >> 6) & 0x3F));
        out += (char)(0x80 | (c & 0x3F));
    } else {
        out += (char)(0xF0 | (c >> 18));
        out += (char)(0x80 | ((c >> 12) & 0x3F));
        out += (char)(0x80 | ((c >> 6) & 0x3F));
        out += (char)(0x80 | (c & 0x3F));
    }
}

bool Sys_ReadTextFile(const std::string& path, std::string& utf8)
{
    std::vector<uint8_t> b;
    utf8.clear();
    if (!Sys_ReadAllBytes(path, b)) return false;
    if (b.size() >= 2 && ((b[0] == 0xFE && b[1] == 0xFF) || (b[0] == 0xFF && b[1] == 0xFE))) {
        bool be = b[0] == 0xFE;
        for (size_t i = 2; i + 1 < b.size(); i += 2) {
            uint32_t u = be ? (uint32_t)(b[i] << 8 | b[i + 1]) : (uint32_t)(b[i + 1] << 8 | b[i]);
            if (u >= 0xD800 && u < 0xDC00 && i + 3 < b.size()) {
                uint32_t lo = be ? (uint32_t)(b[i + 2] << 8 | b[i + 3]) : (uint32_t)(b[i + 3] << 8 | b[i + 2]);
                if (lo >= 0xDC00 && lo < 0xE000) {
                    u = 0x10000 + ((u - 0xD800) << 10) + (lo - 0xDC00);
                    i += 2;
                }
            }
            putUtf8(utf8, u);
        }
    } else if (b.size() >= 3 && b[0] == 0xEF && b[1] == 0xBB && b[2] == 0xBF) {
        utf8.assign(b.begin() + 3, b.end());
    } else {
        for (uint8_t c : b) putUtf8(utf8, c);
    }
    return true;
}

int Sys_FileType(const std::string& path)
{
    std::string p = Sys_ResolvePath(path);
    struct stat st;
    if (p.empty() || stat(p.c_str(), &st) != 0) return 0;
    if (S_ISDIR(st.st_mode)) return 2;
    return 1;
}

bool Sys_CreateDir(const std::string& path, bool parents)
{
    std::string p = Sys_ResolvePath(path);
    while (p.size() > 1 && p.back() == '/') p.pop_back();
    if (p.empty()) return false;
    if (parents) {
        for (size_t i = 1; i < p.size(); ++i)
            if (p[i] == '/') mkdir(p.substr(0, i).c_str(), 0755);
    }
    return mkdir(p.c_str(), 0755) == 0 || errno == EEXIST;
}

bool Sys_DeleteFile(const std::string& path) { return std::remove(Sys_ResolvePath(path).c_str()) == 0; }

bool Sys_RenameFile(const std::string& from, const std::string& to)
{
    return std::rename(Sys_ResolvePath(from).c_str(), Sys_ResolvePath(to).c_str()) == 0;
}

std::string SysStream::ReadLine()
{
    std::string line;
    int c;
    while ((c = ReadByte()) >= 0) {
        if (c == 10 || c == 0) break;
        if (c == 13) continue;
        line += (char)c;
    }
    return line;
}

void SysStream::WriteLine(const std::string& text)
{
    WriteString(text);
    WriteByte(13);
    WriteByte(10);
}

int32_t SysStream::ReadInt()
{
    uint8_t b[4] = {0, 0, 0, 0};
    Read(b, 4);
    return (int32_t)Sys_PeekLE32(b);
}

void SysStream::WriteInt(int32_t v)
{
    uint32_t u = (uint32_t)v;
    uint8_t b[4] = {(uint8_t)u, (uint8_t)(u >> 8), (uint8_t)(u >> 16), (uint8_t)(u >> 24)};
    Write(b, 4);
}

float SysStream::ReadFloat()
{
    int32_t i = ReadInt();
    float f;
    std::memcpy(&f, &i, 4);
    return f;
}

void SysStream::WriteFloat(float v)
{
    int32_t i;
    std::memcpy(&i, &v, 4);
    WriteInt(i);
}

std::string SysStream::ReadString(int n)
{
    std::string s;
    if (n <= 0) return s;
    s.resize((size_t)n);
    size_t got = Read(s.data(), (size_t)n);
    s.resize(got);
    return s;
}

void SysStream::WriteString(const std::string& s) { Write(s.data(), s.size()); }

int SysStream::ReadByte()
{
    uint8_t b;
    return Read(&b, 1) == 1 ? b : -1;
}

void SysStream::WriteByte(int b)
{
    uint8_t v = (uint8_t)b;
    Write(&v, 1);
}
