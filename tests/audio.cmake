# Tests of the synthesized sound effects and music titles.
add_executable(audio_tests ${CMAKE_CURRENT_LIST_DIR}/audio_files_test.cpp)
target_link_libraries(audio_tests PRIVATE morvelle_content PkgConfig::VORBISFILE GTest::gtest_main)
target_compile_options(audio_tests PRIVATE ${MORVELLE_WARNINGS})
gtest_discover_tests(audio_tests DISCOVERY_TIMEOUT 60 PROPERTIES TIMEOUT 300)
