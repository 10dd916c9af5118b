# Sources of the app folder, listed one by one.
set(APP_SOURCES
  app/globals.cpp
  app/mainloop.cpp
  app/input.cpp
  app/resources.cpp
  app/launch.cpp
)
