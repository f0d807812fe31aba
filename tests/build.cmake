# Tests of the build itself: the tree also builds with Ninja (see build/ninja.sh). It builds in a
# folder of its own that is kept between runs, so only the first run compiles everything.
add_test(NAME build.ninja
  COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/build/ninja.sh ${CMAKE_SOURCE_DIR} ${CMAKE_BINARY_DIR}/ninja-check)
set_tests_properties(build.ninja PROPERTIES TIMEOUT 1200 SKIP_RETURN_CODE 77)
add_test(NAME build.petparts
  COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${CMAKE_SOURCE_DIR} -P ${CMAKE_CURRENT_SOURCE_DIR}/build/petparts.cmake)
