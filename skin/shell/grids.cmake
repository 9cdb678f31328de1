# The skinned grid (Skingrids: model, geometry, extents, painting) and the sparse lists
# behind the string grid's cells.
list(APPEND SKIN_SHELL_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/Skingrids.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Skingrids_Extents.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Skingrids_Geometry.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Skingrids_Paint.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Sparselists.cpp)
