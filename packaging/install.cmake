# `make install` (cmake --install): the launcher, the two programs, the data,
# the desktop entry with its icons, the AppStream metainfo, the manual page and
# the copyright, in the layout set in the top CMakeLists.txt. DESTDIR is
# honoured as usual. The desktop entry and the metainfo are named after the
# game's AppStream id, org.example.pelvaro.
configure_file(${CMAKE_CURRENT_LIST_DIR}/pelvaro.in ${CMAKE_BINARY_DIR}/pelvaro @ONLY)
install(PROGRAMS ${CMAKE_BINARY_DIR}/pelvaro DESTINATION ${PELVARO_LAUNCHER_INSTALL_DIR})
install(TARGETS game_de game_en RUNTIME DESTINATION ${PELVARO_PROGRAMS_INSTALL_DIR})
# Only the data the game reads (as checksums.txt lists it): no state files,
# saved games or settings of a player who ran the game in the build folder.
install(DIRECTORY ${PELVARO_DATA_DIR}/ DESTINATION ${PELVARO_DATA_INSTALL_DIR}
        FILE_PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ
        FILES_MATCHING PATTERN "*.dat" PATTERN "*.mid" PATTERN "*.wav" PATTERN "*.flc" PATTERN "checksums.txt"
        PATTERN "sav" EXCLUDE)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/org.example.pelvaro.desktop DESTINATION share/applications)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/org.example.pelvaro.metainfo.xml DESTINATION share/metainfo)
foreach(size ${PELVARO_ICON_SIZES})
  install(FILES ${PELVARO_ICON_DIR}/pelvaro-${size}.png DESTINATION share/icons/hicolor/${size}x${size}/apps
          RENAME pelvaro.png)
endforeach()
install(FILES ${CMAKE_CURRENT_LIST_DIR}/pelvaro.6 DESTINATION share/man/man6)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/debian/copyright DESTINATION share/doc/pelvaro)
# Last: what this install put where, relative to its prefix, for `make uninstall` (packaging/uninstall.sh). It is
# CMake's own list of the files installed above (named under the prefix, without DESTDIR), so nothing is listed
# twice; made relative, it holds for any PREFIX and DESTDIR (the package's install into its own root writes the
# same list).
install(CODE "
  set(pelvaro_installed \"\")
  foreach(path IN LISTS CMAKE_INSTALL_MANIFEST_FILES)
    file(RELATIVE_PATH relative \"\${CMAKE_INSTALL_PREFIX}\" \"\${path}\")
    string(APPEND pelvaro_installed \"\${relative}\\n\")
  endforeach()
  file(WRITE \"${CMAKE_BINARY_DIR}/installed_files.txt\" \"\${pelvaro_installed}\")")
