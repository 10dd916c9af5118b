# Sources of the frontend folder, listed one by one.
set(FRONTEND_SOURCES
  frontend/popup.cpp
  frontend/sound_handler.cpp
  frontend/messages.cpp
  frontend/effects.cpp
  frontend/holo.cpp
  frontend/widgets.cpp
  frontend/scene_mainmenu.cpp
  frontend/scene_loadscreen.cpp
)
