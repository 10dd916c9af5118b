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

namespace {

std::vector<uint32_t> pixelsOf(art::Img& img)
{
    img.flush();
    std::vector<uint32_t> px;
    px.reserve(size_t(img.w()) * size_t(img.h()));
    for (int y = 0; y < img.h(); ++y) px.insert(px.end(), img.row(y), img.row(y) + img.w());
    return px;
}

bool writeAsset(const std::string& path, const art::Asset& a, art::Img& img)
{
    return a.kind == art::FileKind::Png ? art::writePng(path, img) : art::writeJpeg(path, img, 90);
}

}  // namespace

int generatePictures(const std::string& out)
{
    using namespace art;
    int rc = 0;
    const Painters& p = painters();
    // The default edition paints every file; a picture that asked for words is painted again in each other
    // language and kept in that language's folder when it differs.
    std::vector<std::pair<const Asset*, std::vector<uint32_t>>> worded;
    for (const Asset& a : manifest()) {
        if (a.kind != FileKind::Png && a.kind != FileKind::Jpeg) continue;
        auto it = p.find(a.path);
        if (it == p.end()) {
            std::fprintf(stderr, "content: no painter for %s\n", a.path.c_str());
            rc = 1;
            continue;
        }
        Img img(a.w, a.h);
        paintLanguage(0);
        it->second(img);
        if (paintedWords()) worded.emplace_back(&a, pixelsOf(img));
        if (!writeAsset(out + a.path, a, img)) rc = 1;
    }
    for (size_t lang = 1; lang < contentLanguages().size(); ++lang) {
        for (const auto& [a, defaultPixels] : worded) {
            Img img(a->w, a->h);
            paintLanguage(lang);
            p.at(a->path)(img);
            if (pixelsOf(img) == defaultPixels) continue;
            if (!writeAsset(out + languageDir(lang) + a->path, *a, img)) rc = 1;
        }
    }
    paintLanguage(0);
    if (!writeFonts(out)) rc = 1;
    if (!writeTexts(out)) rc = 1;
    for (const std::string& e : paintErrors()) std::fprintf(stderr, "content: %s\n", e.c_str());
    if (!paintErrors().empty()) rc = 1;
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
