# The 24-bit effect bitmap: blends, transitions and image effects.
list(APPEND SKIN_DATA_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/Speffbmp.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Speffbmp_Effects.cpp)
