# Sources of the match3 folder, listed one by one.
set(MATCH3_SOURCES
  match3/scene_match3.cpp
  match3/board_links.cpp
  match3/board_model.cpp
  match3/board_moves.cpp
  match3/board_removal.cpp
  match3/board_obstacles.cpp
  match3/board_hints.cpp
  match3/board_cursor.cpp
  match3/meteor.cpp
  match3/board_scoring.cpp
  match3/board_frame.cpp
)
