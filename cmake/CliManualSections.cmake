# Writes a help2man include file with the help of each gridlex-cli command, so the manual page
# explains every command as `gridlex-cli COMMAND --help` does.
# Run as: cmake -DCLI=path/to/gridlex-cli -DOUTPUT=file -P CliManualSections.cmake
set(text "[COMMANDS IN DETAIL]\n")
foreach(command extract fill generate build dict show export import-ipuz series)
  execute_process(COMMAND ${CLI} ${command} --help OUTPUT_VARIABLE help RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${CLI} ${command} --help failed: ${status}")
  endif()
  string(REPLACE "\\" "\\e" help "${help}")
  string(REGEX REPLACE "(^|\n)([.'])" "\\1\\\\&\\2" help "${help}")
  string(APPEND text ".SS ${command}\n.nf\n${help}.fi\n")
endforeach()
file(WRITE ${OUTPUT} "${text}")
