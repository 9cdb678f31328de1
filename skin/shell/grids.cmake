# The sparse lists behind the string grid's cells.
list(APPEND SKIN_SHELL_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/Sparselists.cpp)
