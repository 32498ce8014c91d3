# The folders' include check on small trees: a clean tree passes, with the includes the check must
# allow; a copy of it with any one bad include fails and names the file. Run in script mode with
# CHECK (the check's script) and WORK_DIR (a folder of the build's own to write the trees in).
cmake_minimum_required(VERSION 3.25)

# Each entry: a file, then its include lines, separated by "|".
set(clean_tree
  "base/types.h|#include <array>"
  "scoring/rules.h|#include \"base/types.h\""
  "game/game.h|#include <scoring/rules.h>|#include \"./flow.h\""
  "history/store.cpp|#include \"game/game.h\""
  "ui/window.cpp|#include \"../game/game.h\"|#include \"history/store.h\"|#include <QWidget>|#include \"window.moc\""
  "ui/parts/part.cpp|#include \"../window.h\""
  "app/main.cpp|#include \"ui/window.h\""
  "tests/window_test.cpp|#include \"ui/window.h\"|#include \"tests/support/series.h\""
  "fuzzing/monkey.cpp|#include \"tests/support/checked_game.h\"|#include \"tools/simulator.h\"")
set(bad_includes
  "scoring/up.cpp|#include <game/game.h>"
  "game/up.cpp|#include \"../ui/window.h\""
  "computer/up.cpp|#  include \"sub/../../ui/window.h\""
  "base/up.h|# include \"scoring/rules.h\""
  "game/history.cpp|#include \"history/store.h\""
  "history/up.cpp|#include <ui/window.h>"
  "game/test_only.cpp|#include \"tests/support/series.h\""
  "tools/test_only.cpp|#include \"../fuzzing/game_monkey.h\""
  "app/test_only.cpp|#include <bench/timing.h>"
  "ui/test_only.cpp|#include \"../tests/support/checked_game.h\"")

function(write_tree root)
  file(REMOVE_RECURSE "${root}")
  foreach(entry IN LISTS ARGN)
    string(REPLACE "|" ";" parts "${entry}")
    list(POP_FRONT parts file)
    list(JOIN parts "\n" text)
    file(WRITE "${root}/${file}" "${text}\nint unused;\n")
  endforeach()
endfunction()

function(run_check root out_code out_text)
  execute_process(COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${root} -P ${CHECK}
    RESULT_VARIABLE code OUTPUT_VARIABLE text ERROR_VARIABLE text)
  set(${out_code} ${code} PARENT_SCOPE)
  set(${out_text} "${text}" PARENT_SCOPE)
endfunction()

set(failures "")
write_tree("${WORK_DIR}/clean" ${clean_tree})
run_check("${WORK_DIR}/clean" code text)
if(NOT code EQUAL 0)
  string(APPEND failures "\nthe clean tree was refused:\n${text}")
endif()
set(case 0)
foreach(bad IN LISTS bad_includes)
  math(EXPR case "${case} + 1")
  set(root "${WORK_DIR}/bad${case}")
  write_tree("${root}" ${clean_tree} "${bad}")
  string(REGEX REPLACE "\\|.*$" "" file "${bad}")
  run_check("${root}" code text)
  if(code EQUAL 0 OR NOT text MATCHES "${file}")
    string(APPEND failures "\nnot caught: ${bad}")
  endif()
endforeach()
file(REMOVE_RECURSE "${WORK_DIR}")
if(failures)
  message(FATAL_ERROR "${failures}")
endif()
