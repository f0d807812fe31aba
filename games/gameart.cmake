# The games' pictures are drawn at build time by artgen (target art) into build/gameart and
# compiled into the game pack as resources under :/gameart/, each at 1x and 2x (name@2x.png).
# The list of files comes from tools/artgen/outputs.txt.
set(GAMEART_DIR ${CMAKE_BINARY_DIR}/gameart)
get_property(gameart_files GLOBAL PROPERTY TOBBERLY_GAMEART_FILES)
set_source_files_properties(${gameart_files} PROPERTIES GENERATED TRUE)
qt_add_resources(gameui gameart PREFIX /gameart BASE ${GAMEART_DIR} FILES ${gameart_files}
                 OUTPUT_TARGETS gameart_targets)
# The resource compiler must wait for the pictures, in parallel builds too.
add_dependencies(gameui art)
foreach(t ${gameart_targets})
  add_dependencies(${t} art)
endforeach()
