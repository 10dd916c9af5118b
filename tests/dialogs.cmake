# Tests of the dialogs, the settings and the best times, on the generated data tree.
add_executable(dialogs_tests
  ${CMAKE_CURRENT_LIST_DIR}/dialogs_support.cpp
  ${CMAKE_CURRENT_LIST_DIR}/dialogs_driver_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/dialogs_forms_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/dialogs_records_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/dialogs_harness_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/dialogs_language_test.cpp
)
target_link_libraries(dialogs_tests PRIVATE morvelle_game GTest::gtest_main)
target_compile_options(dialogs_tests PRIVATE ${MORVELLE_WARNINGS})
target_compile_definitions(dialogs_tests PRIVATE
  MORVELLE_HARNESS_BIN="$<TARGET_FILE:morvelle-harness>"
  MORVELLE_DATA_DIR="${CMAKE_BINARY_DIR}/data/")
add_dependencies(dialogs_tests morvelle-harness morvelle-data)
gtest_discover_tests(dialogs_tests WORKING_DIRECTORY ${CMAKE_BINARY_DIR} DISCOVERY_TIMEOUT 60 PROPERTIES TIMEOUT 300)
