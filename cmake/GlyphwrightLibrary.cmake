# The library as users link it: every subsystem of src/ and the reference document in one
# archive (libglyphwright.a, glyphwright::glyphwright_static) and one shared object
# (libglyphwright.so.<major>, glyphwright::glyphwright). Both are made of the subsystems' own
# object files, so nothing is compiled twice. Windows users get Quillet.dll instead.
if(WIN32)
  return()
endif()

set(GLYPHWRIGHT_LIBRARY_PARTS
    glyphwright_text glyphwright_automation glyphwright_script glyphwright_chem
    glyphwright_journal glyphwright_elements glyphwright_prose glyphwright_nmr glyphwright_characterisation
    glyphwright_component
    glyphwright_document)
set(library_objects)
foreach(part IN LISTS GLYPHWRIGHT_LIBRARY_PARTS)
  list(APPEND library_objects $<TARGET_OBJECTS:${part}>)
endforeach()

# The folders the public headers are included from ("chem/ion_formula_query.h").
set(library_includes
  $<BUILD_INTERFACE:${PROJECT_SOURCE_DIR}/src> $<BUILD_INTERFACE:${PROJECT_SOURCE_DIR}/hosts>
  $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}/glyphwright>)

add_library(glyphwright_shared SHARED ${library_objects})
set_target_properties(glyphwright_shared PROPERTIES
  OUTPUT_NAME glyphwright EXPORT_NAME glyphwright
  VERSION ${PROJECT_VERSION} SOVERSION ${PROJECT_VERSION_MAJOR})
target_include_directories(glyphwright_shared INTERFACE ${library_includes})
target_link_libraries(glyphwright_shared PRIVATE ${CMAKE_DL_LIBS})
target_compile_features(glyphwright_shared INTERFACE cxx_std_20)

add_library(glyphwright_static STATIC ${library_objects})
set_target_properties(glyphwright_static PROPERTIES
  OUTPUT_NAME glyphwright EXPORT_NAME glyphwright_static)
target_include_directories(glyphwright_static INTERFACE ${library_includes})
target_link_libraries(glyphwright_static INTERFACE ${CMAKE_DL_LIBS})
target_compile_features(glyphwright_static INTERFACE cxx_std_20)

add_library(glyphwright::glyphwright ALIAS glyphwright_shared)
add_library(glyphwright::glyphwright_static ALIAS glyphwright_static)
