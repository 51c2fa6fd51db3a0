# Pipes every case of CASES through PROBE in one run and compares the fields each case names.
# A case is {"in": <request object, or a raw line as a string>, "want": {<field>: <value>}}.
# Replies are matched to cases by line, so a missing or extra reply line is a failure too.
cmake_minimum_required(VERSION 3.25)

file(READ "${CASES}" cases)
string(JSON count LENGTH "${cases}")
math(EXPR last "${count} - 1")

set(input "")
foreach(i RANGE ${last})
  string(JSON kind TYPE "${cases}" ${i} in)
  string(JSON line GET "${cases}" ${i} in)
  if(kind STREQUAL "OBJECT")
    # GET gives the object's JSON text; the probe wants it on one line.
    string(REPLACE "\n" "" line "${line}")
  endif()
  string(APPEND input "${line}\n")
endforeach()
file(WRITE "${WORK_DIR}/pipe-input.jsonl" "${input}")

execute_process(COMMAND "${PROBE}"
                INPUT_FILE "${WORK_DIR}/pipe-input.jsonl"
                OUTPUT_VARIABLE output
                RESULT_VARIABLE rc
                TIMEOUT 30)
if(NOT rc STREQUAL "0")
  message(FATAL_ERROR "quorva-probe ended with ${rc}")
endif()

set(failures 0)
set(rest "${output}")
foreach(i RANGE ${last})
  string(JSON request GET "${cases}" ${i} in)
  string(REPLACE "\n" "" request "${request}")
  string(FIND "${rest}" "\n" eol)
  if(eol EQUAL -1)
    message(SEND_ERROR "case ${i} ${request}: no reply line")
    math(EXPR failures "${failures} + 1")
    break()
  endif()
  string(SUBSTRING "${rest}" 0 ${eol} reply)
  math(EXPR eol "${eol} + 1")
  string(SUBSTRING "${rest}" ${eol} -1 rest)

  string(JSON fields LENGTH "${cases}" ${i} want)
  math(EXPR lastField "${fields} - 1")
  foreach(f RANGE ${lastField})
    string(JSON key MEMBER "${cases}" ${i} want ${f})
    string(JSON expected GET "${cases}" ${i} want ${key})
    string(JSON actual ERROR_VARIABLE missing GET "${reply}" ${key})
    if(missing OR NOT actual STREQUAL expected)
      message(SEND_ERROR "case ${i} ${request}: ${key} is [${actual}], expected [${expected}]\n  reply: ${reply}")
      math(EXPR failures "${failures} + 1")
    endif()
  endforeach()
endforeach()
if(NOT rest STREQUAL "")
  message(SEND_ERROR "extra reply lines: ${rest}")
  math(EXPR failures "${failures} + 1")
endif()
if(failures GREATER 0)
  message(FATAL_ERROR "${failures} mismatch(es)")
endif()
message(STATUS "${count} cases passed")
