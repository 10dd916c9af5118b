// The room each text of the table gets on its screen, for every language: the text-fit test measures against it.
#pragma once

#include <vector>

// The dialogs' pictures and buttons, in screen pixels.
constexpr int POPUP_SMALL_W = 500;
constexpr int POPUP_MEDIUM_W = 580;
constexpr int POPUP_BIG_W = 800;
constexpr int GLASS_BUTTON_W = 172;
constexpr int HOLO_BUTTON_W = 200;
// What a popup's frame leaves for its body text and for its title.
constexpr int POPUP_BODY_MARGIN = 30;
constexpr int POPUP_TITLE_MARGIN = 60;
// A caption keeps this much of its button clear at each end.
constexpr int BUTTON_CAPTION_MARGIN = 12;

enum class TextBoxFont { Text, Header };

struct TTextBox {
    const char* key;
    TextBoxFont font;
    int width;        // every line at most this wide
    int lines;        // at most this many lines ("%n" breaks one)
    int reserve;      // pixels the screen adds on the same line (a number, a name)
    bool capitals = false;   // drawn in capitals
};

// Every key of the text table, once.
const std::vector<TTextBox>& textBoxes();
