# Tests of the generated data tree: the manifest against the built files, texts, fonts, repeatability, boards and bars.
add_executable(content_tests
  ${CMAKE_CURRENT_LIST_DIR}/content_support.cpp
  ${CMAKE_CURRENT_LIST_DIR}/content_manifest_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/content_texts_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/content_fonts_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/content_bars_test.cpp
)
target_link_libraries(content_tests PRIVATE morvelle_content morvelle_game GTest::gtest_main)
target_compile_options(content_tests PRIVATE ${MORVELLE_WARNINGS})
target_compile_definitions(content_tests PRIVATE MORVELLE_TEST_DATA_DIR="${MORVELLE_DATA_DIR}/")
add_dependencies(content_tests morvelle-data)
gtest_discover_tests(content_tests WORKING_DIRECTORY ${CMAKE_BINARY_DIR} DISCOVERY_TIMEOUT 60 PROPERTIES TIMEOUT 300)
