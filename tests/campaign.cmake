# Tests of the campaign: profiles and their files.
add_executable(campaign_tests
  ${CMAKE_CURRENT_LIST_DIR}/campaign_profile_test.cpp
)
target_link_libraries(campaign_tests PRIVATE morvelle_game GTest::gtest_main)
target_compile_options(campaign_tests PRIVATE ${MORVELLE_WARNINGS})
gtest_discover_tests(campaign_tests WORKING_DIRECTORY ${CMAKE_BINARY_DIR} DISCOVERY_TIMEOUT 60)
