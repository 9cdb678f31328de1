# Micro-tiles, the repaint optimisers, layers, the paint box and the image view.
list(APPEND IMAGING_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/Bitmap32_RepaintOpt.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Bitmap32_MicroTiles.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Bitmap32_Layers.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Bitmap32_Image.cpp)
list(APPEND IMAGING_LIBS classlib_windowing classlib_formres)
