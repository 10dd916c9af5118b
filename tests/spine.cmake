# Tests of the platform layer, the framework and the application shell.
add_executable(spine_tests
  ${CMAKE_CURRENT_LIST_DIR}/spine_platform_test.cpp
)
target_link_libraries(spine_tests PRIVATE morvelle_game GTest::gtest_main)
target_compile_options(spine_tests PRIVATE ${MORVELLE_WARNINGS})
gtest_discover_tests(spine_tests WORKING_DIRECTORY ${CMAKE_BINARY_DIR} DISCOVERY_TIMEOUT 60)
