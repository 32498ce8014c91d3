# Runs the probe (PROGRAM) on a request padded to the longest line it reads, the same one a character
# longer, and a 10 MB line of 5 million words: the first is answered, each of the others gets one short
# error, and the probe goes on with the next line.
set(request "face 1 1 1")
string(LENGTH "${request}" length)
math(EXPR fill "4096 - ${length}")
string(REPEAT " " ${fill} padding)
string(REPEAT "1 " 5000000 words)
set(input "${CMAKE_CURRENT_BINARY_DIR}/probe_long_lines.in")
file(WRITE ${input} "${request}${padding}\n${request}${padding} \n${words}\n${request}\n")
execute_process(COMMAND ${PROGRAM} INPUT_FILE ${input} OUTPUT_VARIABLE output RESULT_VARIABLE result)
file(REMOVE ${input})
set(answer "ok 0.30555555555555558\n")
set(refusal "error the request is longer than 4096 characters\n")
set(expected "${answer}${refusal}${refusal}${answer}")
if(NOT result EQUAL 0 OR NOT output STREQUAL expected)
  message(FATAL_ERROR "${PROGRAM} exited with ${result}.\n--- expected:\n${expected}--- got:\n${output}")
endif()
