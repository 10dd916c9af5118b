# What `cmake --install` puts where, and the Debian package cpack builds from it.
# The program finds its data at ../share/morvelle from bin/, so both folders are fixed here.
set(MORVELLE_APP_ID org.morvelle.Morvelle)
set(MORVELLE_RELEASE_DATE 2026-12-09)
set(MORVELLE_ICON_DIR ${CMAKE_BINARY_DIR}/icons)

set(MORVELLE_ICON_STAMP ${CMAKE_BINARY_DIR}/icons.stamp)
add_custom_command(
  OUTPUT ${MORVELLE_ICON_STAMP}
  COMMAND morvelle-content ${MORVELLE_ICON_DIR} icons ${MORVELLE_APP_ID}
  COMMAND ${CMAKE_COMMAND} -E touch ${MORVELLE_ICON_STAMP}
  DEPENDS morvelle-content
  COMMENT "Drawing the desktop icons"
  VERBATIM)
add_custom_target(morvelle-icons ALL DEPENDS ${MORVELLE_ICON_STAMP})

configure_file(${CMAKE_CURRENT_LIST_DIR}/morvelle.desktop.in ${CMAKE_BINARY_DIR}/${MORVELLE_APP_ID}.desktop @ONLY)
configure_file(${CMAKE_CURRENT_LIST_DIR}/morvelle.metainfo.xml.in ${CMAKE_BINARY_DIR}/${MORVELLE_APP_ID}.metainfo.xml @ONLY)
configure_file(${CMAKE_CURRENT_LIST_DIR}/morvelle.6.in ${CMAKE_BINARY_DIR}/morvelle.6 @ONLY)

install(TARGETS morvelle RUNTIME DESTINATION bin)
install(DIRECTORY ${MORVELLE_DATA_DIR}/ DESTINATION share/morvelle PATTERN saves EXCLUDE)
install(DIRECTORY ${MORVELLE_ICON_DIR}/hicolor DESTINATION share/icons)
install(FILES ${CMAKE_BINARY_DIR}/${MORVELLE_APP_ID}.desktop DESTINATION share/applications)
install(FILES ${CMAKE_BINARY_DIR}/${MORVELLE_APP_ID}.metainfo.xml DESTINATION share/metainfo)
install(FILES ${CMAKE_BINARY_DIR}/morvelle.6 DESTINATION share/man/man6)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME morvelle)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Morvelle developers")
set(CPACK_PACKAGE_CONTACT "Morvelle developers <games@morvelle.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "match-3 puzzle game with a campaign of eighty levels")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Swap gems into lines of three across eight lands of a lost continent:
clear moss, break stones and doors, set off bombs, charge four power-ups
and hit the passing meteor. Story pages open every chapter, and every
player profile keeps its place, its points and an unfinished level.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# the runtime dependencies come from the shared libraries the program actually links
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
include(CPack)
