# Runs PROGRAM with ARGS (a ;-list) and fails unless it exits with CODE and says something.
execute_process(COMMAND ${PROGRAM} ${ARGS} RESULT_VARIABLE result ERROR_VARIABLE errors OUTPUT_QUIET)
if(NOT result EQUAL CODE)
  message(FATAL_ERROR "${PROGRAM} ${ARGS} exited with ${result}, expected ${CODE}")
endif()
if(CODE EQUAL 2 AND errors STREQUAL "")
  message(FATAL_ERROR "${PROGRAM} ${ARGS} gave no message")
endif()
