// The painters of the content tool: one function per data file, looked up by the file's path.
#pragma once

#include <cairo.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "content/pictures/paint.h"

namespace art {

using Painter = std::function<void(Img&)>;
using Painters = std::map<std::string, Painter>;

void addItemArt(Painters& p);     // gems, obstacles, effects, meteor
void addBoardArt(Painters& p);    // cells, border pieces, bars, power-up buttons
void addUiArt(Painters& p);       // dialogs, buttons, pointer pictures
void addSceneArt(Painters& p);    // backgrounds, level map, splash pages, story pages
// Every painter, by the path of the file it paints.
const Painters& painters();

// Shared motifs, drawn into any context at any size.
void drawGem(cairo_t* cr, int kind, double cx, double cy, double size);
void drawItem(Img& img, int kind, double cx, double cy, double size, bool shadow);
void drawPowerSymbol(cairo_t* cr, int which, double cx, double cy, double size, const Col& c);
void drawCompass(cairo_t* cr, double cx, double cy, double r);
// The game's icon (gem and compass) at any square size; the window icon is its 64-pixel copy.
void paintAppIcon(Img& img);
// A framed, lit panel of the one interface style (teal body, gold trim).
void drawPanel(cairo_t* cr, double x, double y, double w, double h, double radius, const Col& body, double trim);
void drawParchment(Img& img, double x, double y, double w, double h, double radius, uint64_t seed);

// Per-land colours of the eight chapters; their names are the painted texts "paint.landN".
struct Land {
    Col skyTop, skyLow, far, mid, near, accent;
};
const Land& land(int chapter);   // 1..8

// Fonts and texts.
bool writeFonts(const std::string& dataDir);
// The text table of every language: the default edition's at texts/, the others' under lang/CODE/texts/.
bool writeTexts(const std::string& dataDir);

// One language's texts as content/lang/CODE.txt holds them, in file order.
struct LangTexts {
    std::string code;
    std::vector<std::pair<std::string, std::string>> entries;
};
// Every language, the default edition first.
const std::vector<LangTexts>& contentLanguages();
std::string languageText(const LangTexts& l, const std::string& key);   // "" when missing
// The data folder of language `index` ("" for the default edition, else "lang/CODE/").
std::string languageDir(size_t index);
// The default edition's entries.
const std::vector<std::pair<std::string, std::string>>& textTable();
// Painters take their words from the language being painted; a missing word fails the build.
void paintLanguage(size_t index);
bool paintedWords();   // whether a painter asked for a word since paintLanguage
std::string say(const std::string& key);
std::vector<std::string> sayLines(const std::string& key);   // cut at "|"
// A painted text wider than its box fails the build; the context's face and size measure it.
void checkFit(cairo_t* cr, const std::string& text, double maxWidth, const std::string& where);
void paintError(const std::string& what);
const std::vector<std::string>& paintErrors();
std::string splashConfig();
// Beyond Latin-1, the dash and quotes the texts use: – ’ ‚ “ „
extern const std::vector<uint32_t> kTypographyCodes;
// Writes a font file from codes 32..126, 160..255 and the typography codes; returns the bytes.
std::vector<uint8_t> buildFont(bool header);

}  // namespace art
