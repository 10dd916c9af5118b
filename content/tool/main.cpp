// Content tool: writes the whole data tree, "morvelle-content OUTDIR [pictures|audio|levels]".
#include <cstdio>
#include <string>

#include "content/tool/modules.h"

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: morvelle-content OUTDIR [pictures|audio|levels]\n");
        return 2;
    }
    std::string out = argv[1];
    if (out.back() != '/') out += "/";
    std::string only = argc > 2 ? argv[2] : "";
    int rc = 0;
    if (only.empty() || only == "pictures") rc |= generatePictures(out);
    if (only.empty() || only == "audio") rc |= generateAudio(out);
    if (only.empty() || only == "levels") rc |= generateLevels(out);
    return rc;
}
