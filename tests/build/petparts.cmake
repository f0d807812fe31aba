# The pet's parts include one another one way only. Each folder may include the folders listed
# for it and nothing else of the pet, so no circle can form:
#   model   -> (none)          events  -> model           dialogs -> model
#   core    -> model, events, dialogs                     windows -> model, core, dialogs
# Run with: cmake -DSOURCE_DIR=<tree> -P petparts.cmake
cmake_minimum_required(VERSION 3.25)
set(allowed_model "model")
set(allowed_events "model;events")
set(allowed_dialogs "model;dialogs")
set(allowed_core "model;events;dialogs;core")
set(allowed_windows "model;core;dialogs;windows")
set(faults 0)
foreach(part model events dialogs core windows)
  file(GLOB sources ${SOURCE_DIR}/pet/${part}/*.cpp ${SOURCE_DIR}/pet/${part}/*.h)
  foreach(src ${sources})
    file(STRINGS ${src} includes REGEX "^[ \t]*#[ \t]*include[ \t]+\"pet/")
    foreach(line ${includes})
      string(REGEX REPLACE ".*\"pet/([^/]+)/.*" "\\1" target "${line}")
      if(NOT target IN_LIST allowed_${part})
        message(SEND_ERROR "${src}: pet/${part} must not include pet/${target}")
        math(EXPR faults "${faults} + 1")
      endif()
    endforeach()
  endforeach()
endforeach()
if(faults EQUAL 0)
  message(STATUS "the pet's parts include one way")
endif()
