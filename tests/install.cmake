# Tests of the installed program: its window on a real X server, the install tree and the Debian package.
# Scripts exit 77 (skipped) when a tool they need is missing; CI installs them all.
add_test(NAME install_real_window_fits_and_clicks
  COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/install/real_window.sh $<TARGET_FILE:morvelle> $<TARGET_FILE:morvelle-harness>)
set_tests_properties(install_real_window_fits_and_clicks PROPERTIES SKIP_RETURN_CODE 77 TIMEOUT 600)
