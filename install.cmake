# The installed tree (cmake --install, make install, the Debian package):
#   bin/lunetta, bin/korrigo
#   share/tobberly/{gif,dat,icons}         what the programs read, found from ../share/tobberly
#   share/applications/lunetta.desktop      the menu entry
#   share/icons/hicolor/<n>x<n>/apps/lunetta.png
#   share/metainfo/org.tobberly.lunetta.metainfo.xml
install(TARGETS lunetta korrigo RUNTIME DESTINATION bin)
install(DIRECTORY ${TOBBERLY_BIN_DIR}/gif ${TOBBERLY_BIN_DIR}/dat ${TOBBERLY_BIN_DIR}/icons
        DESTINATION share/tobberly)
# The menu entry names the installed program by its full path: a menu started from a session
# whose PATH lacks PREFIX/bin (~/.local/bin often) still finds it.
install(CODE "set(tobberly_entry_source \"${CMAKE_SOURCE_DIR}/data/lunetta.desktop\")")
install(CODE [[
  set(program "${CMAKE_INSTALL_PREFIX}/bin/lunetta")
  if(program MATCHES "[^A-Za-z0-9/._+,:@-]")
    string(REGEX REPLACE "([\"`$\\])" "\\\\\\1" program "${program}")
    set(program "\"${program}\"")
    string(REPLACE "\\" "\\\\" program "${program}")
  endif()
  string(REPLACE "%" "%%" program "${program}")
  file(READ "${tobberly_entry_source}" entry)
  string(REPLACE "\nExec=lunetta\n" "\nExec=${program}\n" entry "${entry}")
  set(target "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/share/applications/lunetta.desktop")
  message(STATUS "Installing: ${target}")
  file(WRITE "${target}" "${entry}")
]])
foreach(size 48 128 256)
  install(FILES ${TOBBERLY_BIN_DIR}/icons/lunetta-${size}.png
          DESTINATION share/icons/hicolor/${size}x${size}/apps RENAME lunetta.png)
endforeach()
install(FILES ${CMAKE_SOURCE_DIR}/data/org.tobberly.lunetta.metainfo.xml DESTINATION share/metainfo)

# make package: a Debian package for /usr that names the Debian packages it needs.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tobberly)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Tobberly <tobberly@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "ピモといっしょ: a pet who lives through your day on the desktop")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libqt6core6 (>= 6.4), libqt6gui6 (>= 6.4), libqt6widgets6 (>= 6.4), qt6-qpa-plugins, libc6, libstdc++6")
# Japanese text needs a Japanese font; Qt's own Japanese texts for its standard buttons.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-noto-cjk, qt6-translations-l10n")
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/package)
include(CPack)
