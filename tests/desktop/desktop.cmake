# The programs on a desktop: endings by signal and by a vanished display, one pet per store, and
# the installed tree. They need an X server; where none can be started they are skipped, and say so.
find_program(XDOTOOL xdotool)
find_program(XVFB Xvfb)
find_program(IMPORT import)
# A session manager of our own ends a session around the pet (libSM's server side).
find_library(SM_LIBRARY SM)
find_library(ICE_LIBRARY ICE)
find_path(SM_INCLUDE_DIR X11/SM/SMlib.h)
set(logout_sm "")
if(SM_LIBRARY AND ICE_LIBRARY AND SM_INCLUDE_DIR)
  add_executable(logoutsm ${CMAKE_CURRENT_SOURCE_DIR}/desktop/logoutsm.c)
  set_target_properties(logoutsm PROPERTIES LINKER_LANGUAGE C RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/testbin)
  target_include_directories(logoutsm PRIVATE ${SM_INCLUDE_DIR})
  target_link_libraries(logoutsm PRIVATE ${SM_LIBRARY} ${ICE_LIBRARY})
  set(logout_sm $<TARGET_FILE:logoutsm>)
endif()
if(XDOTOOL AND XVFB AND IMPORT)
  add_test(NAME desktop.endings
    COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/desktop/endings.sh ${TOBBERLY_BIN_DIR} ${logout_sm})
  add_test(NAME desktop.install
    COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/desktop/install.sh ${CMAKE_BINARY_DIR} ${CMAKE_BINARY_DIR}/shots)
  set_tests_properties(desktop.endings desktop.install PROPERTIES TIMEOUT 300
    ENVIRONMENT "LC_ALL=C.UTF-8;TOBBERLY_PACKAGE_TEST=1")
else()
  add_test(NAME desktop.endings COMMAND ${CMAKE_COMMAND} -E echo
    "desktop tests skipped: Xvfb, xdotool or ImageMagick is missing")
endif()
