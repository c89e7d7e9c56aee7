# kelo_module(NAME SOURCES file... LINKS target...): one static library of the program,
# included by module path from src/ ("web/HttpGet.h") and linking LINKS publicly.
function(kelo_module name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LINKS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC ${ARG_LINKS})
endfunction()
