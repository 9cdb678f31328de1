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
# than most cases): one CTest test per program, or per suite where a program is split.
# The runner names a failing, hanging or crashing case in the log, retries once only the
# cases that did not pass, keeps GoogleTest's XML reports in test-reports/ and writes the
# counts that scripts/test sums up.
set(TEST_REPORT_DIR ${CMAKE_BINARY_DIR}/test-reports)
set(TEST_RUNNER ${CMAKE_SOURCE_DIR}/tests/support/run_gtest.sh)

# converter_test(NAME PREFIX SOURCES... [LIBS ...] [SERIAL] [SPLIT_SUITES] [TIMEOUT s]
#                [PROGRAM_TIMEOUT s] [MAIN source] [PROPERTIES name value ...])
# Builds one GoogleTest program, registered as the CTest test PREFIX.<program> (PREFIX is
# the top folder under test: classlib, media, engine, ...; a program name starting with
# "PREFIX_" drops that start), or with SPLIT_SUITES as PREFIX.<program>.<suite>, one per
# suite found in the sources, so a long program's suites run side by side.
# TIMEOUT: seconds one case may run before it is named and its process ended (default 120).
# PROGRAM_TIMEOUT: seconds for the whole program or suite (default 1800).
# SERIAL: the tests need the display to themselves (focus, activation, screen reads).
# PROPERTIES: further CTest properties (e.g. FIXTURES_REQUIRED).
function(converter_test name prefix)
  cmake_parse_arguments(arg "SERIAL;SPLIT_SUITES" "TIMEOUT;PROGRAM_TIMEOUT;MAIN"
                        "SOURCES;LIBS;PROPERTIES" ${ARGN})
  if(NOT arg_TIMEOUT)
    set(arg_TIMEOUT 120)
  endif()
  if(NOT arg_PROGRAM_TIMEOUT)
    set(arg_PROGRAM_TIMEOUT 1800)
  endif()
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
  if(arg_SPLIT_SUITES)
    converter_test_suites(suites ${arg_SOURCES})
    foreach(suite IN LISTS suites)
      converter_gtest_run(${prefix}.${short}.${suite} ${name} ${arg_TIMEOUT}
                          "${suite}.*:${suite}/*:*/${suite}.*" "${props}")
    endforeach()
  else()
    converter_gtest_run(${prefix}.${short} ${name} ${arg_TIMEOUT} "" "${props}")
  endif()
endfunction()

# converter_gtest_run(TEST PROGRAM CASE_TIMEOUT FILTER PROPS): one CTest test running
# PROGRAM's cases (those FILTER selects, all when it is empty) in one process.
function(converter_gtest_run test program case_timeout filter props)
  add_test(NAME ${test}
    COMMAND bash ${TEST_RUNNER} ${WINE_RUN} $<TARGET_FILE:${program}> ${TEST_REPORT_DIR}
            ${test} ${case_timeout} ${filter}
    WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
  set_tests_properties(${test} PROPERTIES ${props})
endfunction()

# converter_test_suites(OUT_VAR SOURCES...): the suite names the sources' TEST, TEST_F,
# TEST_P, TYPED_TEST and TYPED_TEST_P macros declare, in first-seen order.
function(converter_test_suites out_var)
  set(suites)
  foreach(source IN LISTS ARGN)
    get_filename_component(path ${source} ABSOLUTE BASE_DIR ${CMAKE_CURRENT_SOURCE_DIR})
    file(STRINGS ${path} lines REGEX "^[ \t]*(TYPED_)?TEST(_F|_P)?\\([ \t]*[A-Za-z0-9_]+")
    foreach(line IN LISTS lines)
      string(REGEX REPLACE "^[ \t]*(TYPED_)?TEST(_F|_P)?\\([ \t]*([A-Za-z0-9_]+).*" "\\3" suite "${line}")
      list(APPEND suites ${suite})
    endforeach()
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${path})
  endforeach()
  list(REMOVE_DUPLICATES suites)
  set(${out_var} ${suites} PARENT_SCOPE)
endfunction()
