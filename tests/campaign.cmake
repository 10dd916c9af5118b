# Tests of the campaign: profiles and their files, and the campaign scenes in the running game.
add_executable(campaign_tests
  ${CMAKE_CURRENT_LIST_DIR}/campaign_profile_test.cpp
)
target_link_libraries(campaign_tests PRIVATE morvelle_game GTest::gtest_main)
target_compile_options(campaign_tests PRIVATE ${MORVELLE_WARNINGS})
gtest_discover_tests(campaign_tests WORKING_DIRECTORY ${CMAKE_BINARY_DIR} DISCOVERY_TIMEOUT 60)

# Tests of the campaign's scenes in the running game: level map, main menu, intro and story, player menu.
add_executable(campaign_scene_tests
  ${CMAKE_CURRENT_LIST_DIR}/campaign_support.cpp
  ${CMAKE_CURRENT_LIST_DIR}/campaign_map_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/campaign_story_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/campaign_players_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/campaign_help_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/campaign_focus_test.cpp
)
target_link_libraries(campaign_scene_tests PRIVATE morvelle_game GTest::gtest_main)
target_compile_options(campaign_scene_tests PRIVATE ${MORVELLE_WARNINGS})
target_compile_definitions(campaign_scene_tests PRIVATE MORVELLE_DATA_DIR="${CMAKE_BINARY_DIR}/data/")
add_dependencies(campaign_scene_tests morvelle-data)
gtest_discover_tests(campaign_scene_tests WORKING_DIRECTORY ${CMAKE_BINARY_DIR} DISCOVERY_TIMEOUT 60 PROPERTIES TIMEOUT 300)

# The whole game from an empty save folder, played in-process and replayed through the harness binary.
add_executable(campaign_play_tests ${CMAKE_CURRENT_LIST_DIR}/campaign_play_test.cpp)
target_link_libraries(campaign_play_tests PRIVATE morvelle_game GTest::gtest_main)
target_compile_options(campaign_play_tests PRIVATE ${MORVELLE_WARNINGS})
target_compile_definitions(campaign_play_tests PRIVATE
  MORVELLE_HARNESS_BIN="$<TARGET_FILE:morvelle-harness>"
  MORVELLE_DATA_DIR="${CMAKE_BINARY_DIR}/data/")
add_dependencies(campaign_play_tests morvelle-harness morvelle-data)
gtest_discover_tests(campaign_play_tests WORKING_DIRECTORY ${CMAKE_BINARY_DIR} DISCOVERY_TIMEOUT 60 PROPERTIES TIMEOUT 900)

# The campaign bot, shared by the curve's tests and bench/curve.
add_library(morvelle_bot STATIC ${CMAKE_CURRENT_LIST_DIR}/campaign_bot.cpp ${CMAKE_CURRENT_LIST_DIR}/campaign_curve.cpp)
target_link_libraries(morvelle_bot PUBLIC morvelle_game)
target_compile_options(morvelle_bot PRIVATE ${MORVELLE_WARNINGS})

# The campaign proven by play: the curve's rules and a sample of levels won; the soak when asked for.
add_executable(campaign_curve_tests ${CMAKE_CURRENT_LIST_DIR}/campaign_curve_test.cpp)
target_link_libraries(campaign_curve_tests PRIVATE morvelle_bot GTest::gtest_main)
target_compile_options(campaign_curve_tests PRIVATE ${MORVELLE_WARNINGS})
target_compile_definitions(campaign_curve_tests PRIVATE MORVELLE_DATA_DIR="${CMAKE_BINARY_DIR}/data/")
add_dependencies(campaign_curve_tests morvelle-data)
gtest_discover_tests(campaign_curve_tests WORKING_DIRECTORY ${CMAKE_BINARY_DIR} DISCOVERY_TIMEOUT 60 PROPERTIES TIMEOUT 900)
