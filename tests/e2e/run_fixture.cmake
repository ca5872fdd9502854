# Runs mif2cgps once on a fixture and compares what it did with what the
# fixture expects, byte for byte.
#
# A fixture folder holds:
#   stdin              optional: what is typed at the console (the base name)
#   args               optional: the command-line arguments, one a line
#   locale             optional: LC_ALL for the run (C, which gives Shift_JIS
#                      messages, when absent; a UTF-8 locale is Linux-only)
#   input/             files placed in the scratch folder before the run
#   expected/exit_code the exit status
#   expected/console   everything printed, with LF line breaks
#   expected/files/    files that must exist afterwards with exactly these bytes
#   expected/absent    optional: names, one a line, that must not exist afterwards
#   linux-only         optional: the fixture needs a Linux file system (skipped on Windows)
#   windows-only       optional: the fixture shows Windows behaviour (skipped elsewhere)
cmake_minimum_required(VERSION 3.25)

set(work ${SCRATCH}/work)
file(REMOVE_RECURSE ${SCRATCH})
file(MAKE_DIRECTORY ${work})
if(IS_DIRECTORY ${FIXTURE}/input)
  file(COPY ${FIXTURE}/input/ DESTINATION ${work})
endif()

set(arguments "")
if(EXISTS ${FIXTURE}/args)
  file(STRINGS ${FIXTURE}/args arguments)
endif()
set(locale C)
if(EXISTS ${FIXTURE}/locale)
  file(STRINGS ${FIXTURE}/locale locale LIMIT_COUNT 1)
endif()
set(stdin ${FIXTURE}/stdin)
if(NOT EXISTS ${stdin})
  set(stdin ${SCRATCH}/no_input)
  file(WRITE ${stdin} "")
endif()

execute_process(
  COMMAND ${CMAKE_COMMAND} -E env LC_ALL=${locale} ${EMULATOR} ${EXECUTABLE} ${arguments}
  WORKING_DIRECTORY ${work}
  INPUT_FILE ${stdin}
  OUTPUT_FILE ${SCRATCH}/console
  ERROR_VARIABLE stderr
  RESULT_VARIABLE exit_code
  TIMEOUT 60)

set(failures "")

file(READ ${FIXTURE}/expected/exit_code expected_exit_code)
string(STRIP "${expected_exit_code}" expected_exit_code)
if(NOT "${exit_code}" STREQUAL "${expected_exit_code}")
  string(APPEND failures "exit code: expected ${expected_exit_code}, got ${exit_code}\n")
endif()

# Compares two files as hex; a console on Windows ends its lines with CR LF.
function(compare_bytes label expected_file actual_file crlf_lines)
  if(NOT EXISTS ${actual_file})
    set(failures "${failures}${label}: missing\n" PARENT_SCOPE)
    return()
  endif()
  file(READ ${expected_file} expected HEX)
  file(READ ${actual_file} actual HEX)
  if(crlf_lines)
    string(REGEX REPLACE "(..)" "\\1 " expected "${expected}")
    string(REPLACE "0a " "0d 0a " expected "${expected}")
    string(REPLACE " " "" expected "${expected}")
  endif()
  if(NOT expected STREQUAL actual)
    set(failures "${failures}${label}: differs from ${expected_file}\n  expected ${expected}\n  actual   ${actual}\n"
        PARENT_SCOPE)
  endif()
endfunction()

compare_bytes(console ${FIXTURE}/expected/console ${SCRATCH}/console "${WINDOWS_CONSOLE}")

file(GLOB_RECURSE expected_files LIST_DIRECTORIES false RELATIVE ${FIXTURE}/expected/files
     ${FIXTURE}/expected/files/*)
foreach(name IN LISTS expected_files)
  compare_bytes(${name} ${FIXTURE}/expected/files/${name} ${work}/${name} FALSE)
endforeach()

if(EXISTS ${FIXTURE}/expected/absent)
  file(STRINGS ${FIXTURE}/expected/absent absent_files)
  foreach(name IN LISTS absent_files)
    if(EXISTS ${work}/${name})
      string(APPEND failures "${name}: must not exist\n")
    endif()
  endforeach()
endif()

if(failures)
  message(FATAL_ERROR "fixture ${FIXTURE}\n${failures}stderr: ${stderr}")
endif()
