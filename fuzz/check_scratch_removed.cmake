# Runs a fuzz target that writes scratch files for a few inputs, with TMPDIR set to an empty folder
# of its own, and fails if the target leaves anything there once it has ended.
#   cmake -DFUZZER=<executable> -DWORK=<folder to use> -P check_scratch_removed.cmake
if(NOT FUZZER OR NOT WORK)
  message(FATAL_ERROR "usage: cmake -DFUZZER=<executable> -DWORK=<folder> -P ${CMAKE_CURRENT_LIST_FILE}")
endif()

file(REMOVE_RECURSE ${WORK})
set(tmp ${WORK}/tmp)
set(corpus ${WORK}/corpus)
file(MAKE_DIRECTORY ${tmp} ${corpus})

execute_process(COMMAND ${CMAKE_COMMAND} -E env TMPDIR=${tmp} ${FUZZER} -runs=64 -seed=1 ${corpus}
                RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "${FUZZER} failed (${result}):\n${output}")
endif()

file(GLOB_RECURSE left LIST_DIRECTORIES true RELATIVE ${tmp} ${tmp}/*)
if(left)
  list(JOIN left "\n  " listing)
  message(FATAL_ERROR "${FUZZER} left in its temporary folder ${tmp}:\n  ${listing}")
endif()
file(REMOVE_RECURSE ${WORK})
