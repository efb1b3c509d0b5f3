# Writes the help of every command of the glyphwright program as help2man sections:
#   cmake -DCLI=path/to/glyphwright -DOUTPUT=commands.h2m -P write_command_help.cmake
# The text stays as the program prints it (no fill), with roff's escape character and line-leading
# control characters made literal.
# The commands are those the general help lists under "Commands:" (but help itself).
execute_process(COMMAND ${CLI} --help OUTPUT_VARIABLE general RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "${CLI} --help failed")
endif()
string(REGEX MATCH "\nCommands:\n(  [^\n]*\n)+" listing "${general}")
string(REGEX MATCHALL "\n  [a-z][a-z-]*" commands "${listing}")
list(TRANSFORM commands STRIP)
list(REMOVE_ITEM commands help)
if(NOT commands)
  message(FATAL_ERROR "${CLI} --help lists no commands")
endif()

set(sections "[COMMANDS]\n")
foreach(command IN LISTS commands)
  execute_process(COMMAND ${CLI} help ${command}
    OUTPUT_VARIABLE help RESULT_VARIABLE failed ERROR_VARIABLE error)
  if(failed)
    message(FATAL_ERROR "${CLI} help ${command} failed: ${error}")
  endif()
  string(REPLACE "\\" "\\e" help "${help}")
  string(REGEX REPLACE "(^|\n)([.'])" "\\1\\\\&\\2" help "${help}")
  string(APPEND sections ".SS \"glyphwright ${command}\"\n.nf\n${help}.fi\n")
endforeach()
file(WRITE ${OUTPUT} "${sections}")
