set(MATCH3_SOURCES
  match3/scene_match3.cpp
)
