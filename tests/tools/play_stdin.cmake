# Runs "TOOL play X" on two command lines and fails unless it prints their answers.
set(input "${WORK}/play_stdin_input.txt")
file(WRITE "${input}" "click 1 4\nshow\n")
execute_process(COMMAND ${TOOL} play X INPUT_FILE "${input}" RESULT_VARIABLE status
                OUTPUT_VARIABLE output ERROR_VARIABLE errors)
set(expected "outcome placed number=4\nvalues 400000\ngiven 000000\nmarks 0,0,0,0,0,0\n")
if(NOT status STREQUAL "0" OR NOT output STREQUAL expected OR NOT errors STREQUAL "")
  message(FATAL_ERROR "play: status ${status}, output:\n${output}\nerrors:\n${errors}")
endif()
