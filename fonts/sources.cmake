set(FONTS_SOURCES
  fonts/bitmapfont.cpp
)
