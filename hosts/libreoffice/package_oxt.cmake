# Packs the extension: cmake -DSOURCE=... -DDESCRIPTION=... -DMODULE=... -DSTAGE=... -DOUTPUT=...
#   -P package_oxt.cmake. The stage folder is laid out as the extension is, then zipped.
file(REMOVE_RECURSE ${STAGE})
file(COPY ${SOURCE}/ DESTINATION ${STAGE}
  PATTERN "*.in" EXCLUDE PATTERN "__pycache__" EXCLUDE PATTERN "*.pyc" EXCLUDE)
file(COPY ${DESCRIPTION} DESTINATION ${STAGE})
file(COPY ${MODULE} DESTINATION ${STAGE}/pythonpath)

# Names inside the archive are relative to its root, without a leading "./".
file(GLOB_RECURSE entries RELATIVE ${STAGE} ${STAGE}/*)
list(SORT entries)
file(REMOVE ${OUTPUT})
execute_process(COMMAND ${CMAKE_COMMAND} -E tar cf ${OUTPUT} --format=zip -- ${entries}
  WORKING_DIRECTORY ${STAGE} RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "could not pack ${OUTPUT}")
endif()
