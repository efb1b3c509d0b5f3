# The Debian package, made by CPack from the install rules (`cpack -G DEB` in a build configured
# with -DCMAKE_INSTALL_PREFIX=/usr; tools/make-dist does it). Its dependencies come from
# dpkg-shlibdeps; the copyright and the compressed changelog are where Debian looks for them.
set(GLYPHWRIGHT_MAINTAINER "Glyphwright maintainers <maintainers@users.noreply.c-seed-07dbc2f5.example>")

find_program(GLYPHWRIGHT_GZIP gzip)
if(GLYPHWRIGHT_GZIP)
  # The changelog of a release with no Debian revision of its own, dated the day of the build
  # (or of SOURCE_DATE_EPOCH).
  string(TIMESTAMP changelog_date "%a, %d %b %Y 00:00:00 +0000" UTC)
  set(changelog ${PROJECT_BINARY_DIR}/packaging/changelog)
  # Written only when it changes, so the package is not rebuilt at every configure.
  file(CONFIGURE OUTPUT ${changelog} CONTENT
    "glyphwright (${PROJECT_VERSION}) unstable; urgency=medium\n\n  * Release ${PROJECT_VERSION}.\n\n -- ${GLYPHWRIGHT_MAINTAINER}  ${changelog_date}\n")
  add_custom_command(OUTPUT ${changelog}.gz
    COMMAND ${GLYPHWRIGHT_GZIP} -9nkf ${changelog}
    DEPENDS ${changelog}
    VERBATIM)
  add_custom_target(glyphwright_changelog ALL DEPENDS ${changelog}.gz)
  install(FILES ${changelog}.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})
endif()
install(FILES ${PROJECT_SOURCE_DIR}/packaging/debian/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})

execute_process(COMMAND dpkg --print-architecture
  OUTPUT_VARIABLE deb_architecture OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
if(NOT deb_architecture)
  set(deb_architecture ${CMAKE_SYSTEM_PROCESSOR})
endif()

set(CPACK_PACKAGE_NAME glyphwright)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Glyphwright")
set(CPACK_PACKAGE_CONTACT ${GLYPHWRIGHT_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "formatter for chemical text")
set(CPACK_PACKAGE_DIRECTORY ${PROJECT_BINARY_DIR}/packages)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME glyphwright_${PROJECT_VERSION}_${deb_architecture}.deb)
set(CPACK_DEBIAN_PACKAGE_ARCHITECTURE ${deb_architecture})
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The shared library is public: its shlibs file, and the ldconfig trigger Debian prefers to
# maintainer scripts that run ldconfig.
set(control_dir ${PROJECT_BINARY_DIR}/packaging/control)
file(WRITE ${control_dir}/shlibs
  "libglyphwright ${PROJECT_VERSION_MAJOR} glyphwright (>= ${PROJECT_VERSION})\n")
file(WRITE ${control_dir}/triggers "activate-noawait ldconfig\n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${control_dir}/shlibs ${control_dir}/triggers)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The Python module is built for one Python minor version.
if(TARGET glyphwright_python)
  get_target_property(interpreter glyphwright_python GLYPHWRIGHT_INTERPRETER)
  execute_process(COMMAND ${interpreter} -c "import sys; print('%d.%d %d.%d' % (sys.version_info[0], sys.version_info[1], sys.version_info[0], sys.version_info[1] + 1))"
    OUTPUT_VARIABLE python_versions OUTPUT_STRIP_TRAILING_WHITESPACE)
  separate_arguments(python_versions)
  list(GET python_versions 0 python_this)
  list(GET python_versions 1 python_next)
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "python3 (>= ${python_this}), python3 (<< ${python_next})")
endif()
# CPack indents each line of the extended description itself.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION [[
Glyphwright formats chemical text: formulas such as H2SO4, ions such as
SO42-, chemical names, journal references and NMR peak lists get their
subscripts, superscripts and italics. This package holds the glyphwright
command, the C++ library with its headers, CMake package and pkg-config
file, the Python module, the LibreOffice Writer extension and the Word
macros.]])
set(CPACK_GENERATOR DEB)
include(CPack)
