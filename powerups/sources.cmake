# Sources of the powerups folder, listed one by one.
set(POWERUPS_SOURCES
  powerups/powerups.cpp
)
