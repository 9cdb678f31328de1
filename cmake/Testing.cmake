# Test programs are Windows programs run under Wine by the build tree's wrapper, which
# starts Xvfb, a persistent wineserver and the prefix on first use.
enable_testing()
set(WINE_STATE_DIR ${CMAKE_BINARY_DIR}/wine)
set(WINE_RUN ${CMAKE_BINARY_DIR}/wine-run)
file(WRITE ${WINE_RUN}.tmp
  "#!/bin/sh\nexec \"${CMAKE_SOURCE_DIR}/scripts/wine-run\" --state \"${WINE_STATE_DIR}\" \"$@\"\n")
file(COPY_FILE ${WINE_RUN}.tmp ${WINE_RUN} ONLY_IF_DIFFERENT)
file(CHMOD ${WINE_RUN} PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CMAKE_CROSSCOMPILING_EMULATOR ${WINE_RUN})

include(GoogleTest)

# converter_test(NAME PREFIX SOURCES... [LIBS ...] [SERIAL] [TIMEOUT s] [MAIN source]
#                [PROPERTIES name value ...])
# Builds one GoogleTest program; each of its tests becomes a CTest test named
# PREFIX.Suite.Test (PREFIX is the top folder under test: classlib, media, engine, ...).
# SERIAL: the tests need the display to themselves (focus, activation, screen reads).
# PROPERTIES: further CTest properties of every test (e.g. FIXTURES_REQUIRED).
function(converter_test name prefix)
  cmake_parse_arguments(arg "SERIAL" "TIMEOUT;MAIN" "SOURCES;LIBS;PROPERTIES" ${ARGN})
  if(NOT arg_TIMEOUT)
    set(arg_TIMEOUT 120)
  endif()
  if(NOT arg_MAIN)
    set(arg_MAIN ${CMAKE_SOURCE_DIR}/tests/support/test_main.cpp)
  endif()
  add_executable(${name} ${arg_SOURCES} ${arg_MAIN})
  target_link_libraries(${name} PRIVATE ${arg_LIBS} test_support thirdparty::gtest)
  set(props TIMEOUT ${arg_TIMEOUT} ${arg_PROPERTIES})
  if(arg_SERIAL)
    list(APPEND props RESOURCE_LOCK display)
  endif()
  gtest_discover_tests(${name}
    TEST_PREFIX "${prefix}."
    DISCOVERY_MODE PRE_TEST
    DISCOVERY_TIMEOUT 120
    WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/bin
    PROPERTIES ${props})
endfunction()
