# Sources of the audio synthesizer of the content tool.
set(CONTENT_AUDIO_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/audio.cpp
  ${CMAKE_CURRENT_LIST_DIR}/dsp.cpp
  ${CMAKE_CURRENT_LIST_DIR}/voices.cpp
  ${CMAKE_CURRENT_LIST_DIR}/effects.cpp
  ${CMAKE_CURRENT_LIST_DIR}/music.cpp
)
