set(POWERUPS_SOURCES
  powerups/powerups.cpp
)
