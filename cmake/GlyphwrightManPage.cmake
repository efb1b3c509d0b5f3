# glyphwright(1), written by help2man from the command's --help and --version, with the help of
# each command appended (cmake/write_command_help.cmake), so the page says what the program says.
# The page is installed compressed, as Debian installs manual pages.
find_program(GLYPHWRIGHT_HELP2MAN help2man)
find_program(GLYPHWRIGHT_GZIP gzip)
if(NOT GLYPHWRIGHT_HELP2MAN OR NOT GLYPHWRIGHT_GZIP OR CMAKE_CROSSCOMPILING)
  message(STATUS "Manual page glyphwright(1) skipped: needs help2man and gzip (and a native build)")
  return()
endif()

set(command_help ${PROJECT_BINARY_DIR}/man/commands.h2m)
set(man_page ${PROJECT_BINARY_DIR}/man/glyphwright.1)
add_custom_command(OUTPUT ${man_page}.gz
  COMMAND ${CMAKE_COMMAND} -DCLI=$<TARGET_FILE:glyphwright> -DOUTPUT=${command_help}
          -P ${PROJECT_SOURCE_DIR}/cmake/write_command_help.cmake
  # help2man's default locale C would write every character beyond ASCII (H₂SO₄ in the help) as ?.
  COMMAND ${GLYPHWRIGHT_HELP2MAN} --no-info --section=1 --locale=C.UTF-8
          "--name=${PROJECT_DESCRIPTION}"
          --include=${command_help} --output=${man_page} $<TARGET_FILE:glyphwright>
  COMMAND ${GLYPHWRIGHT_GZIP} -9nf ${man_page}
  DEPENDS glyphwright ${PROJECT_SOURCE_DIR}/cmake/write_command_help.cmake
  COMMENT "Writing the manual page glyphwright.1"
  VERBATIM)
add_custom_target(glyphwright_man ALL DEPENDS ${man_page}.gz)
install(FILES ${man_page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
