// Content tool: writes the whole data tree, "morvelle-content OUTDIR [pictures|audio|levels|sheets SHEETDIR]",
// or the desktop icons, "morvelle-content ICONDIR icons APPID".
#include <cstdio>
#include <string>

#include "content/pictures/sheets.h"
#include "content/tool/modules.h"

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: morvelle-content OUTDIR [pictures|audio|levels|sheets SHEETDIR]\n"
                             "       morvelle-content ICONDIR icons APPID\n");
        return 2;
    }
    std::string out = argv[1];
    if (out.back() != '/') out += "/";
    std::string only = argc > 2 ? argv[2] : "";
    if (only == "sheets") {
        std::string dir = argc > 3 ? argv[3] : out + "sheets";
        if (dir.back() != '/') dir += "/";
        return art::renderSheets(out, dir);
    }
    if (only == "icons") {
        if (argc < 4) {
            std::fprintf(stderr, "morvelle-content: icons needs the application id\n");
            return 2;
        }
        return generateIcons(out, argv[3]);
    }
    int rc = 0;
    if (only.empty() || only == "pictures") rc |= generatePictures(out);
    if (only.empty() || only == "audio") rc |= generateAudio(out);
    if (only.empty() || only == "levels") rc |= generateLevels(out);
    return rc;
}
