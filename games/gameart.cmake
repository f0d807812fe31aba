# The games' pictures are drawn at build time by artgen (target art) into build/gameart and
# compiled into the game pack as resources under :/gameart/.
set(GAMEART_DIR ${CMAKE_BINARY_DIR}/gameart)
set(gameart_names panel0.png panel1.png panel2.png panel3.png panel4.png panel5.png panel6.png
    flip1.png flip2.png flip3.png flip4.png flip5.png flip6.png
    look1.png look2.png look3.png look4.png look5.png look6.png look7.png look8.png
    look9.png look10.png look11.png look12.png look13.png look14.png look15.png look16.png
    chain1.png chain2.png chain3.png chain4.png chain5.png chain6.png)
list(TRANSFORM gameart_names PREPEND ${GAMEART_DIR}/ OUTPUT_VARIABLE gameart_files)
set_source_files_properties(${gameart_files} PROPERTIES GENERATED TRUE)
qt_add_resources(gameui gameart PREFIX /gameart BASE ${GAMEART_DIR} FILES ${gameart_files}
                 OUTPUT_TARGETS gameart_targets)
# The resource compiler must wait for the pictures, in parallel builds too.
add_dependencies(gameui art)
foreach(t ${gameart_targets})
  add_dependencies(${t} art)
endforeach()
