# The programs on a desktop: endings by signal and by a vanished display, one pet per store, and
# the installed tree. They need an X server; where none can be started they are skipped, and say so.
find_program(XDOTOOL xdotool)
find_program(XVFB Xvfb)
find_program(IMPORT import)
if(XDOTOOL AND XVFB AND IMPORT)
  add_test(NAME desktop.endings
    COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/desktop/endings.sh ${TOBBERLY_BIN_DIR})
  add_test(NAME desktop.install
    COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/desktop/install.sh ${CMAKE_BINARY_DIR} ${CMAKE_BINARY_DIR}/shots)
  set_tests_properties(desktop.endings desktop.install PROPERTIES TIMEOUT 300
    ENVIRONMENT "LC_ALL=C.UTF-8;TOBBERLY_PACKAGE_TEST=1")
else()
  add_test(NAME desktop.endings COMMAND ${CMAKE_COMMAND} -E echo
    "desktop tests skipped: Xvfb, xdotool or ImageMagick is missing")
endif()
