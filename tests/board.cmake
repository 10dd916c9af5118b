# Tests of a whole level: scoring, victory, and scripted runs through the harness.
add_executable(board_tests
  ${CMAKE_CURRENT_LIST_DIR}/board_scene_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/board_play_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/powerups_play_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/board_keys_play_test.cpp
)
target_link_libraries(board_tests PRIVATE morvelle_game GTest::gtest_main)
target_compile_options(board_tests PRIVATE ${MORVELLE_WARNINGS})
target_compile_definitions(board_tests PRIVATE
  MORVELLE_HARNESS_BIN="$<TARGET_FILE:morvelle-harness>"
  MORVELLE_DATA_DIR="${CMAKE_BINARY_DIR}/data/")
add_dependencies(board_tests morvelle-harness morvelle-data)
gtest_discover_tests(board_tests WORKING_DIRECTORY ${CMAKE_BINARY_DIR} DISCOVERY_TIMEOUT 60 PROPERTIES TIMEOUT 600)
