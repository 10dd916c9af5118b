# Tests of the installed program: the install tree with its window on a real X server, and the Debian package
# (built, installed, started and purged when MORVELLE_TEST_DEB=1).
# Scripts exit 77 (skipped) when a tool they need is missing; CI installs them all.
add_test(NAME install_tree_and_real_window
  COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/install/installed.sh ${CMAKE_BINARY_DIR} $<TARGET_FILE:morvelle-harness>)
add_test(NAME install_debian_package COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/install/package.sh
  ${CMAKE_SOURCE_DIR} ${CMAKE_BINARY_DIR} $<TARGET_FILE:morvelle-harness>)
add_test(NAME install_second_copy_wakes_the_first
  COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/install/second_copy.sh $<TARGET_FILE:morvelle>)
add_test(NAME campaign_whole_game_real_window
  COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/install/campaign_window.sh ${CMAKE_BINARY_DIR} $<TARGET_FILE:morvelle-harness>)
add_test(NAME campaign_keys_only_real_window
  COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/install/keys_window.sh ${CMAKE_BINARY_DIR} $<TARGET_FILE:morvelle-harness>)
set_tests_properties(install_tree_and_real_window install_debian_package install_second_copy_wakes_the_first
  campaign_whole_game_real_window campaign_keys_only_real_window
  PROPERTIES SKIP_RETURN_CODE 77 TIMEOUT 900)
# a whole package build on two shared cores, when MORVELLE_TEST_DEB=1 asks for it
set_tests_properties(install_debian_package PROPERTIES TIMEOUT 5400)

add_executable(install_tests ${CMAKE_CURRENT_LIST_DIR}/install_launch_test.cpp)
target_link_libraries(install_tests PRIVATE morvelle_game GTest::gtest_main)
target_compile_options(install_tests PRIVATE ${MORVELLE_WARNINGS})
target_compile_definitions(install_tests PRIVATE
  MORVELLE_GAME_BIN="$<TARGET_FILE:morvelle>"
  MORVELLE_HARNESS_BIN="$<TARGET_FILE:morvelle-harness>")
add_dependencies(install_tests morvelle morvelle-harness)
gtest_discover_tests(install_tests WORKING_DIRECTORY ${CMAKE_BINARY_DIR} DISCOVERY_TIMEOUT 60 PROPERTIES TIMEOUT 400)
