# Sources of the powerups folder, listed one by one.
set(POWERUPS_SOURCES
  powerups/powerups.cpp
  powerups/remove_line.cpp
  powerups/remove_same_item.cpp
  powerups/replace_all_items.cpp
  powerups/throw_explosive.cpp
)
