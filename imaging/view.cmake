# Micro-tiles, the repaint optimisers, layers, the paint box, the image view and the
# scrolling view.
list(APPEND IMAGING_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/Bitmap32_RepaintOpt.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Bitmap32_MicroTiles.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Bitmap32_Layers.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Bitmap32_Image.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Bitmap32_ImgView.cpp)
list(APPEND IMAGING_LIBS classlib_windowing classlib_formres)
