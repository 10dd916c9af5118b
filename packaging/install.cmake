# What `cmake --install` puts where: a plain prefix (bin/, share/morvelle/) or a distribution's games layout.
# The program finds its data from its own folder, so the two folders are fixed here in pairs.
option(MORVELLE_GAMES_LAYOUT "Install the program to games/ and its data to share/games/morvelle/" OFF)
if(MORVELLE_GAMES_LAYOUT)
  set(MORVELLE_INSTALL_BIN games)
  set(MORVELLE_INSTALL_DATA share/games/morvelle)
else()
  set(MORVELLE_INSTALL_BIN bin)
  set(MORVELLE_INSTALL_DATA share/morvelle)
endif()
set(MORVELLE_APP_ID org.morvelle.morvelle)
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

install(TARGETS morvelle RUNTIME DESTINATION ${MORVELLE_INSTALL_BIN})
install(DIRECTORY ${MORVELLE_DATA_DIR}/ DESTINATION ${MORVELLE_INSTALL_DATA} PATTERN saves EXCLUDE)
install(DIRECTORY ${MORVELLE_ICON_DIR}/hicolor DESTINATION share/icons)
install(FILES ${CMAKE_BINARY_DIR}/${MORVELLE_APP_ID}.desktop DESTINATION share/applications)
install(FILES ${CMAKE_BINARY_DIR}/${MORVELLE_APP_ID}.metainfo.xml DESTINATION share/metainfo)
install(FILES ${CMAKE_BINARY_DIR}/morvelle.6 DESTINATION share/man/man6)
