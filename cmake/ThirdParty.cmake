# Third-party libraries: built from Debian's sources by deps/build into a cache outside
# the work tree; this file runs it (a warm cache only checks its keys) and makes
# imported targets from the prefixes it names.
set(DEPS_FILE ${CMAKE_BINARY_DIR}/deps.cmake)
execute_process(
  COMMAND ${CMAKE_CURRENT_LIST_DIR}/../deps/build --host ${TOOL_PREFIX} --out ${DEPS_FILE}
  RESULT_VARIABLE deps_result)
if(NOT deps_result EQUAL 0)
  message(FATAL_ERROR "deps/build failed (see its output above)")
endif()
include(${DEPS_FILE})
file(GLOB deps_recipes CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/../deps/recipes/*.sh)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
  ${deps_recipes} ${CMAKE_CURRENT_LIST_DIR}/../deps/lib.sh ${CMAKE_CURRENT_LIST_DIR}/../deps/build)

# thirdparty_library(TARGET PREFIX_VAR LIBS... [DEPENDS targets...]): static libraries of one prefix.
function(thirdparty_library target prefix)
  cmake_parse_arguments(arg "" "" "LIBS;DEPENDS;SYSTEM_LIBS" ${ARGN})
  add_library(${target} INTERFACE IMPORTED GLOBAL)
  set(files)
  foreach(lib IN LISTS arg_LIBS)
    list(APPEND files ${prefix}/lib/lib${lib}.a)
  endforeach()
  target_include_directories(${target} SYSTEM INTERFACE ${prefix}/include)
  target_link_libraries(${target} INTERFACE ${files} ${arg_DEPENDS} ${arg_SYSTEM_LIBS})
endfunction()

thirdparty_library(thirdparty::gtest ${DEPS_GOOGLETEST_PREFIX} LIBS gmock gtest)
thirdparty_library(thirdparty::jpeg ${DEPS_LIBJPEG_TURBO_PREFIX} LIBS jpeg)
# zlib comes from Debian's mingw-w64 package.
add_library(thirdparty::zlib INTERFACE IMPORTED GLOBAL)
target_link_libraries(thirdparty::zlib INTERFACE /usr/${TOOL_PREFIX}/lib/libz.a)

# Further libraries (the media stack) add their targets here.
include(${CMAKE_CURRENT_LIST_DIR}/MediaThirdParty.cmake OPTIONAL)
