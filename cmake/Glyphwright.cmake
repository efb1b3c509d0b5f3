# Shared settings for every target of our own code.

function(glyphwright_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Werror)
endfunction()

# glyphwright_library(name SOURCES ... DEPENDS ...): one subsystem of src/.
function(glyphwright_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
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
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 NO_PRETTY_VALUES
    PROPERTIES ENVIRONMENT "GLYPHWRIGHT_SOURCE_DIR=${PROJECT_SOURCE_DIR}")
endfunction()
