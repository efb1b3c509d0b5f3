# Writes the help of every command of the glyphwright program as help2man sections:
#   cmake -DCLI=path/to/glyphwright -DOUTPUT=commands.h2m -P write_command_help.cmake
# The text stays as the program prints it (no fill), with roff's escape character and line-leading
# control characters made literal.
set(sections "[COMMANDS]\n")
foreach(command format script run queries)
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
