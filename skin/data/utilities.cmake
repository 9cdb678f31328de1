# Value encodings of skin descriptions and the small geometry, text and system routines.
list(APPEND SKIN_DATA_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/Sputils_FBitmap.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Sputils_Geometry.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Sputils_System.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Sputils_Text.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Sputils_Values.cpp)
