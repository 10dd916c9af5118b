# Tests of the front-end: fonts, sounds and music, shared resources, holo buttons and floating messages.
add_executable(frontend_tests
  ${CMAKE_CURRENT_LIST_DIR}/frontend_support.cpp
  ${CMAKE_CURRENT_LIST_DIR}/frontend_font_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/frontend_sound_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/frontend_widgets_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/frontend_effects_test.cpp
)
target_link_libraries(frontend_tests PRIVATE morvelle_game GTest::gtest_main)
target_compile_options(frontend_tests PRIVATE ${MORVELLE_WARNINGS})
gtest_discover_tests(frontend_tests WORKING_DIRECTORY ${CMAKE_BINARY_DIR} DISCOVERY_TIMEOUT 60)
