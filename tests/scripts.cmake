# End-to-end journeys: the real programs under a virtual display, driven with xdotool. They run
# when a display server can be started here, and say so plainly when it cannot.
find_package(X11)
find_program(XVFB_RUN xvfb-run)
find_program(XDOTOOL xdotool)
find_program(IMPORT import)
if(X11_FOUND)
  add_executable(xclose ${CMAKE_CURRENT_SOURCE_DIR}/e2e/xclose.c)
  set_target_properties(xclose PROPERTIES LINKER_LANGUAGE C RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/testbin)
  target_link_libraries(xclose PRIVATE ${X11_LIBRARIES})
  target_include_directories(xclose PRIVATE ${X11_INCLUDE_DIR})
  add_executable(xwmstate ${CMAKE_CURRENT_SOURCE_DIR}/e2e/xwmstate.c)
  set_target_properties(xwmstate PROPERTIES LINKER_LANGUAGE C RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/testbin)
  target_link_libraries(xwmstate PRIVATE ${X11_LIBRARIES})
  target_include_directories(xwmstate PRIVATE ${X11_INCLUDE_DIR})
endif()
if(X11_FOUND AND XVFB_RUN AND XDOTOOL AND IMPORT)
  # The pet's picture put together in the X server, against the painter's, at 1x and at 2x.
  add_test(NAME pet.tst_servercanvas-x
    COMMAND ${XVFB_RUN} -a -s "-screen 0 1280x800x24 -noreset" $<TARGET_FILE:tst_servercanvas>)
  set_tests_properties(pet.tst_servercanvas-x PROPERTIES TIMEOUT 300
    ENVIRONMENT "QT_QPA_PLATFORM=xcb;LC_ALL=C.UTF-8")
  add_test(NAME pet.tst_servercanvas-x2
    COMMAND ${XVFB_RUN} -a -s "-screen 0 2560x1600x24 -noreset" $<TARGET_FILE:tst_servercanvas>)
  set_tests_properties(pet.tst_servercanvas-x2 PROPERTIES TIMEOUT 300
    ENVIRONMENT "QT_QPA_PLATFORM=xcb;LC_ALL=C.UTF-8;QT_SCALE_FACTOR=2")
  add_test(NAME e2e.journeys
    COMMAND ${XVFB_RUN} -a -s "-screen 0 1280x800x24 -noreset"
            ${CMAKE_CURRENT_SOURCE_DIR}/e2e/journeys.sh ${TOBBERLY_BIN_DIR} ${CMAKE_BINARY_DIR}/testbin
            ${CMAKE_BINARY_DIR}/shots)
  set_tests_properties(e2e.journeys PROPERTIES TIMEOUT 600 RUN_SERIAL TRUE ENVIRONMENT "LC_ALL=C.UTF-8")
  # The same and more on a desktop with a window manager: one display per manager.
  foreach(wm openbox xfwm4)
    find_program(WM_${wm} ${wm})
    if(WM_${wm})
      add_test(NAME e2e.${wm}
        COMMAND ${XVFB_RUN} -a -s "-screen 0 1280x800x24 -noreset"
                ${CMAKE_CURRENT_SOURCE_DIR}/e2e/underwm.sh ${wm} ${TOBBERLY_BIN_DIR} ${CMAKE_BINARY_DIR}/testbin
                ${CMAKE_BINARY_DIR}/shots)
      set_tests_properties(e2e.${wm} PROPERTIES TIMEOUT 600 RUN_SERIAL TRUE ENVIRONMENT "LC_ALL=C.UTF-8")
      # The desktop journeys again on a screen scaled 2x, twice as large.
      add_test(NAME e2e.${wm}-2x
        COMMAND ${XVFB_RUN} -a -s "-screen 0 2560x1600x24 -noreset"
                ${CMAKE_CURRENT_SOURCE_DIR}/e2e/underwm.sh ${wm} ${TOBBERLY_BIN_DIR} ${CMAKE_BINARY_DIR}/testbin
                ${CMAKE_BINARY_DIR}/shots)
      set_tests_properties(e2e.${wm}-2x PROPERTIES TIMEOUT 600 RUN_SERIAL TRUE
        ENVIRONMENT "LC_ALL=C.UTF-8;QT_SCALE_FACTOR=2")
    endif()
  endforeach()
else()
  # Without a display server the journeys cannot run: ctest reports them as skipped, with the
  # reason in their output, never as passed.
  set(missing)
  foreach(need X11_FOUND XVFB_RUN XDOTOOL IMPORT)
    if(NOT ${need})
      list(APPEND missing ${need})
    endif()
  endforeach()
  string(REPLACE ";" ", " missing "${missing}")
  add_test(NAME e2e.journeys COMMAND ${CMAKE_COMMAND} -E echo
    "end-to-end journeys skipped: missing ${missing} (xvfb-run, xdotool, ImageMagick's import, the X11 headers)")
  set_tests_properties(e2e.journeys PROPERTIES SKIP_REGULAR_EXPRESSION "end-to-end journeys skipped")
endif()
