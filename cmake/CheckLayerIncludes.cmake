# Fails when a source of one folder includes a header of a folder that it may not use: the folders
# are layers, and each may include only itself and the layers below it (see docs/architecture.md).
# Run as a script at build time:
#   cmake -DLAYER=widgets -DALLOWED="core;imagelib;desktop;widgets" -DFOLDER=<dir> -DSTAMP=<file>
#         -P CheckLayerIncludes.cmake
# FOLDER holds the layer's sources and headers; STAMP is touched when every include is allowed.
set(wrong "")
file(GLOB files "${FOLDER}/*.h" "${FOLDER}/*.cpp")
foreach(file ${files})
  file(STRINGS "${file}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"[A-Za-z_]+/")
  foreach(line ${includes})
    string(REGEX MATCH "\"([A-Za-z_]+)/([^\"]*)\"" _ "${line}")
    set(folder "${CMAKE_MATCH_1}")
    list(FIND ALLOWED "${folder}" found)
    if(found EQUAL -1)
      get_filename_component(name "${file}" NAME)
      string(APPEND wrong "\n  ${LAYER}/${name} includes ${folder}/${CMAKE_MATCH_2}")
    endif()
  endforeach()
endforeach()
if(wrong)
  string(REPLACE ";" ", " allowed_text "${ALLOWED}")
  message(FATAL_ERROR "An include goes up the layers: ${LAYER} may include only ${allowed_text}.${wrong}")
endif()
file(TOUCH "${STAMP}")
