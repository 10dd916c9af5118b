// Pictures, fonts, texts and story pages of the data tree: paints every file of the manifest.
#include <cstdio>

#include "content/pictures/manifest.h"
#include "content/pictures/painters.h"
#include "content/tool/modules.h"

namespace art {

const Painters& painters()
{
    static Painters p;
    if (p.empty()) {
        addItemArt(p);
        addBoardArt(p);
        addUiArt(p);
        addSceneArt(p);
    }
    return p;
}

}  // namespace art

int generatePictures(const std::string& out)
{
    using namespace art;
    int rc = 0;
    const Painters& p = painters();
    for (const Asset& a : manifest()) {
        if (a.kind != FileKind::Png && a.kind != FileKind::Jpeg) continue;
        auto it = p.find(a.path);
        if (it == p.end()) {
            std::fprintf(stderr, "content: no painter for %s\n", a.path.c_str());
            rc = 1;
            continue;
        }
        Img img(a.w, a.h);
        it->second(img);
        bool ok = a.kind == FileKind::Png ? writePng(out + a.path, img) : writeJpeg(out + a.path, img, 90);
        if (!ok) rc = 1;
    }
    if (!writeFonts(out)) rc = 1;
    if (!writeTexts(out)) rc = 1;
    return rc;
}

int generateIcons(const std::string& dir, const std::string& appId)
{
    static const int kSizes[] = {32, 48, 64, 128, 256};
    int rc = 0;
    for (int n : kSizes) {
        std::string size = std::to_string(n) + "x" + std::to_string(n);
        art::Img img(n, n);
        art::paintAppIcon(img);
        if (!art::writePng(dir + "hicolor/" + size + "/apps/" + appId + ".png", img)) rc = 1;
    }
    return rc;
}
