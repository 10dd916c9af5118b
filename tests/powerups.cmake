# Tests of the power-ups and the meteor on crafted boards.
add_executable(powerups_tests
  ${CMAKE_CURRENT_LIST_DIR}/powerups_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/meteor_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/board_cursor_test.cpp
)
target_link_libraries(powerups_tests PRIVATE morvelle_game GTest::gtest_main)
target_compile_options(powerups_tests PRIVATE ${MORVELLE_WARNINGS})
gtest_discover_tests(powerups_tests WORKING_DIRECTORY ${CMAKE_BINARY_DIR} DISCOVERY_TIMEOUT 60)
