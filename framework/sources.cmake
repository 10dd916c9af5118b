# Sources of the framework folder, listed one by one.
set(FRAMEWORK_SOURCES
  framework/globals.cpp
  framework/scene.cpp
  framework/script_input.cpp
  framework/bild.cpp
  framework/input.cpp
  framework/language.cpp
  framework/math.cpp
  framework/trace.cpp
)
