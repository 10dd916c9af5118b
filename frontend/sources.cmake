set(FRONTEND_SOURCES
  frontend/popup.cpp
  frontend/sound_handler.cpp
  frontend/messages.cpp
  frontend/holo.cpp
  frontend/scene_mainmenu.cpp
  frontend/scene_loadscreen.cpp
)
