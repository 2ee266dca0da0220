# Runs tamo-cli once and compares its whole output with the expected files.
#   CLI       the tamo-cli executable
#   ARGS      its arguments separated by |; @OUT@ stands for OUT_DIR
#   WORKDIR   where it runs (the fixtures)
#   EXPECTED  the expected standard output; EXPECTED.err, if present, the standard error
#   STATUS    the expected exit status
#   VERSION   the project's version, for @VERSION@ in the expected output
#   INPUT     optional: a file fed to standard input
#   OUT_DIR   optional: a fresh folder for written files
#   WRITTEN, SAME_AS  optional: a file written into OUT_DIR that must equal SAME_AS byte for byte
#   NOTHING_WRITTEN   optional: OUT_DIR must stay empty
#   MEMORY_LIMIT      optional: the address space tamo-cli may use, in kB (as ulimit -v)
# A line "@REPEAT n@text" in an expected file stands for n lines of that text.
cmake_minimum_required(VERSION 3.25)

if(OUT_DIR)
  file(REMOVE_RECURSE "${OUT_DIR}")
  file(MAKE_DIRECTORY "${OUT_DIR}")
endif()
string(REPLACE "|" ";" args "${ARGS}")
string(REPLACE "@OUT@" "${OUT_DIR}" args "${args}")
set(input_option)
if(INPUT)
  set(input_option INPUT_FILE "${INPUT}")
endif()
set(command "${CLI}" ${args})
if(MEMORY_LIMIT)
  math(EXPR bytes "${MEMORY_LIMIT} * 1024")
  set(command prlimit --as=${bytes} -- ${command})
endif()
execute_process(COMMAND ${command}
  WORKING_DIRECTORY "${WORKDIR}"
  ${input_option}
  OUTPUT_VARIABLE out
  ERROR_VARIABLE err
  RESULT_VARIABLE status)

set(failed FALSE)
if(NOT "${status}" STREQUAL "${STATUS}")
  message(SEND_ERROR "exit status ${status}, expected ${STATUS}")
  set(failed TRUE)
endif()
file(READ "${EXPECTED}" expected_out)
string(REPLACE "@OUT@" "${OUT_DIR}" expected_out "${expected_out}")
string(REPLACE "@VERSION@" "${VERSION}" expected_out "${expected_out}")
while(expected_out MATCHES "@REPEAT ([0-9]+)@([^\n]*\n)")
  string(REPEAT "${CMAKE_MATCH_2}" ${CMAKE_MATCH_1} lines)
  string(REPLACE "${CMAKE_MATCH_0}" "${lines}" expected_out "${expected_out}")
endwhile()
if(NOT out STREQUAL expected_out)
  message(SEND_ERROR "standard output differs.\n--- expected\n${expected_out}--- got\n${out}---")
  set(failed TRUE)
endif()
if(EXISTS "${EXPECTED}.err")
  file(READ "${EXPECTED}.err" expected_err)
  if(NOT err STREQUAL expected_err)
    message(SEND_ERROR "standard error differs.\n--- expected\n${expected_err}--- got\n${err}---")
    set(failed TRUE)
  endif()
endif()
if(WRITTEN)
  execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files "${OUT_DIR}/${WRITTEN}" "${SAME_AS}"
                  RESULT_VARIABLE differs)
  if(differs)
    message(SEND_ERROR "${OUT_DIR}/${WRITTEN} differs from ${SAME_AS}")
    set(failed TRUE)
  endif()
endif()
if(NOTHING_WRITTEN)
  file(GLOB written "${OUT_DIR}/*")
  if(written)
    message(SEND_ERROR "files written: ${written}")
    set(failed TRUE)
  endif()
endif()
if(failed)
  message(FATAL_ERROR "tamo-cli ${args}")
endif()
