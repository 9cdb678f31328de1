# Range and gauge bars.
list(APPEND IMAGING_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/Bitmap32_RangeBars.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Bitmap32_RangeBars_Bars.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Bitmap32_RangeBars_Draw.cpp)
list(APPEND IMAGING_LIBS classlib_windowing classlib_formres)
