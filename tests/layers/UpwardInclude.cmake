# cmake -P: compiles, with the include roots of one layer, a file that includes a header of that
# layer (it must compile) and one that includes a header of the layer above (it must not: the
# header is not found).
#   -DCOMPILER=... -DROOTS=dir;dir -DOWN=core/Puzzle.h -DABOVE=files/PuzzleFile.h -DWORK=dir
cmake_minimum_required(VERSION 3.25)
set(flags -std=c++20 -fsyntax-only)
foreach(root ${ROOTS})
  list(APPEND flags -I${root})
endforeach()
foreach(kind OWN ABOVE)
  set(source ${WORK}/${kind}.cpp)
  file(WRITE ${source} "#include \"${${kind}}\"\n")
  execute_process(COMMAND ${COMPILER} ${flags} ${source} RESULT_VARIABLE result ERROR_VARIABLE error)
  if(kind STREQUAL "OWN" AND NOT result EQUAL 0)
    message(FATAL_ERROR "${OWN} does not compile with its own layer's roots:\n${error}")
  endif()
  if(kind STREQUAL "ABOVE" AND (result EQUAL 0 OR NOT error MATCHES "No such file|file not found"))
    message(FATAL_ERROR "${ABOVE} can be included from the layer below it:\n${error}")
  endif()
endforeach()
