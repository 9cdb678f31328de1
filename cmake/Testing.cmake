# Test programs are Windows programs run under Wine by the build tree's wrapper, which
# starts Xvfb, a persistent wineserver and the prefix on first use.
enable_testing()
set(WINE_STATE_DIR ${CMAKE_BINARY_DIR}/wine)
set(WINE_RUN ${CMAKE_BINARY_DIR}/wine-run)
file(WRITE ${WINE_RUN}.tmp
  "#!/bin/sh\nexport TARGET_ARCH=${TARGET_ARCH}\nexec \"${CMAKE_SOURCE_DIR}/scripts/wine-run\" --state \"${WINE_STATE_DIR}\" \"$@\"\n")
file(COPY_FILE ${WINE_RUN}.tmp ${WINE_RUN} ONLY_IF_DIFFERENT)
file(CHMOD ${WINE_RUN} PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CMAKE_CROSSCOMPILING_EMULATOR ${WINE_RUN})

# Each test program runs all its cases in one Wine process (starting Wine costs far more
# than most cases): one CTest test per program.
# The runner names a failing, hanging or crashing case in the log, retries once only the
# cases that did not pass, keeps GoogleTest's XML reports in test-reports/ and writes the
# counts that scripts/test sums up.
set(TEST_REPORT_DIR ${CMAKE_BINARY_DIR}/test-reports)
set(TEST_RUNNER ${CMAKE_SOURCE_DIR}/tests/support/run_gtest.sh)

# converter_default(VARIABLE VALUE): VALUE where the caller gave VARIABLE none.
macro(converter_default variable value)
  if(NOT ${variable})
    set(${variable} ${value})
  endif()
endmacro()

# converter_test(NAME PREFIX SOURCES... [LIBS ...] [SERIAL] [TIMEOUT s]
#                [PROGRAM_TIMEOUT s] [MAIN source] [PROPERTIES name value ...])
# Builds one GoogleTest program, registered as the CTest test PREFIX.<program> (PREFIX is
# the top folder under test: classlib, media, engine, ...; a program name starting with
# "PREFIX_" drops that start).
# TIMEOUT: seconds one case may run before it is named and its process ended (default 120).
# PROGRAM_TIMEOUT: seconds for the whole program (default 1800).
# SERIAL: the tests need the display to themselves (focus, activation, screen reads).
# PROPERTIES: further CTest properties (e.g. FIXTURES_REQUIRED).
function(converter_test name prefix)
  cmake_parse_arguments(arg "SERIAL" "TIMEOUT;PROGRAM_TIMEOUT;MAIN"
                        "SOURCES;LIBS;PROPERTIES" ${ARGN})
  converter_default(arg_TIMEOUT 120)
  converter_default(arg_PROGRAM_TIMEOUT 1800)
  if(NOT arg_MAIN)
    set(arg_MAIN ${CMAKE_SOURCE_DIR}/tests/support/test_main.cpp)
  endif()
  add_executable(${name} ${arg_SOURCES} ${arg_MAIN})
  target_link_libraries(${name} PRIVATE ${arg_LIBS} test_support thirdparty::gtest)

  string(REGEX REPLACE "^${prefix}_" "" short ${name})
  set(props TIMEOUT ${arg_PROGRAM_TIMEOUT} ${arg_PROPERTIES})
  if(arg_SERIAL)
    list(APPEND props RESOURCE_LOCK display)
  endif()
  add_test(NAME ${prefix}.${short}
    COMMAND bash ${TEST_RUNNER} ${WINE_RUN} $<TARGET_FILE:${name}> ${TEST_REPORT_DIR}
            ${prefix}.${short} ${arg_TIMEOUT}
    WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
  set_tests_properties(${prefix}.${short} PROPERTIES ${props})
endfunction()

# A table of output checks as one CTest test (tests/support/run_table.py): each row converts
# with a console program under Wine and the checker reads the output back natively. The
# program runs the rows' jobs as job lists (one Wine start per worker, not per row); the
# rows are checked in parallel and reported by name (TEST.ROW) in the log and in
# test-reports/TEST.xml.
#
# converter_table(TEST CHECKER PROGRAM [TIMEOUT s] [PROGRAM_TIMEOUT s] [PROPERTIES ...])
# TEST is the CTest name (PREFIX.Table), CHECKER the Python module with the rows' jobs() and
# verify(), PROGRAM the console program's target (it must run `--jobs LIST`).
# TIMEOUT: seconds one job may run before its row is named and its process ended (default
# 300). PROGRAM_TIMEOUT: seconds for the whole table (default 1800).
# Rows are added afterwards with converter_table_row(TEST ROW ARGS...).
set(TABLE_RUNNER ${CMAKE_SOURCE_DIR}/tests/support/run_table.py)
find_program(TABLE_PYTHON NAMES python3 REQUIRED)
function(converter_table test checker program)
  cmake_parse_arguments(arg "" "TIMEOUT;PROGRAM_TIMEOUT" "PROPERTIES" ${ARGN})
  converter_default(arg_TIMEOUT 300)
  converter_default(arg_PROGRAM_TIMEOUT 1800)
  set(rows ${CMAKE_BINARY_DIR}/tables/${test}.rows)
  file(WRITE ${rows} "")
  add_test(NAME ${test}
    COMMAND ${TABLE_PYTHON} ${TABLE_RUNNER} --checker ${checker} --rows ${rows}
            --program $<TARGET_FILE:${program}> --wine-run ${WINE_RUN} --bin ${CMAKE_BINARY_DIR}/bin
            --reports ${TEST_REPORT_DIR} --test ${test} --row-timeout ${arg_TIMEOUT})
  set_tests_properties(${test} PROPERTIES TIMEOUT ${arg_PROGRAM_TIMEOUT} ${arg_PROPERTIES})
endfunction()

# converter_table_row(TEST ROW ARGS...): one row of the table TEST, named ROW (unique in the
# table), with the checker's arguments (empty ones kept).
function(converter_table_row test row)
  list(JOIN ARGN "\t" fields)
  file(APPEND ${CMAKE_BINARY_DIR}/tables/${test}.rows "${row}\t${fields}\n")
endfunction()
