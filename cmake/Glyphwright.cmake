# Shared settings for every target of our own code.

function(glyphwright_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic)
  # Off by default: a newer compiler's new warning must not break a user's build; `make test`,
  # `make fuzz` and CI turn it on.
  if(GLYPHWRIGHT_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()

# glyphwright_library(name SOURCES ... DEPENDS ...): one subsystem of src/, also known as
# glyphwright::<name without its glyphwright_ prefix> (glyphwright_chem is glyphwright::chem).
function(glyphwright_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  string(REGEX REPLACE "^glyphwright_" "" short_name ${name})
  add_library(glyphwright::${short_name} ALIAS ${name})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC ${ARG_DEPENDS})
  glyphwright_warnings(${name})
endfunction()

# glyphwright_test(name SOURCES ... DEPENDS ...): one GoogleTest executable, registered with CTest.
function(glyphwright_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  target_link_libraries(${name} PRIVATE ${ARG_DEPENDS} GTest::gmock GTest::gtest_main)
  glyphwright_warnings(${name})
  # GCC 12 at -O2 and above takes a literal joined to a temporary std::string for an overlapping
  # copy (a false -Wrestrict inside libstdc++, fixed in GCC 13). The tests join strings so all
  # over; the library and the programs are kept free of it.
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_GREATER_EQUAL 12
     AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
    target_compile_options(${name} PRIVATE -Wno-restrict)
  endif()
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 NO_PRETTY_VALUES
    PROPERTIES ENVIRONMENT "GLYPHWRIGHT_SOURCE_DIR=${PROJECT_SOURCE_DIR}")
endfunction()
