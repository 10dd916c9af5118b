# Tests of the synthesized sound effects and music titles.
add_executable(audio_tests ${CMAKE_CURRENT_LIST_DIR}/audio_files_test.cpp)
target_link_libraries(audio_tests PRIVATE morvelle_content PkgConfig::VORBISFILE GTest::gtest_main)
target_compile_options(audio_tests PRIVATE ${MORVELLE_WARNINGS})
# One process for the whole suite, so that the audio tree is generated once and shared by its tests.
add_test(NAME audio_tests COMMAND audio_tests)
set_tests_properties(audio_tests PROPERTIES TIMEOUT 300)
