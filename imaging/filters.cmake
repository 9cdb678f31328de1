# Whole-bitmap filters and line clipping.
list(APPEND IMAGING_SOURCES
  Bitmap32_Filters.cpp
  Bitmap32_DrawingEx.cpp)
