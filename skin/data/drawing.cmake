# Drawing toolbox: picture composition, masks and regions, parent pictures, glyphs and
# the image-and-caption layout of skinned buttons.
list(APPEND SKIN_DATA_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/Skinctrls_Layout.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Sputils_Compose.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Sputils_Glyphs.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Sputils_ParentImage.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Sputils_Regions.cpp)
