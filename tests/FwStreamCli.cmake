# Runs the built fwstream program end to end (under the emulator in the
# Windows tree): sample JSON -> bytes -> JSON -> bytes must give the same
# bytes, and bad input must exit 1 (usage errors 2) with one line on stderr.
# cmake -DFWSTREAM=exe [-DRUNNER=emulator] -DSAMPLE=json -DWORK=dir -P FwStreamCli.cmake
file(MAKE_DIRECTORY "${WORK}")

function(run_fwstream status_var err_var)
  execute_process(COMMAND ${RUNNER} "${FWSTREAM}" ${ARGN}
                  RESULT_VARIABLE status ERROR_VARIABLE err OUTPUT_QUIET)
  set(${status_var} "${status}" PARENT_SCOPE)
  set(${err_var} "${err}" PARENT_SCOPE)
endfunction()

function(expect_ok)
  run_fwstream(status err ${ARGN})
  if(NOT status EQUAL 0 OR NOT err STREQUAL "")
    message(FATAL_ERROR "fwstream ${ARGN}: status ${status}, stderr: ${err}")
  endif()
endfunction()

function(expect_failure want)
  run_fwstream(status err ${ARGN})
  string(REPLACE "\r" "" err "${err}")
  string(REGEX MATCHALL "\n" newlines "${err}")
  list(LENGTH newlines lines)
  if(NOT status EQUAL want OR NOT lines EQUAL 1 OR NOT err MATCHES "^fwstream: ")
    message(FATAL_ERROR "fwstream ${ARGN}: want status ${want} and one line, got ${status}: ${err}")
  endif()
endfunction()

expect_ok(from-json "${SAMPLE}" -o "${WORK}/sample.bin")
execute_process(COMMAND ${RUNNER} "${FWSTREAM}" to-json "${WORK}/sample.bin"
                RESULT_VARIABLE status OUTPUT_FILE "${WORK}/sample.json")
if(NOT status EQUAL 0)
  message(FATAL_ERROR "to-json to standard output failed: ${status}")
endif()
expect_ok(from-json "${WORK}/sample.json" -o "${WORK}/again.bin")
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files "${WORK}/sample.bin" "${WORK}/again.bin"
                RESULT_VARIABLE differ)
if(differ)
  message(FATAL_ERROR "sample.bin and again.bin differ after a JSON round trip")
endif()
file(READ "${WORK}/sample.json" json)
if(NOT json MATCHES "\"class\": \"TButton\"")
  message(FATAL_ERROR "to-json output lacks the sample's TButton")
endif()

file(WRITE "${WORK}/bad.json" "{\"components\": [}")
expect_failure(1 from-json "${WORK}/bad.json")
expect_failure(1 to-json "${SAMPLE}")             # JSON is not a stream
expect_failure(1 to-json "${WORK}/missing.bin")
expect_failure(2 to-json)
expect_failure(2 convert "${SAMPLE}")
