# The Windows setup program glyphwright-<version>-setup.exe, built with NSIS (Debian's nsis
# package) in the MinGW-w64 build: `cmake --build build/windows --target glyphwright_setup`.
# packaging/windows/glyphwright.nsi says what the setup does; here is what it holds.
find_program(GLYPHWRIGHT_MAKENSIS makensis)
if(NOT GLYPHWRIGHT_MAKENSIS)
  message(STATUS "Windows setup skipped: needs makensis (the nsis package)")
  return()
endif()

file(GLOB setup_documents CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/docs/*.md)
list(PREPEND setup_documents ${PROJECT_SOURCE_DIR}/README.md)
set(setup_word_files
  ${PROJECT_SOURCE_DIR}/hosts/com/word/Glyphwright.bas
  ${PROJECT_SOURCE_DIR}/hosts/com/word/WordExecuter.cls
  ${PROJECT_SOURCE_DIR}/hosts/com/word/README.md)

# Each folder of the install with its files: the setup writes them, the uninstaller deletes
# exactly those, then the folder if it is empty.
set(install_lines "  SetOutPath \"$INSTDIR\"\n  File \"$<TARGET_FILE:Quillet>\"\n")
set(remove_lines "  Delete \"$INSTDIR\\Quillet.dll\"\n")
foreach(folder Word Docs)
  if(folder STREQUAL "Word")
    set(files ${setup_word_files})
  else()
    set(files ${setup_documents})
  endif()
  string(APPEND install_lines "  SetOutPath \"$INSTDIR\\${folder}\"\n")
  foreach(file IN LISTS files)
    get_filename_component(name ${file} NAME)
    string(APPEND install_lines "  File \"${file}\"\n")
    string(APPEND remove_lines "  Delete \"$INSTDIR\\${folder}\\${name}\"\n")
  endforeach()
  string(APPEND remove_lines "  RMDir \"$INSTDIR\\${folder}\"\n")
endforeach()
set(setup_files ${PROJECT_BINARY_DIR}/setup/files.nsh)
file(GENERATE OUTPUT ${setup_files} CONTENT
  "!macro InstallFiles\n${install_lines}  SetOutPath \"$INSTDIR\"\n!macroend\n\n!macro RemoveFiles\n${remove_lines}!macroend\n")

set(setup ${PROJECT_BINARY_DIR}/setup/glyphwright-${PROJECT_VERSION}-setup.exe)
set(setup_script ${PROJECT_SOURCE_DIR}/packaging/windows/glyphwright.nsi)
add_custom_command(OUTPUT ${setup}
  COMMAND ${GLYPHWRIGHT_MAKENSIS} -V2 -DVERSION=${PROJECT_VERSION} -DFILES=${setup_files}
          -DOUTFILE=${setup} ${setup_script}
  DEPENDS Quillet ${setup_script} ${setup_files} ${setup_documents} ${setup_word_files}
  COMMENT "Building the Windows setup glyphwright-${PROJECT_VERSION}-setup.exe"
  VERBATIM)
add_custom_target(glyphwright_setup DEPENDS ${setup})
set_target_properties(glyphwright_setup PROPERTIES GLYPHWRIGHT_SETUP_FILE ${setup})
