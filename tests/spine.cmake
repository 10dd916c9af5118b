# Tests of the platform layer, the framework, the application shell and the harness.
add_executable(spine_tests
  ${CMAKE_CURRENT_LIST_DIR}/spine_platform_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/spine_framework_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/spine_app_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/spine_harness_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/spine_hostile_test.cpp
)
target_link_libraries(spine_tests PRIVATE morvelle_game GTest::gtest_main PkgConfig::JPEG)
target_compile_options(spine_tests PRIVATE ${MORVELLE_WARNINGS})
target_compile_definitions(spine_tests PRIVATE
  MORVELLE_GAME_BIN="$<TARGET_FILE:morvelle>"
  MORVELLE_HARNESS_BIN="$<TARGET_FILE:morvelle-harness>"
  MORVELLE_DATA_DIR="${CMAKE_BINARY_DIR}/data/")
add_dependencies(spine_tests morvelle morvelle-harness morvelle-data)
# the memory ceilings do not hold with the sanitizers' shadow memory
if(MORVELLE_SANITIZE)
  target_compile_definitions(spine_tests PRIVATE MORVELLE_SANITIZED)
endif()
gtest_discover_tests(spine_tests WORKING_DIRECTORY ${CMAKE_BINARY_DIR} DISCOVERY_TIMEOUT 60)
# The include graph between the folders: app/ on top, no new cycle.
add_test(NAME spine_include_graph COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/include_graph.sh)
# Painting in changes on SDL's software renderer, whose target keeps its pixels between presents.
add_executable(paint_tests ${CMAKE_CURRENT_LIST_DIR}/spine_paint_test.cpp)
target_link_libraries(paint_tests PRIVATE morvelle_game GTest::gtest_main)
target_compile_options(paint_tests PRIVATE ${MORVELLE_WARNINGS})
gtest_discover_tests(paint_tests WORKING_DIRECTORY ${CMAKE_BINARY_DIR} DISCOVERY_TIMEOUT 60)
