# Pipes far more answers than a pipe holds from PROGRAM to a reader that quits at once, and fails
# unless PROGRAM exits with 1 and says why.
string(REPEAT "${REQUEST}\n" 100000 requests)
set(input "${CMAKE_CURRENT_BINARY_DIR}/expect_closed_pipe.in")
file(WRITE ${input} "${requests}")
execute_process(COMMAND ${PROGRAM} INPUT_FILE ${input} COMMAND ${CMAKE_COMMAND} -E true
  RESULTS_VARIABLE results ERROR_VARIABLE errors)
file(REMOVE ${input})
list(GET results 0 result)
if(NOT result EQUAL 1 OR errors STREQUAL "")
  message(FATAL_ERROR "${PROGRAM} exited with '${result}' and said '${errors}'")
endif()
