# Sources of the levels folder, listed one by one.
set(CONTENT_LEVEL_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/levels.cpp
)
