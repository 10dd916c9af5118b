# Sources of the fonts folder, listed one by one.
set(FONTS_SOURCES
  fonts/bitmapfont.cpp
  fonts/textdraw.cpp
  fonts/utf8.cpp
)
