# Golden days: one test per case of cases.txt, each comparing a simulated stretch of the pet's
# life with its recording (scripts/golden.sh --update records them anew).
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/cases.txt)
file(STRINGS ${CMAKE_CURRENT_LIST_DIR}/cases.txt golden_cases REGEX "^[A-Za-z0-9]")
foreach(line ${golden_cases})
  string(REGEX MATCH "^[^ \t]+" name "${line}")
  add_test(NAME golden.${name}
    COMMAND ${CMAKE_SOURCE_DIR}/scripts/golden.sh --bin ${TOBBERLY_BIN_DIR} ${name})
  set_tests_properties(golden.${name} PROPERTIES TIMEOUT 300)
endforeach()
