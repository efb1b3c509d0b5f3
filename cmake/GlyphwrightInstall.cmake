# `cmake --install`: the command and its manual page, the library with its headers, a CMake
# package and a pkg-config file, the Python module, the LibreOffice extension and the Word macros.
# The Windows build installs nothing: its delivery is the setup program.
if(WIN32)
  include(GlyphwrightSetup)
  return()
endif()

include(CMakePackageConfigHelpers)

set(GLYPHWRIGHT_INSTALL_CMAKEDIR ${CMAKE_INSTALL_LIBDIR}/cmake/Glyphwright
    CACHE STRING "Where the CMake package files go, under the install prefix")
set(GLYPHWRIGHT_INSTALL_DATADIR ${CMAKE_INSTALL_DATADIR}/glyphwright
    CACHE STRING "Where the LibreOffice extension and the Word macros go, under the install prefix")

# The command, and glyphwright(1) written from its own help.
install(TARGETS glyphwright RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
include(GlyphwrightManPage)

# The library and the headers of every subsystem, kept in their folders under include/glyphwright.
install(TARGETS glyphwright_shared glyphwright_static EXPORT GlyphwrightTargets
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/src/ ${PROJECT_SOURCE_DIR}/hosts/document
  DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/glyphwright FILES_MATCHING PATTERN "*.h")

install(EXPORT GlyphwrightTargets NAMESPACE glyphwright::
  DESTINATION ${GLYPHWRIGHT_INSTALL_CMAKEDIR})
configure_package_config_file(${PROJECT_SOURCE_DIR}/packaging/GlyphwrightConfig.cmake.in
  ${PROJECT_BINARY_DIR}/GlyphwrightConfig.cmake INSTALL_DESTINATION ${GLYPHWRIGHT_INSTALL_CMAKEDIR})
write_basic_package_version_file(${PROJECT_BINARY_DIR}/GlyphwrightConfigVersion.cmake
  COMPATIBILITY SameMajorVersion)
install(FILES ${PROJECT_BINARY_DIR}/GlyphwrightConfig.cmake
              ${PROJECT_BINARY_DIR}/GlyphwrightConfigVersion.cmake
  DESTINATION ${GLYPHWRIGHT_INSTALL_CMAKEDIR})

# glyphwright.pc finds its prefix from where it lies, so an installed tree can be moved.
set(GLYPHWRIGHT_PC_PRIVATE_LIBS "")
foreach(lib IN LISTS CMAKE_DL_LIBS)
  string(APPEND GLYPHWRIGHT_PC_PRIVATE_LIBS " -l${lib}")
endforeach()
string(STRIP "${GLYPHWRIGHT_PC_PRIVATE_LIBS}" GLYPHWRIGHT_PC_PRIVATE_LIBS)
file(RELATIVE_PATH GLYPHWRIGHT_PC_TO_PREFIX /prefix/${CMAKE_INSTALL_LIBDIR}/pkgconfig /prefix)
configure_file(${PROJECT_SOURCE_DIR}/packaging/glyphwright.pc.in
  ${PROJECT_BINARY_DIR}/glyphwright.pc @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/glyphwright.pc
  DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)

# The Python package, where the interpreter it was built for looks: on Debian
# lib/python3/dist-packages under /usr and lib/python3.X/dist-packages under any other prefix.
if(TARGET glyphwright_python)
  get_target_property(interpreter glyphwright_python GLYPHWRIGHT_INTERPRETER)
  execute_process(
    COMMAND ${interpreter} -c [[
import sys, sysconfig
prefix = sys.argv[1]
if "deb_system" in sysconfig.get_scheme_names():
    print("lib/python3/dist-packages" if prefix == "/usr"
          else "lib/python%d.%d/dist-packages" % sys.version_info[:2])
else:
    print(sysconfig.get_path("platlib", "posix_prefix", vars={"base": "", "platbase": ""}).lstrip("/"))
]] ${CMAKE_INSTALL_PREFIX}
    OUTPUT_VARIABLE python_dir OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
  set(GLYPHWRIGHT_INSTALL_PYTHONDIR ${python_dir}
      CACHE STRING "Where the Python module goes, under the install prefix")
  # A package folder around the compiled module, so that python3 -m glyphwright runs the command.
  get_target_property(package_dir glyphwright_python GLYPHWRIGHT_PACKAGE_DIR)
  install(TARGETS glyphwright_python LIBRARY DESTINATION ${GLYPHWRIGHT_INSTALL_PYTHONDIR}/glyphwright)
  install(FILES ${package_dir}/__init__.py ${package_dir}/__main__.py
    DESTINATION ${GLYPHWRIGHT_INSTALL_PYTHONDIR}/glyphwright)
endif()

if(TARGET glyphwright_oxt)
  get_target_property(oxt glyphwright_oxt GLYPHWRIGHT_OXT_FILE)
  install(FILES ${oxt} DESTINATION ${GLYPHWRIGHT_INSTALL_DATADIR})
endif()
install(DIRECTORY ${PROJECT_SOURCE_DIR}/hosts/com/word DESTINATION ${GLYPHWRIGHT_INSTALL_DATADIR})

install(FILES ${PROJECT_SOURCE_DIR}/README.md DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/docs/ DESTINATION ${CMAKE_INSTALL_DOCDIR}
  FILES_MATCHING PATTERN "*.md" PATTERN "*.png")
include(GlyphwrightPackaging)
