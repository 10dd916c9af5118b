# Sources of the platform folder, listed one by one.
set(PLATFORM_SOURCES
  platform/sys_canvas.cpp
  platform/sys_display.cpp
  platform/sys_image.cpp
  platform/sys_audio.cpp
  platform/sys_input.cpp
  platform/sys_pad.cpp
  platform/sys_files.cpp
  platform/sys_misc.cpp
  platform/sys_paint.cpp
  platform/sys_process.cpp
)
