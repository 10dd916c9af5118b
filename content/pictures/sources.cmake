# Sources of the picture, font, text and story generators.
set(CONTENT_PICTURE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/paint.cpp
  ${CMAKE_CURRENT_LIST_DIR}/manifest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/items.cpp
  ${CMAKE_CURRENT_LIST_DIR}/board.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ui.cpp
  ${CMAKE_CURRENT_LIST_DIR}/scenes.cpp
  ${CMAKE_CURRENT_LIST_DIR}/fonts.cpp
  ${CMAKE_CURRENT_LIST_DIR}/texts.cpp
  ${CMAKE_CURRENT_LIST_DIR}/sheets.cpp
  ${CMAKE_CURRENT_LIST_DIR}/pictures.cpp
)
