# Runs TOOL with the list ARGS and fails unless it exits with status EXPECTED.
execute_process(COMMAND ${TOOL} ${ARGS} RESULT_VARIABLE status OUTPUT_QUIET ERROR_QUIET)
if(NOT status STREQUAL EXPECTED)
  message(FATAL_ERROR "${TOOL} ${ARGS}: exit status ${status}, expected ${EXPECTED}")
endif()
