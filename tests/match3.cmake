# Tests of the board rules and of the campaign's level files.
add_executable(match3_tests
  ${CMAKE_CURRENT_LIST_DIR}/match3_model_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/match3_moves_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/match3_rules_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/match3_refill_test.cpp
)
target_link_libraries(match3_tests PRIVATE morvelle_game GTest::gtest_main)
target_compile_options(match3_tests PRIVATE ${MORVELLE_WARNINGS})
gtest_discover_tests(match3_tests WORKING_DIRECTORY ${CMAKE_BINARY_DIR} DISCOVERY_TIMEOUT 60)

add_executable(match3_levels_tests ${CMAKE_CURRENT_LIST_DIR}/match3_levels_test.cpp)
target_link_libraries(match3_levels_tests PRIVATE morvelle_content morvelle_game GTest::gtest_main)
target_compile_options(match3_levels_tests PRIVATE ${MORVELLE_WARNINGS})
gtest_discover_tests(match3_levels_tests WORKING_DIRECTORY ${CMAKE_BINARY_DIR} DISCOVERY_TIMEOUT 60)
