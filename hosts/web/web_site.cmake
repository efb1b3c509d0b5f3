# The static site: the library as WebAssembly (Emscripten), the page's script around it, and
# index.html. Only the sources the jobs need are linked; -Os keeps the module small, but the
# script's run on the document, the late-bound calls and the renderers, where a large text spends
# most of its time, are optimised for speed, and so is the whole module at its link (-O3 there
# applies to the link-time optimisation, which keeps each file's own size setting). Emscripten
# turns the build type's -Os into -fno-inline-functions as well, which a later -O3 leaves in
# place: without -finline-functions the hot code would call even the strings' one-line members.
foreach(hot glyphwright_automation glyphwright_script glyphwright_document glyphwright_web
    glyphwright_chem glyphwright_text)
  target_compile_options(${hot} PRIVATE -O3 -finline-functions)
endforeach()
add_executable(glyphwright_wasm web_exports.cpp)
target_link_libraries(glyphwright_wasm PRIVATE glyphwright_web)
glyphwright_warnings(glyphwright_wasm)
set_target_properties(glyphwright_wasm PROPERTIES OUTPUT_NAME glyphwright-core SUFFIX .js)
set(glyphwright_exports
  _gw_format _gw_document_new _gw_document_set_text _gw_document_format _gw_document_free
  _gw_queries _gw_result_error _gw_result_part _gw_result_part_length _gw_result_part_utf8
  _gw_result_part_utf8_length _gw_result_free
  _malloc _free)
list(JOIN glyphwright_exports "," glyphwright_exports)
target_link_options(glyphwright_wasm PRIVATE
  -O3 --no-entry -sMODULARIZE=1 -sEXPORT_NAME=GlyphwrightModule -sENVIRONMENT=web,worker
  -sFILESYSTEM=0 -sALLOW_MEMORY_GROWTH=1 -sMAXIMUM_MEMORY=2GB -sINITIAL_MEMORY=16MB
  -sEXPORTED_FUNCTIONS=[${glyphwright_exports}] -sEXPORTED_RUNTIME_METHODS=[]
  -sDYNAMIC_EXECUTION=0)

set(site_dir ${GLYPHWRIGHT_SITE_DIR})
if(NOT site_dir)
  set(site_dir ${CMAKE_BINARY_DIR}/site)
endif()
set(page_sources
  ${CMAKE_CURRENT_SOURCE_DIR}/index.html ${CMAKE_CURRENT_SOURCE_DIR}/page.css
  ${CMAKE_CURRENT_SOURCE_DIR}/engine.js ${CMAKE_CURRENT_SOURCE_DIR}/page.js)
add_custom_command(
  OUTPUT ${site_dir}/index.html ${site_dir}/glyphwright.js ${site_dir}/glyphwright.wasm
  COMMAND python3 ${CMAKE_CURRENT_SOURCE_DIR}/assemble_site.py
          --core $<TARGET_FILE_DIR:glyphwright_wasm>/glyphwright-core.js
          --wasm $<TARGET_FILE_DIR:glyphwright_wasm>/glyphwright-core.wasm
          --sources ${CMAKE_CURRENT_SOURCE_DIR} --out ${site_dir}
  DEPENDS glyphwright_wasm ${page_sources} ${CMAKE_CURRENT_SOURCE_DIR}/assemble_site.py
  COMMENT "Writing the web page to ${site_dir}")
add_custom_target(glyphwright_site ALL
  DEPENDS ${site_dir}/index.html ${site_dir}/glyphwright.js ${site_dir}/glyphwright.wasm)
